#include <gtest/gtest.h>

#include "box_text.h"
#include "cp1252.h"
#include "recording_canvas.h"

namespace {

// At 10 points every character is 10 wide and 20 high: "W" gives W' = 10 and H' = 20, so a
// box of width w holds (w - 20) / 10 characters.
struct WrapTextTest : ::testing::Test {
    RecordingCanvas canvas{4800, 6800, 1, 2};
    static constexpr int x = 100, y = 200, step = 30;

    WrapTextTest() { canvas.SetFontSize(10); }

    // The drawn texts as "text@x,y".
    std::vector<std::string> Drawn() const {
        std::vector<std::string> out;
        for (const auto& call : canvas.Texts())
            out.push_back(cp1252::ToUtf8(call.text) + "@" + std::to_string(call.x) + "," +
                          std::to_string(call.y));
        return out;
    }
};

using List = std::vector<std::string>;

}  // namespace

TEST_F(WrapTextTest, DrawsAFittingTextInOnePieceInsideItsFrame) {
    const int height = WrapText(canvas, x, y, 200, step, "casa blanca");
    EXPECT_EQ(Drawn(), List({"casa blanca@110,220"}));
    EXPECT_EQ(height, 20 + step + 20);
    ASSERT_EQ(canvas.Rectangles().size(), 1u);
    const auto frame = canvas.Rectangles()[0];
    EXPECT_EQ(std::vector<int>({frame.x, frame.y, frame.right, frame.bottom}),
              std::vector<int>({x, y, x + 200, y + height}));
}

TEST_F(WrapTextTest, BreaksInsideTheWordWithAHyphenAfterTheLastSyllableThatFits) {
    // 13 characters a line: "la " and then "construcción" breaks after "cons" + "truc".
    const int height = WrapText(canvas, x, y, 150, step, W("la construcción"));
    EXPECT_EQ(Drawn(), List({"la @110,220", "cons@140,220", "truc@180,220", "-@220,220", "ción@110,250",
                             " @150,250", "@160,250"}));
    EXPECT_EQ(height, 20 + step + step + 20);
}

TEST_F(WrapTextTest, MovesAWordWhoseFirstSyllableDoesNotFitWithoutAHyphen) {
    WrapText(canvas, x, y, 200, step, W("la construcción nueva"));
    EXPECT_EQ(Drawn(),
              List({"la @110,220", "construcción @140,220", "nue@110,250", "va @140,250", "@170,250"}));
}

TEST_F(WrapTextTest, DrawsASyllableWiderThanTheBoxAnyway) {
    // Two characters a line: every syllable of "construcción" is wider.
    const int height = WrapText(canvas, x, y, 40, step, W("construcción"));
    EXPECT_EQ(Drawn(), List({"cons@110,250", "-@150,250", "truc@110,280", "-@150,280", "ción@110,310",
                             " @150,310", "@160,310"}));
    EXPECT_EQ(height, 20 + 4 * step + 20);
    EXPECT_EQ(canvas.Rectangles()[0].bottom, y + height);
}

TEST_F(WrapTextTest, KeepsATrailingCommaOnTheLineOfItsWord) {
    // "ocular" fills the line exactly; the comma must not follow a hyphen on the next line.
    WrapText(canvas, x, y, 80, step, "ocular, x");
    for (const auto& call : canvas.Texts())
        EXPECT_NE(call.text, "-");
    const auto* comma = canvas.FindText(", ");
    ASSERT_NE(comma, nullptr);
    EXPECT_EQ(comma->y, 220);
    EXPECT_EQ(canvas.FindText("x")->y, 250);
}

TEST_F(WrapTextTest, AWordLongerThanALineEndsWithoutAStrayHyphen) {
    // Six characters a line. Once "cas" is drawn nothing of the word is left, and the blanks
    // that taking syllables off leaves behind must not start a line of their own.
    const int height = WrapText(canvas, x, y, 80, step, W("electromecánicas"));
    EXPECT_EQ(Drawn(),
              List({"e@110,220", "lec@120,220", "-@150,220", "tro@110,250", "me@140,250", "-@160,250",
                    "cá@110,280", "ni@130,280", "-@150,280", "cas@110,310", " @140,310", "@150,310"}));
    EXPECT_EQ(height, 20 + 4 * step + 20);
}

TEST_F(WrapTextTest, EndsForABoxNarrowerThanItsOwnPadding) {
    const int height = WrapText(canvas, x, y, 10, step, "a  bc   ");
    EXPECT_GT(height, 0);
    EXPECT_EQ(canvas.Rectangles().size(), 1u);
}

// Syllables broke "Ley 31/1-995" and "REA-CH": a word with a digit or two capitals moves to
// the next line whole.
TEST_F(WrapTextTest, MovesNumbersAndAcronymsWholeToTheNextLine) {
    // 13 characters a line.
    WrapText(canvas, x, y, 150, step, "la ley 31/1995 y REACH");
    EXPECT_EQ(Drawn(), List({"la @110,220", "ley @140,220", "31/1995 @110,250", "y @190,250",
                             "REACH @110,280", "@170,280"}));
    canvas.calls.clear();
    // A single capital is an ordinary word: "Escaleras" still breaks by its syllables.
    WrapText(canvas, x, y, 150, step, "la casa Escaleras");
    EXPECT_NE(canvas.FindText("-"), nullptr);
}

TEST_F(WrapTextTest, BreaksANumberOnlyWhenItIsWiderThanAWholeLine) {
    // Four characters a line: "2926/2002" cannot fit anywhere and comes apart.
    WrapText(canvas, x, y, 60, step, "TAS/2926/2002");
    std::string joined;
    for (const auto& call : canvas.Texts()) {
        if (call.text != "-") joined += call.text;
    }
    EXPECT_EQ(joined, "TAS/2926/2002 ");
    EXPECT_GT(canvas.Texts().back().y, 220);
}
