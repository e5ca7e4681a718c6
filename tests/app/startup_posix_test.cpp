#include <gtest/gtest.h>

#include "startup_fixture.h"

// A catalogue that opens and then fails to read (Linux's /proc/self/mem fails at its first
// byte); on Windows a file that cannot be read cannot be opened either, which is a missing one.
TEST_F(StartupTest, AReadErrorEndsStartUpWithTheSystemsText) {
    EXPECT_FALSE(Start(FilePath("/proc/self/mem")));
    ASSERT_EQ(windows.calls.size(), 1u);
    EXPECT_NE(windows.calls[0].find("Input/output error"), std::string::npos) << windows.calls[0];
}
