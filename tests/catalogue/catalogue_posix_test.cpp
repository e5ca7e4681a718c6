#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"
#include "scripted_port.h"
#include "temp_dir.h"

// A file that opens and then fails to read (Linux's /proc/self/mem fails at offset 0): the
// system's message, and the catalogue read before stays whole.
TEST(CatalogueFile, AFileThatFailsWhileBeingReadLeavesTheCatalogueAsItWas) {
    TempDir dir;
    ScriptedPort port;
    Catalogue catalogue;
    WriteFile(dir.File("C31.TXT"), "C00Uno\r\n01Item\r\n");
    ASSERT_EQ(catalogue.Load(dir.File("C31.TXT"), port), Catalogue::LoadResult::Loaded);
    std::string error;
    EXPECT_EQ(catalogue.Load(FilePath("/proc/self/mem"), port, &error), Catalogue::LoadResult::ReadError);
    EXPECT_NE(error.find("Input/output error"), std::string::npos) << error;
    EXPECT_EQ(catalogue.ItemText(0, 1), "Item") << "no half-read catalogue";
    EXPECT_TRUE(port.messages.empty());
}
