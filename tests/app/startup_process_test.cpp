#include <gtest/gtest.h>

#include <filesystem>

#include "installed_copy.h"
#include "program_run.h"
#include "temp_dir.h"

namespace fs = std::filesystem;


TEST(StartupProcess, WithoutTheCatalogueTheProgramStopsWithTheMessage) {
    InstalledCopy copy;
    const ProgramRun run = copy.Verify();
    EXPECT_EQ(run.err, "No se localiza el archivo C31.TXT\n");
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.status, 0);
}

TEST(StartupProcess, TheCatalogueIsFoundBesideTheProgramOrInTheDataFolder) {
    InstalledCopy copy;
    fs::create_directories(copy.root.File("share/kaldo").Utf8());
    fs::copy_file(KALDO_SOURCE_DIR "/data/C31.TXT", copy.root.File("share/kaldo/C31.TXT").Utf8());
    ProgramRun run = copy.Verify();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "E Firma\n");

    // One beside the program is taken first.
    WriteFile(copy.root.File("bin/C31.TXT"), "C00Uno\r\nxmal\r\n");
    run = copy.Verify();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "ERROR EN mal\n");
}
