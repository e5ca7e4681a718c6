#include <gtest/gtest.h>

#include "assessment_fixture.h"
#include "assessment_printout.h"
#include "recording_canvas.h"

namespace {

using Call = RecordingCanvas::Call;

struct AssessmentPhotosTest : ::testing::Test {
    DocumentSession session;
    FixedDates dates;
    RecordingCanvas canvas{4600, 6600, 5, 10};

    void Print() {
        std::string error;
        ASSERT_TRUE(assessment::PrintAssessment(
            assessment::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25}), canvas, &error))
            << error;
    }
};

}  // namespace

// The drawing of documents without photos, as it was before photos could be printed.
TEST_F(AssessmentPhotosTest, ADocumentWithoutPhotosPrintsAsBefore) {
    LoadLines(session, kAssessedFirm);
    Print();
    EXPECT_EQ(canvas.Fingerprint(), 11176872241200704089u);
    canvas.calls.clear();
    LoadBytes(session, ManyDeficiencies(40));
    Print();
    EXPECT_EQ(canvas.Fingerprint(), 7173519548148086839u);
}
