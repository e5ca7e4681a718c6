#include <gtest/gtest.h>

#include <QFileInfo>
#include <QUrl>
#include <filesystem>

#include "desktop_recorder.h"
#include "help_commands_fixture.h"
#include "temp_dir.h"
#include "text_codec.h"

// Which program opens the manual and the help file, as a Linux desktop's lists say (Windows
// asks its registry: program_for_file_windows_test.cpp).

namespace {

// The desktop's association lists, from scratch folders: none names a program until one is added.
// The system's type database stays in view, for the types of the files.
struct ScratchAssociations {
    TempDir data;
    ScratchAssociations() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME"})
            qputenv(name, PathToQt(data.File("none")).toUtf8());
        qputenv("XDG_DATA_DIRS", PathToQt(data.path()).toUtf8());
        std::filesystem::create_directories(data.File("applications").Utf8());
        std::filesystem::create_directory_symlink("/usr/share/mime", data.File("mime").Utf8());
    }
    ~ScratchAssociations() {
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            qunsetenv(name);
    }
    void Add(const std::string& type) {
        WriteFile(data.File("applications/mimeinfo.cache"), "[MIME Cache]\n" + type + "=lector.desktop;\n");
    }
};

}  // namespace

TEST_F(HelpCommandsTest, WhatNoProgramOpensIsSaidWithItsPath) {
    TempDir folder;
    DesktopRecorder desktop(folder.path());
    ScratchAssociations associations;

    window.Manual1->trigger();
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_NE(port.messages[0].find("manual.rtf"), std::string::npos) << port.messages[0];
    window.Ayuda2->trigger();
    ASSERT_EQ(port.messages.size(), 2u) << "no pages and no help file";
    EXPECT_NE(port.messages[1].find("kaldo31.chm"), std::string::npos) << port.messages[1];

    WriteFile(folder.File("manual.rtf"), "{\\rtf1}");
    WriteFile(folder.File("kaldo31.chm"), "ITSF");
    window.Manual1->trigger();
    window.Ayuda2->trigger();
    ASSERT_EQ(port.messages.size(), 4u);
    const std::string path = QFileInfo(PathToQt(folder.File("manual.rtf"))).absoluteFilePath().toStdString();
    EXPECT_NE(port.messages[2].find(path), std::string::npos) << port.messages[2];
    EXPECT_TRUE(desktop.opened.isEmpty());

    associations.Add("application/rtf");
    window.Manual1->trigger();
    associations.Add("application/vnd.ms-htmlhelp");
    window.Ayuda2->trigger();
    ASSERT_EQ(desktop.opened.size(), 2) << "no pages: the help file goes to the desktop";
    EXPECT_EQ(QFileInfo(desktop.opened[0].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("manual.rtf"))).canonicalFilePath());
    EXPECT_EQ(QFileInfo(desktop.opened[1].toLocalFile()).canonicalFilePath(),
              QFileInfo(PathToQt(folder.File("kaldo31.chm"))).canonicalFilePath());
    EXPECT_EQ(port.messages.size(), 4u);
}
