#include <gtest/gtest.h>

#include "kinds.h"

TEST(Kinds, IconsByKindLetter) {
    EXPECT_EQ(KindIcon('Z'), 0);
    EXPECT_EQ(KindIcon('P'), 1);
    EXPECT_EQ(KindIcon('C'), 2);
    EXPECT_EQ(KindIcon('D'), 3);
    EXPECT_EQ(KindIcon('R'), 4);
    EXPECT_EQ(KindIcon('E'), 5);
    EXPECT_EQ(KindIcon(' '), 6);
    EXPECT_EQ(KindIcon('e'), 6) << "kind letters are case-sensitive";
}

TEST(Kinds, TwoDigitNumberReadsTheFirstTwoCharacters) {
    EXPECT_EQ(TwoDigitNumber("00.- Gestión Preventiva"), 0);
    EXPECT_EQ(TwoDigitNumber("13.- Ruido"), 13);
    EXPECT_EQ(TwoDigitNumber("7a"), 7);
    EXPECT_EQ(TwoDigitNumber("a7"), 7);
    EXPECT_EQ(TwoDigitNumber("ab"), 0);
    EXPECT_EQ(TwoDigitNumber("9"), 0) << "a text of one character gives 0";
    EXPECT_EQ(TwoDigitNumber(""), 0);
    EXPECT_EQ(TwoDigitNumber("99 and more"), 99);
}

TEST(Kinds, RepeatChar) {
    EXPECT_EQ(RepeatChar(3, '\t'), "\t\t\t");
    EXPECT_EQ(RepeatChar(0, 'x'), "");
    EXPECT_EQ(RepeatChar(-2, 'x'), "");
}
