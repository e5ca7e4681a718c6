#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "assessment_fixture.h"
#include "assessment_printout.h"
#include "recording_canvas.h"

namespace {

using Call = RecordingCanvas::Call;

// 80 mm at 600 dots per inch.
constexpr int k80mm = 1889;
// Three W of the body's 9 points, 5 dots a point wide.
constexpr int kMargin = 3 * 5 * 9;
const std::string kFolder = "/docs/Talleres Norte fotos/";

struct AssessmentPhotosTest : ::testing::Test {
    DocumentSession session;
    FixedDates dates;
    RecordingCanvas canvas{4600, 6600, 5, 10};

    // The assessed firm with photos in field 16 of its first deficiency (line 3), of that
    // deficiency's measure (line 4) and of the workstation's first deficiency (line 8).
    void Load(const std::string& deficiency3, const std::string& measure4 = "",
              const std::string& deficiency8 = "") {
        std::vector<std::string> lines = kAssessedFirm;
        if (!deficiency3.empty()) lines[2] += "\t\t\t" + deficiency3;
        if (!measure4.empty()) lines[3] += "\t\t" + measure4;
        if (!deficiency8.empty()) lines[7] += "\t\t\t" + deficiency8;
        LoadLines(session, lines);
        session.SetFileName(FilePath("/docs/Talleres Norte.kl3"));
    }
    void Picture(const std::string& name, int width = 2048, int height = 1536) {
        canvas.pictures[kFolder + name] = {width, height};
    }
    void Print() {
        std::string error;
        ASSERT_TRUE(assessment::PrintAssessment(
            assessment::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25}), canvas, &error))
            << error;
    }
    const Call& PictureOf(const std::string& name) const {
        static const Call none;
        for (const Call& call : canvas.calls)
            if (call.kind == Call::Kind::Picture && call.text == kFolder + name) return call;
        ADD_FAILURE() << "no picture " << name;
        return none;
    }
    const Call* TextStarting(const std::string& utf8) const {
        // Over the canvas's own calls: Texts() is a copy, gone when the loop ends.
        for (const Call& call : canvas.calls)
            if (call.kind == Call::Kind::Text && U(call.text).rfind(utf8, 0) == 0) return &call;
        return nullptr;
    }
    // The page's lowest point that the body may reach: four lines of the frame's 8 points.
    int BodyBottom() const { return canvas.PageHeight() - 4 * 10 * 8; }
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

TEST_F(AssessmentPhotosTest, AFindingsPhotosGoTwoARowBelowItWithTheirCaptions) {
    Load("D-0001.jpg|Resguardo retirado~~D-0002.jpg~~D-0003.jpg|Tercera");
    Picture("D-0001.jpg");
    Picture("D-0002.jpg");
    Picture("D-0003.jpg", 1536, 2048);  // upright
    Print();

    ASSERT_EQ(canvas.Pictures().size(), 3u);
    const Call& first = PictureOf("D-0001.jpg");
    const Call& second = PictureOf("D-0002.jpg");
    const Call& third = PictureOf("D-0003.jpg");
    // About 80 mm wide, in the picture's proportions.
    EXPECT_NEAR(first.right - first.x, k80mm, 2);
    EXPECT_NEAR(first.bottom - first.y, k80mm * 3 / 4, 2);
    // Side by side, then a second row.
    EXPECT_EQ(second.y, first.y);
    EXPECT_GT(second.x, first.right);
    EXPECT_GT(third.y, first.bottom);
    EXPECT_EQ(third.x, first.x);
    // An upright picture is no taller than a landscape one is wide.
    EXPECT_NEAR(third.bottom - third.y, k80mm, 2);
    EXPECT_LT(third.right - third.x, k80mm);
    for (const Call& picture : canvas.Pictures()) {
        EXPECT_GE(picture.x, kMargin);
        EXPECT_LE(picture.right, canvas.PageWidth() - kMargin);
    }
    // Each caption right below its photo; the file's name for one without caption.
    const Call* caption = canvas.FindText("Resguardo retirado");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->x, first.x);
    EXPECT_GE(caption->y, first.bottom);
    EXPECT_LT(caption->y, third.y);
    const Call* name = canvas.FindText("D-0002.jpg");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, second.x);
    EXPECT_EQ(name->y, caption->y);
    // Below the finding's own texts and before its measures.
    const Call* detected = TextStarting("No hay plan escrito");
    const Call* measures = TextStarting("Medidas preventivas:");
    ASSERT_TRUE(detected && measures);
    EXPECT_GT(first.y, detected->y);
    EXPECT_GT(measures->y, third.bottom);
    EXPECT_EQ(measures->page, third.page);
}

TEST_F(AssessmentPhotosTest, AMeasuresPhotosGoBelowThatMeasure) {
    Load("", "R-0001.jpg|Plan redactado", "D-0001.jpg");
    Picture("R-0001.jpg");
    Picture("D-0001.jpg");
    Print();

    ASSERT_EQ(canvas.Pictures().size(), 2u);
    const Call& measurePhoto = PictureOf("R-0001.jpg");
    const Call* measure = TextStarting("Redactar el plan");
    const Call* next = TextStarting("Cuestionario 18.-");
    ASSERT_TRUE(measure && next);
    EXPECT_EQ(measurePhoto.page, measure->page);
    EXPECT_GT(measurePhoto.y, measure->y);
    EXPECT_GE(measurePhoto.x, measure->x);  // in line with the measure's text
    EXPECT_TRUE(next->page > measurePhoto.page || next->y > measurePhoto.bottom);
    ASSERT_NE(canvas.FindText("Plan redactado"), nullptr);
    // The workstation's finding has its own photo below it, its name as caption.
    const Call& findingPhoto = PictureOf("D-0001.jpg");
    const Call* cortina = TextStarting("Cortina rota");
    ASSERT_NE(cortina, nullptr);
    EXPECT_TRUE(findingPhoto.page > cortina->page || findingPhoto.y > cortina->y);
    ASSERT_NE(canvas.FindText("D-0001.jpg"), nullptr);
}

TEST_F(AssessmentPhotosTest, ARowThatDoesNotFitGoesWholeToTheNextPage) {
    std::string list;
    for (int p = 1; p <= 14; ++p) {
        const std::string name = "D-00" + std::string(p < 10 ? "0" : "") + std::to_string(p) + ".jpg";
        list += (list.empty() ? "" : "~~") + name + "|Foto " + std::to_string(p);
        Picture(name);
    }
    Load(list);
    Print();

    const std::vector<Call> pictures = canvas.Pictures();
    ASSERT_EQ(pictures.size(), 14u);
    std::map<int, int> perPage;
    for (std::size_t p = 0; p < pictures.size(); ++p) {
        ++perPage[pictures[p].page];
        // Every photo and its caption inside the body of one page.
        EXPECT_LE(pictures[p].bottom, BodyBottom());
        const Call* caption = canvas.FindText("Foto " + std::to_string(p + 1));
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->page, pictures[p].page);
        EXPECT_LE(caption->bottom, BodyBottom());
        // The two of a row together.
        if (p % 2 == 1) {
            EXPECT_EQ(pictures[p].page, pictures[p - 1].page);
            EXPECT_EQ(pictures[p].y, pictures[p - 1].y);
        }
    }
    EXPECT_GE(perPage.size(), 2u);
    // The finding goes on after its photos, on the page of the last one.
    const Call* measures = TextStarting("Medidas preventivas:");
    ASSERT_NE(measures, nullptr);
    EXPECT_EQ(measures->page, pictures.back().page);
}

TEST_F(AssessmentPhotosTest, APhotoThatCannotBeReadLeavesAFrameWithItsName) {
    Load("D-0001.jpg|Resguardo retirado~~D-0009.jpg|Extintor");
    Picture("D-0001.jpg");
    Print();  // the job succeeds

    ASSERT_EQ(canvas.Pictures().size(), 1u);
    const Call& drawn = PictureOf("D-0001.jpg");
    const Call* name = canvas.FindText("D-0009.jpg");
    ASSERT_NE(name, nullptr);
    const auto frame = std::find_if(canvas.calls.begin(), canvas.calls.end(), [&](const Call& call) {
        return call.kind == Call::Kind::Rectangle && call.x <= name->x && call.right >= name->right &&
               call.y <= name->y && call.bottom >= name->bottom;
    });
    ASSERT_NE(frame, canvas.calls.end());
    EXPECT_EQ(frame->y, drawn.y);
    EXPECT_GT(frame->x, drawn.right);
    ASSERT_NE(canvas.FindText("Extintor"), nullptr);
}

// A name edited by hand to lead out of the photos folder is no photo of the document.
TEST_F(AssessmentPhotosTest, ANameOutsideThePhotosFolderIsNotRead) {
    Load("../secreto.jpg|Fuera");
    canvas.pictures[kFolder + "../secreto.jpg"] = {2048, 1536};  // a picture is there
    Print();
    EXPECT_TRUE(canvas.Pictures().empty());
    EXPECT_NE(canvas.FindText("../secreto.jpg"), nullptr) << "its frame names it";
}
