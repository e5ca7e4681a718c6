#include "text_pieces.h"

#include <gtest/gtest.h>

using Pieces = std::vector<std::string>;

TEST(TextPieces, SplitKeepsEmptyPiecesAtBothEndsAndBetween) {
    EXPECT_EQ(SplitText("", "/"), Pieces{""});
    EXPECT_EQ(SplitText("/home//a", "/"), (Pieces{"", "home", "", "a"}));
    EXPECT_EQ(SplitText("a\r\nb\r\n", "\r\n"), (Pieces{"a", "b", ""}));
    EXPECT_EQ(SplitText("a\rb\nc", "\r\n"), Pieces{"a\rb\nc"});  // only the whole separator splits
}

TEST(TextPieces, ReplacementsAreReadFromTheLeftWithoutOverlapping) {
    EXPECT_EQ(ReplaceAll("~~~", "~~", "\r\n"), "\r\n~");
    EXPECT_EQ(ReplaceAll("~~~~", "~~", "\r\n"), "\r\n\r\n");
    EXPECT_EQ(ReplaceAll("a\r\n\r\nb", "\r\n", "~~"), "a~~~~b");
    EXPECT_EQ(ReplaceAll("sin cambios", "~~", "\r\n"), "sin cambios");
}

TEST(TextPieces, BlankRunsBecomeOneSpaceAndLeadingBlanksGo) {
    EXPECT_EQ(CollapseBlanks(" \t\r\nUno  \n\tdos "), "Uno dos ");
    EXPECT_EQ(CollapseBlanks("   "), "");
    EXPECT_EQ(CollapseBlanks("\xe1rbol\xa0verde"), "\xe1rbol\xa0verde");  // a no-break space is kept
}
