#include <gtest/gtest.h>

#include "assignment_flags.h"

using namespace assignment_flags;

TEST(AssignmentFlags, ReadOnlyTheFirst23OnesAsAssigned) {
    EXPECT_TRUE(IsAssigned("10000000000000000000000", 0));
    EXPECT_FALSE(IsAssigned("10000000000000000000000", 1));
    EXPECT_FALSE(IsAssigned("", 0));
    EXPECT_FALSE(IsAssigned("01", 5)) << "beyond the end of a shorter text";
    EXPECT_FALSE(IsAssigned("x1", 0)) << "anything but '1' is not assigned";
    EXPECT_TRUE(IsAssigned("00000000000000000000001", 22));
    EXPECT_FALSE(IsAssigned("000000000000000000000001", 23)) << "a 24th character is no questionnaire";
    EXPECT_FALSE(IsAssigned("11111111111111111111111", -1));
}

TEST(AssignmentFlags, WritingGivesExactly23Characters) {
    EXPECT_EQ(With("", 5, true), "00000100000000000000000");
    EXPECT_EQ(With("1x1", 0, false), "00100000000000000000000");
    EXPECT_EQ(With("111111111111111111111111111", 22, false), "11111111111111111111110");
    EXPECT_EQ(Normalised("1"), "10000000000000000000000");
}
