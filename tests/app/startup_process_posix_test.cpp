#include <gtest/gtest.h>

#include <filesystem>

#include "installed_copy.h"

// A catalogue that opens and then fails to read: Linux's /proc/self/mem fails at offset 0.
TEST(StartupProcess, ACatalogueThatCannotBeReadStopsWithTheSystemsText) {
    InstalledCopy copy;
    fs::create_symlink("/proc/self/mem", copy.root.File("bin/C31.TXT").Utf8());
    const ProgramRun run = copy.Verify();
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("Input/output error"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}
