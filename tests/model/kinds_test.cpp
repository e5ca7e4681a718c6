#include <gtest/gtest.h>

#include <string>

#include "kinds.h"

// Kind letters are case-sensitive: 'e' is no kind.
TEST(Kinds, IconsByKindLetter) {
    const struct {
        char kind;
        int icon;
    } cases[] = {
        {'Z', 0}, {'P', 1}, {'C', 2}, {'D', 3}, {'R', 4}, {'E', 5}, {' ', 6}, {'e', 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("kind '") + c.kind + "'");
        EXPECT_EQ(KindIcon(c.kind), c.icon);
    }
}

TEST(Kinds, TwoDigitNumberReadsTheFirstTwoCharacters) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"00.- Gestión Preventiva", 0},
        {"13.- Ruido", 13},
        {"7a", 7},
        {"a7", 7},
        {"ab", 0},
        {"9", 0},  // a text of one character gives 0
        {"", 0},
        {"99 and more", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"");
        EXPECT_EQ(TwoDigitNumber(c.text), c.number);
    }
}

TEST(Kinds, RepeatChar) {
    EXPECT_EQ(RepeatChar(3, '\t'), "\t\t\t");
    EXPECT_EQ(RepeatChar(0, 'x'), "");
    EXPECT_EQ(RepeatChar(-2, 'x'), "");
}
