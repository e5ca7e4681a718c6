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

// A picture is drawn on the page it was laid out on, in its rectangle; its size is the real
// canvas's answer.
TEST(DeferredCanvas, KeepsPicturesForTheirPage) {
    RecordingCanvas target;
    target.pictures["/f/D-0001.jpg"] = {2048, 1536};
    DeferredCanvas deferred(target);
    ASSERT_TRUE(deferred.BeginJob("x", nullptr));
    EXPECT_EQ(deferred.PictureSizeOf(FilePath("/f/D-0001.jpg")), (PictureSize{2048, 1536}));
    EXPECT_FALSE(deferred.PictureSizeOf(FilePath("/f/D-0002.jpg")));
    deferred.NewPage();
    deferred.DrawPicture(10, 20, 810, 620, FilePath("/f/D-0001.jpg"));
    ASSERT_TRUE(target.BeginJob("x", nullptr));
    deferred.Replay(0);
    EXPECT_TRUE(target.Pictures().empty());
    deferred.Replay(1);
    const std::vector<Call> pictures = target.Pictures();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].text, "/f/D-0001.jpg");
    EXPECT_EQ(std::vector<int>({pictures[0].x, pictures[0].y, pictures[0].right, pictures[0].bottom}),
              std::vector<int>({10, 20, 810, 620}));
}
