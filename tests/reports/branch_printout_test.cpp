#include <gtest/gtest.h>

#include "branch_printout.h"
#include "kinds.h"
#include "report_fixture.h"
#include "scripted_port.h"

namespace {

using Call = RecordingCanvas::Call;

// At 12 points the recording canvas gives characters 24 wide and 36 high: header height 108,
// line height 40, left margin 96, right edge 4800 - 96, bottom limit 6800 - 108.
constexpr int kMargin = 96, kRightEdge = 4704, kBottomLimit = 6692, kLine = 40, kFirstLine = 148;

struct BranchPrintoutTest : ::testing::Test {
    TestDocument doc;
    RecordingCanvas canvas;
    int firm = 0, zone = 0, station = 0, questionnaire = 0, deficiency = 0, measure = 0, offices = 0;

    void BuildFirm() {
        firm = doc.Add(0, 'E', "Talleres Pérez");
        zone = doc.Add(firm, 'Z', "Nave");
        station = doc.Add(zone, 'P', "Torno");
        questionnaire = doc.Add(station, 'C', "01.- Lugares de trabajo");
        deficiency = doc.Add(questionnaire, 'D', "1.- Suelos",
                             {{field::kValuationCode, "12233"}, {field::kDeficiencyDetected, "Suelo roto"}});
        measure = doc.Add(deficiency, 'R', "Reparar el suelo");
        offices = doc.Add(firm, 'Z', "Oficinas");
        doc.Build();
    }

    void Print(int slot) { Print(*doc.Node(slot)); }
    void Print(const TreeNode& node) {
        BranchPrintout printout(doc.session, doc.catalogue, canvas, "15/03/2026");
        ASSERT_TRUE(printout.Print(node, nullptr));
    }

    // The lines of the body (between header and footer), as drawn.
    std::vector<Call> Body() const {
        std::vector<Call> out;
        for (const Call& call : canvas.Texts()) {
            if (call.y >= kFirstLine && call.y <= kBottomLimit) out.push_back(call);
        }
        return out;
    }
    std::vector<std::string> BodyTexts() const {
        std::vector<std::string> out;
        for (const Call& call : Body())
            out.push_back(cp1252::ToUtf8(call.text));
        return out;
    }
    std::vector<int> Indents() const {
        std::vector<int> out;
        for (const Call& call : Body())
            out.push_back(call.x - kMargin);
        return out;
    }
};

using Texts = std::vector<std::string>;
using Numbers = std::vector<int>;

}  // namespace

TEST_F(BranchPrintoutTest, TheFirmAndItsZonesShareTheMarginAndDeeperNodesStep400) {
    BuildFirm();
    Print(firm);
    EXPECT_EQ(BodyTexts(), Texts({"Talleres Pérez", "Nave", "Torno", "01.- Lugares de trabajo", "1.- Suelos",
                                  "Deficiencia detectada: Suelo roto", "Nivel de intervención: A Corregir",
                                  "Medida específica: Reparar el suelo", "Oficinas"}));
    EXPECT_EQ(Indents(), Numbers({0, 0, 400, 800, 1200, 1200, 1200, 1600, 0}));
    const auto body = Body();
    for (std::size_t i = 0; i < body.size(); ++i)
        EXPECT_EQ(body[i].y, kFirstLine + static_cast<int>(i) * kLine);
}

TEST_F(BranchPrintoutTest, AReportedWorkstationStartsAtTheMarginAndItsChildrenKeepTheirDepth) {
    BuildFirm();
    Print(station);
    EXPECT_EQ(BodyTexts().front(), "Torno");
    EXPECT_EQ(Indents(), Numbers({0, 800, 1200, 1200, 1200, 1600}));
    // The header names the workstation's parent at the left and the firm at the right.
    const auto* left = canvas.FindText("Nave");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(std::make_tuple(left->x, left->y, left->style), std::make_tuple(kMargin, 20, FontStyle::Bold));
    const auto* right = canvas.FindText(W("Talleres Pérez"));
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(std::make_tuple(right->right, right->y, right->style),
              std::make_tuple(kRightEdge, 20, FontStyle::Bold));
}

TEST_F(BranchPrintoutTest, AnAnsweredQuestionnaireHasItsAnswersCountedUnderIt) {
    ScriptedPort port;
    doc.catalogue.LoadFromBytes("C00a\r\nC01Lugares\r\n01a\r\n02b\r\n", port);
    BuildFirm();
    doc.session.Table().Record(questionnaire)->SetField(field::kChecklistAnswers, "NS");
    Print(station);
    EXPECT_EQ(BodyTexts(),
              Texts({"Torno", "01.- Lugares de trabajo", "Respondidos: 2 de 2 (Sí 1, No 1, No procede 0)",
                     "1.- Suelos", "Deficiencia detectada: Suelo roto", "Nivel de intervención: A Corregir",
                     "Medida específica: Reparar el suelo"}));
    EXPECT_EQ(Indents(), Numbers({0, 800, 800, 1200, 1200, 1200, 1600}));
}

TEST_F(BranchPrintoutTest, FirstPageIsNumberedOneWithTheDateAndNoBlankPageBefore) {
    BuildFirm();
    Print(firm);
    ASSERT_EQ(canvas.calls.front().kind, Call::Kind::Begin);
    EXPECT_EQ(canvas.Pages(), 1);
    const auto texts = canvas.Texts();
    EXPECT_EQ(texts.front().text, "") << "a top-level node has no parent to name";
    const auto* number = canvas.FindText("1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(std::make_tuple(number->x, number->y, number->style, number->size),
              std::make_tuple(4800 / 2, kBottomLimit + 10, FontStyle::Bold, 12));
    const auto* date = canvas.FindText("15/03/2026");
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(std::make_tuple(date->right, date->y), std::make_tuple(kRightEdge, kBottomLimit + 10));
    EXPECT_EQ(canvas.calls.back().kind, Call::Kind::End);
    // Body lines are regular except the measure.
    for (const Call& call : Body()) {
        const bool isMeasure = call.text.rfind(W("Medida específica: "), 0) == 0;
        EXPECT_EQ(call.style, isMeasure ? FontStyle::Italic : FontStyle::Regular) << call.text;
    }
}

TEST_F(BranchPrintoutTest, TheLevelLineFollowsTheFirstCharacterOfTheValuationCode) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0", "Nivel de intervención: Crítico"},
        {"12233", "Nivel de intervención: A Corregir"},
        {"2", "Nivel de intervención: A mejorar"},
        {"3", "Nivel de intervención: No imprescindible"},
        {" 2233", ""},
        {"", ""},
        {"4", ""},
        {"x", ""}};
    for (const auto& [code, level] : cases) {
        TestDocument single;
        const int slot = single.Add(
            0, 'D', "3.- Item", {{field::kValuationCode, code}, {field::kDeficiencyDetected, "detectada"}});
        single.Build();
        RecordingCanvas page;
        BranchPrintout(single.session, single.catalogue, page, "15/03/2026")
            .Print(*single.Node(slot), nullptr);
        Texts expected = {"3.- Item", "Deficiencia detectada: detectada"};
        if (!level.empty()) expected.push_back(level);
        Texts drawn;
        for (const Call& call : page.Texts()) {
            if (call.y >= kFirstLine && call.y <= kBottomLimit) drawn.push_back(cp1252::ToUtf8(call.text));
        }
        EXPECT_EQ(drawn, expected) << "code '" << code << "'";
    }
}

TEST_F(BranchPrintoutTest, AMeasureThatOpensAPageStaysItalicUnderABoldHeader) {
    const int top = doc.Add(0, 'E', "Empresa");
    const int c = doc.Add(top, 'C', "00.- Gestión Preventiva");
    const int d =
        doc.Add(c, 'D', "1.- Plan", {{field::kValuationCode, "1"}, {field::kDeficiencyDetected, "Sin plan"}});
    for (int i = 1; i <= 400; ++i)
        doc.Add(d, 'R', "Medida " + std::to_string(i));
    doc.Build();
    Print(top);
    ASSERT_GE(canvas.Pages(), 3);
    for (int page = 2; page <= canvas.Pages(); ++page) {
        std::vector<Call> onPage;
        for (const Call& call : canvas.Texts()) {
            if (call.page == page) onPage.push_back(call);
        }
        ASSERT_GE(onPage.size(), 5u);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(onPage[i].style, FontStyle::Bold) << "header and footer of page " << page;
        EXPECT_EQ(onPage[2].text, std::to_string(page));
        EXPECT_EQ(onPage[4].y, kFirstLine);
        EXPECT_EQ(onPage[4].style, FontStyle::Italic) << cp1252::ToUtf8(onPage[4].text);
    }
    // Every page was started by ejecting the one before, and no line reaches the footer.
    int newPages = 0;
    for (const Call& call : canvas.calls)
        newPages += call.kind == Call::Kind::NewPage;
    EXPECT_EQ(newPages, canvas.Pages() - 1);
    for (const Call& call : Body())
        EXPECT_LE(call.y + kLine, kBottomLimit);
}

TEST_F(BranchPrintoutTest, LongLinesAreCutOnceNearColumn90) {
    const int top = doc.Add(0, 'E', "Empresa");
    std::string cut(95, 'a');
    cut[79] = ' ';
    std::string whole89(89, 'b');
    whole89[40] = ' ';
    const std::string whole95(95, 'c');
    doc.Add(top, 'Z', cut);
    doc.Add(top, 'Z', whole89);
    doc.Add(top, 'Z', whole95);
    doc.Build();
    Print(top);
    EXPECT_EQ(BodyTexts(), Texts({"Empresa", cut.substr(0, 80), cut.substr(80), whole89, whole95}));
    EXPECT_EQ(Indents(), Numbers({0, 0, 0, 0, 0}));
}

TEST_F(BranchPrintoutTest, ALineBreakInAFieldStartsANewLine) {
    const int d = doc.Add(0, 'D', "2.- Item",
                          {{field::kValuationCode, "0"}, {field::kDeficiencyDetected, "uno\r\ndos"}});
    doc.Build();
    Print(d);
    EXPECT_EQ(BodyTexts(),
              Texts({"2.- Item", "Deficiencia detectada: uno", "dos", "Nivel de intervención: Crítico"}));
}

TEST_F(BranchPrintoutTest, OnANarrowPageLinesFlowWithinTheRightEdge) {
    RecordingCanvas narrow(1200, 6800);  // 42 characters between the margins
    const int top = doc.Add(0, 'E', "Empresa");
    doc.Add(top, 'Z', "una zona con un nombre bastante largo para esta hoja tan estrecha");
    doc.Build();
    BranchPrintout(doc.session, doc.catalogue, narrow, "15/03/2026").Print(*doc.Node(top), nullptr);
    int lines = 0;
    for (const Call& call : narrow.Texts()) {
        if (call.y < kFirstLine || call.y > kBottomLimit) continue;
        ++lines;
        EXPECT_LE(call.right, 1200 - kMargin) << call.text;
    }
    EXPECT_EQ(lines, 3);
}

TEST_F(BranchPrintoutTest, AViewPrintsItsOwnTextsOnly) {
    BuildFirm();
    doc.session.Tree().Rebuild([](DocumentTree& tree) {
        TreeNode* top = tree.AddChild(nullptr, "Inspecciones", nullptr, icon::kQuestionnaire);
        TreeNode* pending = tree.AddChild(top, "Pendiente", nullptr, icon::kPending);
        tree.AddChild(pending, "01.- Lugares de trabajo", nullptr, icon::kQuestionnaire);
        tree.AddChild(nullptr, "Medidas Preventivas", nullptr, icon::kMeasure);
    });
    doc.session.SetViewMode(view::kTemporal);
    Print(*doc.session.Tree().FirstTopLevel());
    EXPECT_EQ(BodyTexts(), Texts({"Inspecciones", "Pendiente", "01.- Lugares de trabajo"}));
    EXPECT_EQ(Indents(), Numbers({0, 0, 400}));
    EXPECT_NE(canvas.FindText(W("Talleres Pérez")), nullptr) << "the firm's name from the table";
}

TEST_F(BranchPrintoutTest, ARefusedJobDrawsNothing) {
    BuildFirm();
    canvas.refuseJob = true;
    std::string error;
    EXPECT_FALSE(
        BranchPrintout(doc.session, doc.catalogue, canvas, "15/03/2026").Print(*doc.Node(firm), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(canvas.calls.empty());
}

// A firm name too long for the header line ran off the paper at the left and, in a zone's
// report, over the parent's name. Each text that does not fit keeps its start and ends in "…".
TEST_F(BranchPrintoutTest, LongHeaderTextsAreShortenedToStayApartAndOnThePage) {
    // 200 characters, 4800 wide, where the line holds 4608 (192 characters).
    std::string name;
    for (int i = 0; name.size() < 200; ++i)
        name += "Construcciones " + std::to_string(i) + " ";
    name.resize(200);
    firm = doc.Add(0, 'E', name);
    zone = doc.Add(firm, 'Z', "Nave");
    station = doc.Add(zone, 'P', "Torno");
    doc.Build();
    const auto header = [this] {
        std::vector<std::string> out;
        for (const Call& call : canvas.Texts()) {
            if (call.y != 20) continue;
            EXPECT_GE(call.x, kMargin);
            EXPECT_LE(call.right, kRightEdge);
            out.push_back(cp1252::ToUtf8(call.text));
        }
        return out;
    };

    Print(zone);  // the firm's name at the left and at the right: half the line each, less a W
    auto texts = header();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], name.substr(0, 94) + "…");
    EXPECT_EQ(texts[1], name.substr(0, 95) + "…");
    EXPECT_EQ(canvas.Texts()[1].x - canvas.Texts()[0].right, 24);

    canvas.calls.clear();
    Print(station);  // a short name at the left keeps all of it
    texts = header();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Nave");
    EXPECT_EQ(texts[1], name.substr(0, 186) + "…");

    canvas.calls.clear();
    Print(firm);  // nothing at the left: the whole line for the firm
    texts = header();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[1], name.substr(0, 191) + "…");
}
