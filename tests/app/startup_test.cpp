#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "memory_settings.h"
#include "scripted_port.h"
#include "startup.h"
#include "startup_fixture.h"
#include "temp_dir.h"
#include "tip_setting.h"


TEST_F(StartupTest, TheCatalogueComesFirstThenTipNamesAndMainWindow) {
    EXPECT_TRUE(Start(CataloguePath()));
    EXPECT_EQ(windows.calls, std::vector<std::string>({"tip", "names", "main window"}));
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item");
}

TEST_F(StartupTest, AMissingCatalogueEndsStartUpWithTheWarningAndNoMainWindow) {
    store.values[{"Kaldo 3.0", "Mostrar Inicio"}] = "No";
    EXPECT_FALSE(Start(dir.File("C31.TXT")));
    EXPECT_EQ(windows.calls, std::vector<std::string>({"warning: No se localiza el archivo C31.TXT"}));
}

TEST_F(StartupTest, TheTipWindowIsSkippedOnlyWhenSwitchedOff) {
    store.values[{"Kaldo 3.0", "Mostrar Inicio"}] = "NO";
    EXPECT_TRUE(Start(CataloguePath()));
    EXPECT_EQ(windows.calls, std::vector<std::string>({"names", "main window"}));

    windows.calls.clear();
    store.values[{"Kaldo 3.0", "Mostrar Inicio"}] = "no";
    store.values[{"Kaldo 3.1", "Mostrar Inicio"}] = "NO";
    EXPECT_TRUE(Start(CataloguePath()));
    EXPECT_EQ(windows.calls.front(), "tip");
}

TEST_F(StartupTest, RejectedCatalogueLinesAreReportedBeforeAnyWindow) {
    WriteFile(dir.File("C31.TXT"), "C00Uno\r\nxmal\r\n");
    EXPECT_TRUE(Start(dir.File("C31.TXT")));
    EXPECT_EQ(port.messages, std::vector<std::string>({"ERROR EN mal"}));
    EXPECT_EQ(windows.calls.back(), "main window");
}
