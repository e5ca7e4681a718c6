#include <gtest/gtest.h>

#include <filesystem>

#include "desktop_association.h"
#include "system_fakes.h"
#include "temp_dir.h"

// Where a Linux desktop keeps which program opens which type of file; Windows keeps it in its
// registry instead (program_for_file_windows_test.cpp).
TEST(DesktopAssociation, TheListsComeFromTheXdgFoldersMostPersonalFirst) {
    TempDir dir;
    const std::string root = dir.path().Utf8();
    SetEnvironment("XDG_CONFIG_HOME", (root + "/config").c_str());
    SetEnvironment("XDG_CONFIG_DIRS", "");
    SetEnvironment("XDG_DATA_HOME", (root + "/data").c_str());
    SetEnvironment("XDG_DATA_DIRS", (root + "/a:" + root + "/b").c_str());
    const std::vector<std::string> files = desktop_association::ListFiles();
    ASSERT_FALSE(files.empty());
    EXPECT_EQ(files.front(), root + "/config/mimeapps.list");
    EXPECT_EQ(files.back(), root + "/b/applications/mimeinfo.cache");
    EXPECT_FALSE(desktop_association::AnyProgramFor({"application/vnd.ms-htmlhelp"}));
    std::filesystem::create_directories(root + "/b/applications");
    WriteFile(FilePath(root + "/b/applications/mimeinfo.cache"),
              "[MIME Cache]\napplication/vnd.ms-htmlhelp=xchm.desktop;\n");
    EXPECT_TRUE(desktop_association::AnyProgramFor({"application/vnd.ms-htmlhelp"}));
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
        UnsetEnvironment(name);
}
