#include <gtest/gtest.h>

#include "command_line.h"
#include "documentation_text.h"

// Every option that "kaldo --help" lists is described in the manual and in the help.
TEST(ManualOptions, EveryHeadlessOptionIsDescribed) {
    const std::string manual = ManualText(), help = HelpText();
    ASSERT_FALSE(manual.empty());
    for (const HeadlessOption& option : HeadlessOptions()) {
        const std::string usage = "kaldo " + option.name + " " + option.usage;
        EXPECT_NE(manual.find(usage), std::string::npos) << "the manual does not describe " << usage;
        EXPECT_NE(help.find(usage), std::string::npos) << "the help does not describe " << usage;
    }
    EXPECT_NE(manual.find("kaldo --help"), std::string::npos);
}
