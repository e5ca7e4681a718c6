#include <gtest/gtest.h>

#include <set>

#include "recording_canvas.h"
#include "sheet_printout.h"
#include "sheets_fixture.h"

namespace {

using Call = RecordingCanvas::Call;

struct SheetPhotosTest : SheetsFixture, ::testing::Test {
    RecordingCanvas canvas{4600, 6600, 5, 10};

    void Print(const std::vector<sheets::Sheet>& sheets) {
        std::string error;
        ASSERT_TRUE(sheets::PrintSheets(sheets, canvas, &error)) << error;
    }
};

}  // namespace

// The drawing of sheets without photos, as it was before photos could be printed.
TEST_F(SheetPhotosTest, SheetsWithoutPhotosPrintAsBefore) {
    Print(Sheets());
    EXPECT_EQ(canvas.Fingerprint(), 8372034070129584750u);
}

// Soldador's own deficiency (line 10) with four photos, the zone's (line 6) with one: each
// sheet of the zone shows the zone's, Soldador's also its own, three a row, with captions.
TEST_F(SheetPhotosTest, AFindingsPhotosGoThreeARowBelowIt) {
    std::vector<std::string> lines = kSheetFirm;
    lines[9] += "\t\t\tD-0001.jpg|Cortina~~D-0002.jpg~~D-0003.jpg~~D-0004.jpg|Cuarta";
    lines[5] += "\t\t\tD-0005.jpg|Foso";
    LoadLines(session, lines);
    session.SetFileName(FilePath("/docs/Talleres Norte.kl3"));
    for (const char* name : {"D-0001.jpg", "D-0002.jpg", "D-0003.jpg", "D-0004.jpg", "D-0005.jpg"})
        canvas.pictures[std::string("/docs/Talleres Norte fotos/") + name] = {2048, 1536};
    const std::vector<sheets::Sheet> all = sheets::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25});
    const std::optional<sheets::Sheet> soldador = sheets::SheetAt(all, 8);
    ASSERT_TRUE(soldador);
    ASSERT_EQ(soldador->Copies(), 2);
    Print({*soldador});

    std::vector<Call> pictures = canvas.Pictures();
    ASSERT_EQ(pictures.size(), 10u) << "five photos on each of the two copies";
    std::set<int> pages;
    for (const Call& p : pictures) pages.insert(p.page);
    EXPECT_GE(pages.size(), 2u);
    auto named = [&](const std::string& name) {
        std::vector<Call> out;
        for (const Call& p : pictures)
            if (p.text == "/docs/Talleres Norte fotos/" + name) out.push_back(p);
        return out;
    };
    const Call first = named("D-0001.jpg").at(0), second = named("D-0002.jpg").at(0),
               third = named("D-0003.jpg").at(0), fourth = named("D-0004.jpg").at(0);
    // About 55 mm wide (1299 dots at 600 dpi; a little less where three do not fit), three side by
    // side, the fourth below the first.
    EXPECT_NEAR(first.right - first.x, 1299, 12);
    EXPECT_EQ(second.y, first.y);
    EXPECT_EQ(third.y, first.y);
    EXPECT_GT(second.x, first.right);
    EXPECT_GT(third.x, second.right);
    EXPECT_LE(third.right, canvas.PageWidth());
    EXPECT_EQ(fourth.x, first.x);
    EXPECT_GT(fourth.y, first.bottom);
    const Call* caption = canvas.FindText("Cuarta");
    ASSERT_NE(caption, nullptr);
    EXPECT_GE(caption->y, fourth.bottom);
    EXPECT_NE(canvas.FindText("D-0002.jpg"), nullptr) << "the name of a photo without caption";
    EXPECT_NE(canvas.FindText("Foso"), nullptr);
}
