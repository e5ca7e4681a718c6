#include <gtest/gtest.h>

#include "deferred_canvas.h"
#include "recording_canvas.h"

using Call = RecordingCanvas::Call;

// Laid out first, drawn later: measures come from the real canvas at once, and every page is
// drawn there as it was laid out, each text in its own font, whatever was drawn in between.
TEST(DeferredCanvas, KeepsEachPageToDrawItLaterInItsFonts) {
    RecordingCanvas target;
    DeferredCanvas deferred(target);
    std::string error;
    ASSERT_TRUE(deferred.BeginJob("x", &error));
    deferred.SetFontSize(12);
    EXPECT_EQ(deferred.TextWidth("abc"), 3 * 2 * 12) << "measured on the real canvas";
    deferred.SetFontStyle(FontStyle::Bold);
    deferred.DrawText(10, 20, "Título");
    deferred.SetFontSize(8);
    deferred.SetFontStyle(FontStyle::Regular);
    deferred.DrawText(10, 60, "texto");
    deferred.NewPage();
    deferred.FillRectangle(1, 2, 3, 4, 0xE53935);
    deferred.DrawRectangle(5, 6, 7, 8);
    deferred.SetFontStyle(FontStyle::Italic);
    deferred.DrawText(0, 0, "segunda");
    EXPECT_EQ(deferred.Pages(), 2);
    EXPECT_TRUE(target.calls.empty()) << "nothing drawn yet";

    ASSERT_TRUE(target.BeginJob("x", &error));
    target.SetFontSize(30);  // the frame of a page, drawn in another font first
    deferred.Replay(0);
    target.NewPage();
    target.SetFontSize(30);
    deferred.Replay(1);
    const std::vector<Call> texts = target.Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Título");
    EXPECT_EQ(texts[0].size, 12);
    EXPECT_EQ(texts[0].style, FontStyle::Bold);
    EXPECT_EQ(texts[1].size, 8);
    EXPECT_EQ(texts[1].style, FontStyle::Regular);
    EXPECT_EQ(texts[2].page, 2);
    EXPECT_EQ(texts[2].size, 8);
    EXPECT_EQ(texts[2].style, FontStyle::Italic);
    ASSERT_EQ(target.Fills().size(), 1u);
    EXPECT_EQ(target.Fills()[0].rgb, 0xE53935);
    EXPECT_EQ(target.Fills()[0].right, 3);
    EXPECT_EQ(target.Rectangles().at(0).bottom, 8);
}
