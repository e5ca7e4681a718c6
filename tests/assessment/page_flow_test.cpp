#include <gtest/gtest.h>

#include "page_flow.h"
#include "recording_canvas.h"

namespace {

using Call = RecordingCanvas::Call;

// Characters 2 × 10 = 20 wide; lines of 30 + 5 = 35 at 10 points; a body of 10 lines.
struct PageFlowTest : ::testing::Test {
    RecordingCanvas canvas{1000, 1000};
    PageFlow flow{canvas, {100, 900, 100, 450}};

    PageFlowTest() {
        std::string error;
        canvas.BeginJob("x", &error);
        flow.Font(10, FontStyle::Regular);
    }
    int PageOf(const std::string& text) const {
        const Call* call = canvas.FindText(text);
        return call ? call->page : 0;
    }
};

}  // namespace

TEST_F(PageFlowTest, TextsWrapByWordsAndGoOnToTheNextPage) {
    ASSERT_EQ(flow.LineHeight(), 35);
    // 90 words of 10 characters with their blank, 40 characters a line: 4 words on each of 23
    // lines (the last with 2), 10 lines a page.
    std::string words;
    for (int w = 10; w < 100; ++w)
        words += "palabra" + std::to_string(w) + " ";
    EXPECT_EQ(flow.Text(words, 100, 800), 23);
    EXPECT_EQ(canvas.Pages(), 3);
    ASSERT_EQ(canvas.Texts().size(), 23u);
    EXPECT_EQ(canvas.Texts().front().text, "palabra10 palabra11 palabra12 palabra13 ");
    EXPECT_EQ(canvas.Texts()[10].text, "palabra50 palabra51 palabra52 palabra53 ");
    EXPECT_EQ(canvas.Texts()[10].page, 2);
    EXPECT_EQ(canvas.Texts()[10].y, 100);
    EXPECT_EQ(canvas.Texts().back().text, "palabra98 palabra99 ");
    std::string read;
    for (const Call& text : canvas.Texts()) {
        EXPECT_GE(text.x, 100);
        EXPECT_LE(text.right, 900);
        EXPECT_GE(text.y, 100);
        EXPECT_LE(text.y + 35, 450);
        read += text.text;
    }
    std::string expected = words;
    std::erase(expected, ' ');
    std::erase(read, ' ');
    EXPECT_EQ(read, expected) << "every word once, in order";
    // A text's own line breaks are kept.
    EXPECT_EQ(flow.Text("uno\r\ndos\ntres", 100, 800), 3);
}

TEST_F(PageFlowTest, ABlockKeptTogetherMovesToTheNextPageWhole) {
    for (int l = 0; l < 7; ++l)
        flow.Text("antes" + std::to_string(l), 100, 800);
    auto block = [this] {
        for (int l = 0; l < 4; ++l)
            flow.Text("bloque" + std::to_string(l), 100, 800);
    };
    flow.KeepTogether(block);
    EXPECT_EQ(PageOf("bloque0"), 2) << "four lines do not fit in the three left";
    EXPECT_EQ(PageOf("bloque3"), 2);
    EXPECT_EQ(canvas.FindText("bloque0")->y, 100);
    EXPECT_EQ(canvas.Texts().size(), 11u) << "measured, drawn once";

    // On a page of its own a block that fits stays where it is; a taller one runs on.
    flow.KeepTogether([this] {
        for (int l = 0; l < 14; ++l)
            flow.Text("largo" + std::to_string(l), 100, 800);
    });
    EXPECT_EQ(PageOf("largo0"), 2);
    EXPECT_EQ(PageOf("largo13"), 3);
}

// The page's body is 10 lines: a block of exactly 10 goes whole to the next page, at its top.
TEST_F(PageFlowTest, ABlockExactlyOneBodyTallIsKeptTogether) {
    flow.Text("antes", 100, 800);
    flow.KeepTogether([this] {
        for (int l = 0; l < 10; ++l)
            flow.Text("bloque" + std::to_string(l), 100, 800);
    });
    EXPECT_EQ(PageOf("bloque0"), 2);
    EXPECT_EQ(canvas.FindText("bloque0")->y, 100);
    EXPECT_EQ(PageOf("bloque9"), 2);
    EXPECT_EQ(canvas.FindText("bloque9")->y, 100 + 9 * 35);
    EXPECT_EQ(canvas.Pages(), 2);
}

TEST_F(PageFlowTest, ANewPageRepeatsWhatItIsToldAndMarksGoWithTheirLines) {
    flow.OnNewPage([this] { flow.Text("(continuación)", 100, 800); });
    flow.SetMarker(0xE53935, 80, 10);
    for (int l = 0; l < 12; ++l)
        flow.Text("l" + std::to_string(l), 120, 780);
    flow.SetMarker(std::nullopt);
    flow.Text("sin marca", 100, 800);
    EXPECT_EQ(PageOf("(continuación)"), 2);
    EXPECT_EQ(canvas.FindText("l10")->y, 100 + 35) << "below the repeated heading";
    const std::vector<Call> fills = canvas.Fills();
    ASSERT_EQ(fills.size(), 12u) << "one piece of the mark beside each marked line";
    for (const Call& fill : fills) {
        EXPECT_EQ(fill.rgb, 0xE53935);
        EXPECT_EQ(fill.bottom - fill.y, 35);
    }
    EXPECT_EQ(fills[10].page, 2);
    EXPECT_EQ(fills[10].y, 100 + 35);
}

TEST_F(PageFlowTest, LabelsAndValuesAndGaps) {
    flow.Field("Etiqueta:", "uno dos tres cuatro", 100, 200);
    const Call* label = canvas.FindText("Etiqueta:");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->style, FontStyle::Bold);
    const Call* value = canvas.FindText("uno dos tres cuatro");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->x, 300);
    EXPECT_EQ(value->y, label->y);
    EXPECT_EQ(value->style, FontStyle::Regular);
    // A gap to the foot of the page is lost rather than carried over.
    flow.Gap(10000);
    EXPECT_EQ(flow.Y(), 450);
    flow.Text("siguiente", 100, 800);
    EXPECT_EQ(PageOf("siguiente"), 2);
    EXPECT_EQ(canvas.FindText("siguiente")->y, 100);
}
