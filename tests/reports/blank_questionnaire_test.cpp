#include <gtest/gtest.h>

#include "blank_questionnaire.h"
#include "catalogue.h"
#include "cp1252.h"
#include "recording_canvas.h"
#include "scripted_port.h"

namespace {

// A catalogue whose questionnaire 01 has four items, one of each degree (D, N, M, none), and
// whose questionnaire 02 has none; questionnaire 03 has 28 short items.
std::string CatalogueBytes() {
    std::string text = "GCONDICIONES DE SEGURIDAD\r\nC00Vacío cero\r\n";
    text += "C01Lugares de trabajo\r\n";
    text += "01Suelos limpios\r\nDMantenga los suelos limpios\r\n";
    text += "02Escaleras fijas\r\nNRevise las escaleras\r\n";
    text += "03Pasillos libres\r\nMDespeje los pasillos\r\n";
    text += "04Puertas\r\n";
    text += "C02Sin preguntas\r\nC03Muchas preguntas\r\n";
    for (int k = 1; k <= 28; ++k)
        text += (k < 10 ? "0" : "") + std::to_string(k) + "Pregunta\r\nMRecomendación\r\n";
    return W(text);
}

struct BlankQuestionnaireTest : ::testing::Test {
    ScriptedPort port;
    Catalogue catalogue;
    RecordingCanvas canvas;  // 4800 x 6800; at 8 points a character is 16 wide and 24 high

    BlankQuestionnaireTest() { catalogue.LoadFromBytes(CatalogueBytes(), port); }

    void Print(int q, const std::string& area = "") {
        ASSERT_TRUE(PrintBlankQuestionnaire(canvas, catalogue, q, W(area)));
    }
    // The "SI" and "NO" squares of item k (1-based), in the order drawn.
    std::pair<RecordingCanvas::Call, RecordingCanvas::Call> Squares(int k) const {
        std::vector<RecordingCanvas::Call> squares;
        for (const auto& r : canvas.Rectangles()) {
            if (r.right - r.x == r.bottom - r.y) squares.push_back(r);
        }
        return {squares.at(2 * (k - 1)), squares.at(2 * (k - 1) + 1)};
    }
};

}  // namespace

TEST_F(BlankQuestionnaireTest, HeaderNamesGroupTitleAndTheLinesToFillIn) {
    Print(1, "Nave de montaje");
    EXPECT_EQ(canvas.calls.front().text, "Imp.Cuest. 1");
    const auto* group = canvas.FindText("CONDICIONES DE SEGURIDAD");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(std::make_tuple(group->x, group->y, group->size, group->style),
              std::make_tuple(10, 10, 12, FontStyle::Bold));
    const int w = 16, step = 3 * 24 / 2;
    const auto* title = canvas.FindText("01.- Lugares de trabajo");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::make_tuple(title->x, title->y, title->size, title->style),
              std::make_tuple(10, 10 + 4 * step, 10, FontStyle::Bold));
    const auto* people = canvas.FindText("Personas afectadas: ______");
    ASSERT_NE(people, nullptr);
    EXPECT_EQ(std::make_tuple(people->x, people->y, people->style),
              std::make_tuple(4800 - 10 - 22 * w, title->y, FontStyle::Regular));
    const auto* area = canvas.FindText(W("Área de trabajo: Nave de montaje"));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->y, title->y + 2 * step);
    const auto* filled = canvas.FindText(
        "Cumplimentado por: __________________________________________________      Fecha: _________ Fecha "
        "P.R.: "
        "_______");
    ASSERT_NE(filled, nullptr);
    EXPECT_EQ(filled->y, area->y + 2 * step);
    // The first item starts two steps further down, in the small font.
    const auto* first = canvas.FindText("1.- Suelos limpios");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size, 8);
    EXPECT_EQ(canvas.Rectangles().front().y, filled->y + 2 * step);
}

TEST_F(BlankQuestionnaireTest, AnEmptyAreaPrintsTheLineToFillIn) {
    Print(1);
    EXPECT_NE(canvas.FindText(W("Área de trabajo: ___________________________________ ")), nullptr);
}

TEST_F(BlankQuestionnaireTest, TheNoBoxStandsWhereTheItemsDegreeSays) {
    Print(1);
    const auto gap = [this](int k) {
        const auto [si, no] = Squares(k);
        EXPECT_EQ(si.y, no.y);
        EXPECT_EQ(si.right - si.x, no.right - no.x);
        return no.x - si.right;
    };
    const auto [si, no] = Squares(1);
    const int side = si.right - si.x;  // box + W
    const int box = side - 16;
    EXPECT_EQ(box, 2 * 24 + 2 * 16) << "width of NO in 12 point bold plus two W";
    EXPECT_EQ(si.x, 10 + (4800 - 7 * 16 - 4 * box) / 2 + 16) << "SI beside the item column";
    EXPECT_EQ(gap(1), box / 2) << "D: half a box between";
    EXPECT_EQ(gap(2), 2 * side) << "N: two squares between";
    EXPECT_EQ(gap(3), side) << "M: one square between";
    EXPECT_EQ(gap(4), side) << "no degree: as M";
    // "SI" and "NO" sit one W inside their squares, in the large bold font.
    const auto* label = canvas.FindText("NO");
    EXPECT_EQ(std::make_tuple(label->x, label->y, label->size, label->style),
              std::make_tuple(no.x + 16, no.y + 16, 12, FontStyle::Bold));
}

TEST_F(BlankQuestionnaireTest, TheRecommendationBoxFollowsTheNoBox) {
    Print(1);
    const auto [si, no] = Squares(2);
    const auto* text = canvas.FindText("Revise las escaleras");
    ASSERT_NE(text, nullptr);
    const int box = (no.right - no.x) - 16;
    EXPECT_EQ(text->x, no.x + box + 2 * 16 + 16) << "box left edge plus the text's own W";
}

TEST_F(BlankQuestionnaireTest, ARowIsAtLeastASquareHighAndIsFollowedByTheNotesBox) {
    Print(1);
    const int step = 36;
    const auto rectangles = canvas.Rectangles();
    // Item 1: text box, SI, NO, recommendation box, notes box.
    ASSERT_GE(rectangles.size(), 5u);
    const auto& square = rectangles[1];
    const auto& notes = rectangles[4];
    EXPECT_EQ(notes.y, square.bottom + step) << "short texts: the square sets the row height";
    EXPECT_EQ(std::make_tuple(notes.x, notes.right, notes.bottom - notes.y),
              std::make_tuple(10, 4800 - 10 - 10, 2 * step));
    EXPECT_EQ(rectangles[5].y, notes.y + 3 * step) << "the next item";
}

TEST_F(BlankQuestionnaireTest, AQuestionnaireWithoutItemsPrintsTheHeaderOnOnePage) {
    Print(2);
    EXPECT_EQ(canvas.Pages(), 1);
    EXPECT_TRUE(canvas.Rectangles().empty());
    EXPECT_NE(canvas.FindText("02.- Sin preguntas"), nullptr);
    EXPECT_EQ(canvas.calls.back().kind, RecordingCanvas::Call::Kind::End);
}

TEST_F(BlankQuestionnaireTest, ANumberOutsideTheCataloguePrintsTheHeaderWithTheErrorTexts) {
    Print(23);
    EXPECT_EQ(canvas.calls.front().text, "Imp.Cuest. 23");
    EXPECT_NE(canvas.FindText(W("GRUPO ERRÓNEO")), nullptr);
    EXPECT_NE(canvas.FindText(W("NÚMERO DE CUESTIONARIO ERRÓNEO")), nullptr);
    EXPECT_TRUE(canvas.Rectangles().empty());
    EXPECT_EQ(canvas.Pages(), 1);
}

TEST_F(BlankQuestionnaireTest, JobTitleCarriesTheNumberWithoutLeadingZeros) {
    EXPECT_EQ(BlankJobTitle(0), "Imp.Cuest. 0");
    EXPECT_EQ(BlankJobTitle(5), "Imp.Cuest. 5");
    EXPECT_EQ(BlankJobTitle(17), "Imp.Cuest. 17");
}

TEST_F(BlankQuestionnaireTest, LaterPagesCarryTheTitleAndPageNumberAtTheRight) {
    Print(3);
    ASSERT_GE(canvas.Pages(), 2);
    const int rightEdge = 4800 - 10, bottomEdge = 6800 - 10, step = 36;
    EXPECT_EQ(canvas.FindText("03.- Muchas preguntas<1>"), nullptr);
    for (int page = 2; page <= canvas.Pages(); ++page) {
        const std::string heading = "03.- Muchas preguntas<" + std::to_string(page) + ">";
        const auto* text = canvas.FindText(heading);
        ASSERT_NE(text, nullptr) << heading;
        EXPECT_EQ(std::make_tuple(text->page, text->right, text->y, text->size),
                  std::make_tuple(page, rightEdge - 10, 10, 8));
    }
    // Every item starts with room for five steps above the bottom edge.
    for (const auto& call : canvas.Texts()) {
        if (call.text.find(".- Pregunta") != std::string::npos) {
            EXPECT_LE(call.y - 24 + 5 * step, bottomEdge) << call.text;
        }
    }
    // No notes box crosses the bottom edge.
    for (const auto& r : canvas.Rectangles()) {
        if (r.x == 10 && r.right == rightEdge - 10) {
            EXPECT_LE(r.bottom, bottomEdge);
        }
    }
}

TEST_F(BlankQuestionnaireTest, RefusedJobPrintsNothing) {
    canvas.refuseJob = true;
    std::string error;
    EXPECT_FALSE(PrintBlankQuestionnaire(canvas, catalogue, 1, "", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(canvas.calls.empty());
}

// Only the five-step reserve was checked before a row: a row with a long recommendation ran
// below the bottom of the page. Such a row now starts the next page.
TEST(BlankQuestionnaireLayout, ARowThatWouldRunPastTheBottomStartsTheNextPage) {
    std::string text = "C00Largo\r\n";
    for (int k = 1; k <= 20; ++k)
        text += (k < 10 ? "0" : "") + std::to_string(k) + "Pregunta\r\nMBreve\r\n";
    std::string longText;
    while (longText.size() < 10000)
        longText += "Revise el estado de la escalera y sus peldaños. ";
    text += "21Escaleras\r\nM" + longText + "\r\n22Final\r\nMBreve\r\n";
    ScriptedPort port;
    Catalogue catalogue;
    catalogue.LoadFromBytes(W(text), port);
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintBlankQuestionnaire(canvas, catalogue, 0, ""));

    const int bottomEdge = 6800 - 10;
    for (const auto& r : canvas.Rectangles())
        EXPECT_LE(r.bottom, bottomEdge) << "a box of page " << r.page;
    const auto* item = canvas.FindText("21.- Escaleras");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->page, 2);
    EXPECT_EQ(canvas.FindText("20.- Pregunta")->page, 1) << "the rows before stay where they were";
}

// The header's fixed line ended past the right edge of a narrow page, and a long area name
// likewise: both now end inside it.
TEST(BlankQuestionnaireLayout, TheHeaderLinesFitANarrowPage) {
    ScriptedPort port;
    Catalogue catalogue;
    catalogue.LoadFromBytes(W("C00Uno\r\n01Pregunta\r\nMBreve\r\n"), port);
    RecordingCanvas canvas(1800, 6800);  // 10 points: 20 a character, 89 to the line
    ASSERT_TRUE(PrintBlankQuestionnaire(canvas, catalogue, 0, std::string(120, 'x')));
    const int rightEdge = 1800 - 10;
    const auto* filled = canvas.FindText(blank_text::FilledInLine(28));
    ASSERT_NE(filled, nullptr) << "the blank after \"Cumplimentado por:\" is as long as fits";
    EXPECT_LE(filled->right, rightEdge);
    EXPECT_GT(filled->right + 20, rightEdge);
    const auto* area = canvas.FindText(W("Área de trabajo: ") + std::string(71, 'x') + "\x85");
    ASSERT_NE(area, nullptr);
    EXPECT_LE(area->right, rightEdge);
}
