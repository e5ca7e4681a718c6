#include <gtest/gtest.h>

#include "cp1252.h"

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string unmappable;
    EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(all), &unmappable), all);
    EXPECT_TRUE(unmappable.empty());
}

TEST(Cp1252, SpanishLettersAndTheEuroSign) {
    EXPECT_EQ(W("Línea"), "L\xEDnea");
    EXPECT_EQ(W("¿Quiere?"), "\xBFQuiere?");
    EXPECT_EQ(W("€"), "\x80");
    EXPECT_EQ(cp1252::ToUtf8("\x80 \xF1"), "€ ñ");
    EXPECT_EQ(cp1252::ToUnicode(0x81), 0x81u) << "undefined bytes map to the C1 controls";
}

TEST(Cp1252, CharactersOutsideTheSetAreReplacedAndReported) {
    std::string unmappable;
    EXPECT_EQ(cp1252::FromUtf8("a→b≠", &unmappable), "a?b?");
    EXPECT_EQ(unmappable, "→") << "the first one is named";
    EXPECT_EQ(cp1252::FromUtf8("\xFF"), "?") << "malformed UTF-8";
}
