#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "folder_reading.h"
#include "folder_scan.h"
#include "short_date_format.h"
#include "system_fakes.h"
#include "temp_dir.h"

// A copy of tests/data/overview, written by hand with one document of each case: a critical
// finding ("critico"), overdue measures ("vencidas"), a review passed and one due within 30
// days, a document read with one warning ("avisos"), a damaged file ("danado"), a file that is
// no document ("no-documento"), a text file that is not listed and a subfolder with one more
// firm; beside them a pipe named "bloqueado.kl3" that cannot be read as a file. Every file was
// last written at 14:05 on 01/12/2026, local time (TZ=UTC). The overview is taken on 08/12/2026.
struct OverviewFolder : ::testing::Test {
    TempDir dir;
    ShortDateFormat format{"dd/MM/yyyy"};
    Date asOf{2026, 12, 8};

    OverviewFolder() {
        namespace fs = std::filesystem;
        using namespace std::chrono;
        UseUtcAsLocalTime();
        fs::copy(TestData("overview").Utf8(), dir.path().Utf8(), fs::copy_options::recursive);
        EXPECT_TRUE(MakeUnreadableFile(dir.File("bloqueado.kl3")));
        const auto written = file_clock::from_sys(sys_seconds{sys_days{2026y / 12 / 1} + 14h + 5min});
        for (const auto& entry : fs::recursive_directory_iterator(dir.path().Utf8()))
            if (!entry.is_directory()) fs::last_write_time(entry.path(), written);
    }

    overview::Overview Read(bool subfolders, int threads = 2) {
        std::string error;
        const auto found = overview::ListDocuments(dir.path(), subfolders, &error);
        EXPECT_TRUE(found) << error;
        return overview::ReadOverview(dir.path(), found.value_or(std::vector<overview::FoundDocument>{}), format,
                                      asOf, threads);
    }
};
