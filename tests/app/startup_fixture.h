#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue.h"
#include "cp1252.h"
#include "memory_settings.h"
#include "scripted_port.h"
#include "startup.h"
#include "temp_dir.h"
#include "tip_setting.h"

// Records what start-up asked of the window system, in order.
struct RecordingWindows : StartupWindows {
    std::vector<std::string> calls;
    void ShowWarning(const std::string& text) override {
        calls.push_back("warning: " + cp1252::ToUtf8(text));
    }
    void ShowTipWindow() override { calls.push_back("tip"); }
    void NameApplication() override { calls.push_back("names"); }
    void CreateMainWindow() override { calls.push_back("main window"); }
};

struct StartupTest : ::testing::Test {
    TempDir dir;
    Catalogue catalogue;
    ScriptedPort port;
    MemorySettings store;
    TipSetting tips{store};
    RecordingWindows windows;

    bool Start(const FilePath& path) { return StartUp(catalogue, path, port, tips, windows); }
    FilePath CataloguePath() {
        WriteFile(dir.File("C31.TXT"), "C00Uno\r\n01Item\r\n");
        return dir.File("C31.TXT");
    }
};

