#include <gtest/gtest.h>

#include "cp1252.h"
#include "recording_canvas.h"
#include "report_line_wrap.h"

namespace {

// A recording canvas that counts the characters it is asked to measure.
struct CountingCanvas : RecordingCanvas {
    CountingCanvas() : RecordingCanvas(4800, 6800, 1, 1) { SetFontSize(10); }
    int TextWidth(const std::string& text) override {
        measured += text.size();
        return RecordingCanvas::TextWidth(text);
    }
    std::size_t measured = 0;
};

// A line of n letters with the given characters put at 1-based positions.
std::string Line(std::size_t n, const std::vector<std::pair<std::size_t, char>>& put = {}) {
    std::string line(n, 'x');
    for (const auto& [position, c] : put)
        line[position - 1] = c;
    return line;
}

}  // namespace

TEST(ReportSplitPoint, ShortLinesAreDrawnWhole) {
    EXPECT_FALSE(ReportSplitPoint(Line(89, {{10, ' '}, {80, ' '}})));
    // At 90 characters the column is reached, but nothing follows the last one.
    EXPECT_FALSE(ReportSplitPoint(Line(90, {{80, ' '}})));
}

TEST(ReportSplitPoint, CutsAfterTheLastBreakBeforeTheWrapColumn) {
    EXPECT_EQ(ReportSplitPoint(Line(95, {{80, ' '}})), 80u) << "1..80 and 81..95";
    EXPECT_EQ(ReportSplitPoint(Line(91, {{80, ' '}})), 80u);
    EXPECT_EQ(ReportSplitPoint(Line(95, {{20, ' '}, {80, '-'}})), 80u)
        << "the hyphen stays with the first part";
    EXPECT_EQ(ReportSplitPoint(Line(95, {{40, '\t'}})), 40u);
    // A blank in column 90 itself still counts.
    EXPECT_EQ(ReportSplitPoint(Line(95, {{90, ' '}})), 90u);
}

TEST(ReportSplitPoint, ALineWithoutBreaksIsDrawnWhole) {
    EXPECT_FALSE(ReportSplitPoint(Line(95)));
    // A blank as the very first character opens no line.
    EXPECT_FALSE(ReportSplitPoint(Line(95, {{1, ' '}})));
}

TEST(ReportSplitPoint, TheFirstBreakAfterTheColumnServesALongWord) {
    EXPECT_EQ(ReportSplitPoint(Line(130, {{120, ' '}})), 120u);
}

TEST(ReportSplitPoint, NoCutWhenOnlyBreaksFollow) {
    EXPECT_FALSE(ReportSplitPoint(Line(89) + "      "));
    EXPECT_FALSE(ReportSplitPoint(Line(85, {{80, ' '}}) + "     - \r\n  "));
}

TEST(ReportSplitPoint, NeverCutsInsideQuotes) {
    // "..." from 70 to 92 with blanks inside: the cut falls at the blank before the quote.
    EXPECT_EQ(ReportSplitPoint(Line(95, {{60, ' '}, {70, '"'}, {75, ' '}, {85, ' '}, {92, '"'}})), 60u);
    EXPECT_EQ(ReportSplitPoint(Line(95, {{60, ' '}, {70, '\''}, {85, ' '}, {92, '\''}})), 60u);
    // A double quote does not close a single one.
    EXPECT_FALSE(ReportSplitPoint(Line(95, {{60, ' '}, {70, '\''}, {85, ' '}, {92, '"'}})));
    // An unclosed quote keeps the rest whole.
    EXPECT_FALSE(ReportSplitPoint(Line(95, {{10, '"'}, {80, ' '}})));
}

TEST(ReportSplitPoint, ALineBreakInTheTextRestartsTheCount) {
    // 70 + CR LF + 70: no wrapped line reaches column 90.
    EXPECT_FALSE(ReportSplitPoint(Line(70, {{30, ' '}}) + "\r\n" + Line(70, {{30, ' '}})));
    // After the break, the count starts again: a blank at 80 of the second line is the cut.
    EXPECT_EQ(ReportSplitPoint(Line(20) + "\r\n" + Line(95, {{80, ' '}})), 22u + 80u);
    // A break before the line break is no candidate for the next line.
    EXPECT_FALSE(ReportSplitPoint(Line(20, {{10, ' '}}) + "\r\n" + Line(95)));
}

TEST(FitToWidth, CutsAtBlanksSoThatEveryLineFits) {
    RecordingCanvas canvas(4800, 6800, 1, 1);
    canvas.SetFontSize(10);  // 10 units a character
    const auto lines = FitToWidth(canvas, "uno dos tres cuatro cinco", 100);
    EXPECT_EQ(lines, std::vector<std::string>({"uno dos ", "tres ", "cuatro ", "cinco"}));
    for (const std::string& line : lines)
        EXPECT_LE(canvas.TextWidth(line), 100);
    EXPECT_EQ(FitToWidth(canvas, "corto", 100), std::vector<std::string>({"corto"}));
}

// "Metalúrgic|a" in a narrow column: a word wider than the line breaks at a syllable, with a
// hyphen; a number or an acronym, which syllables would spoil, where it stops fitting.
TEST(FitToWidth, AWordTooWideForTheLineBreaksAtASyllableWithAHyphen) {
    RecordingCanvas canvas(4800, 6800, 1, 1);
    canvas.SetFontSize(10);
    EXPECT_EQ(FitToWidth(canvas, W("Metalúrgica"), 80), std::vector<std::string>({W("Metalúr-"), "gica"}));
    EXPECT_EQ(FitToWidth(canvas, W("Industria Metalúrgica"), 90),
              std::vector<std::string>({"Industria ", W("Metalúr-"), "gica"}));
    EXPECT_EQ(FitToWidth(canvas, "1234567890123456", 100), std::vector<std::string>({"1234567890", "123456"}));
    EXPECT_EQ(FitToWidth(canvas, "UNE-EN-ISO", 50), std::vector<std::string>({"UNE-", "EN-", "ISO"}));
}

// Wrapping measured the whole rest of the text for every line: a 64 KB field took 40 s to print.
TEST(FitToWidth, WorkGrowsWithTheTextNotWithItsSquare) {
    std::string text;
    while (text.size() < 64 * 1024)
        text += "palabra ";
    CountingCanvas canvas;
    const auto lines = FitToWidth(canvas, text, 800);  // 80 characters a line: 10 words
    EXPECT_EQ(lines.size(), 64u * 1024 / 80 + 1);
    EXPECT_LT(canvas.measured, 20 * text.size());
}
