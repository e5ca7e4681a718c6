#include <gtest/gtest.h>

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
