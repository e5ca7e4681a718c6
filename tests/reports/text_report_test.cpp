#include <gtest/gtest.h>

#include "kinds.h"
#include "report_fixture.h"
#include "scripted_port.h"
#include "system_fakes.h"
#include "temp_dir.h"
#include "text_report.h"

namespace {

std::string Report(const TestDocument& doc, int slot) {
    return cp1252::ToUtf8(TextReport(doc.session, doc.catalogue, *doc.Node(slot)));
}

}  // namespace

TEST(TextReport, IndentsByDepthWithAtLeastOneBlank) {
    TestDocument doc;
    const int firm = doc.Add(0, 'E', "Empresa");
    const int zone = doc.Add(firm, 'Z', "Nave");
    doc.Add(zone, 'P', "Torno");
    doc.Build();
    EXPECT_EQ(Report(doc, firm), " Empresa\r\n Nave\r\n  Torno\r\n");
    EXPECT_EQ(Report(doc, zone), " Nave\r\n  Torno\r\n") << "the depth in the whole tree counts";
}

TEST(TextReport, AddsCommentsAndThePlannedDateWithItsTechnician) {
    TestDocument doc;
    const int firm = doc.Add(0, 'E', "Empresa",
                             {{field::kComments, "Taller de coches"},
                              {field::kPlannedDate, "15/03/2026"},
                              {field::kPlannedBy, "Ana Martín"},
                              {field::kDoneDate, "x"}});
    const int zone = doc.Add(firm, 'Z', "Nave", {{field::kPlannedDate, "01/04/2026"}});
    doc.Add(zone, 'P', "Torno", {{field::kComments, "uno\r\ndos"}});
    doc.Build();
    EXPECT_EQ(Report(doc, firm),
              " Empresa\r\n"
              " (Taller de coches)\r\n"
              " Fecha Prevista:15/03/2026 por <Ana Martín>\r\n"
              " Nave\r\n"
              " Fecha Prevista:01/04/2026 por <>\r\n"
              "  Torno\r\n"
              "  (uno\r\ndos)\r\n");
}

TEST(TextReport, ABranchWithoutCommentsOrDateIsOneLine) {
    TestDocument doc;
    const int firm =
        doc.Add(0, 'E', "Empresa", {{field::kPlannedBy, "Ana"}, {field::kObservations, "Observaciones"}});
    doc.Build();
    EXPECT_EQ(Report(doc, firm), " Empresa\r\n");
}

TEST(TextReport, DeficienciesShowTheirDetectedDeficiencyAndMeasuresTheirOwnText) {
    TestDocument doc;
    const int c = doc.Add(0, 'C', "00.- Gestión Preventiva");
    const int d = doc.Add(c, 'D', "1.- Plan",
                          {{field::kComments, "Haga un plan"}, {field::kDeficiencyDetected, "Sin plan"}});
    doc.Add(d, 'R', "Redactar el plan");
    doc.Build();
    EXPECT_EQ(Report(doc, c),
              " 00.- Gestión Preventiva\r\n"
              " 1.- Plan // Sin plan\r\n"
              " (Haga un plan)\r\n"
              "  Redactar el plan\r\n");
}

TEST(TextReport, AnAnsweredQuestionnaireShowsItsAnswersCounted) {
    TestDocument doc;
    ScriptedPort port;
    doc.catalogue.LoadFromBytes("C00Uno\r\n01a\r\n02b\r\n03c\r\n04d\r\n", port);
    const int firm = doc.Add(0, 'E', "Empresa");
    const int answered = doc.Add(firm, 'C', "00.- Uno",
                                 {{field::kPlannedDate, "15/03/2026"}, {field::kChecklistAnswers, "SNX"}});
    doc.Add(answered, 'D', "2. b");
    doc.Add(firm, 'C', "00.- Uno");
    doc.Build();
    EXPECT_EQ(Report(doc, firm),
              " Empresa\r\n"
              " 00.- Uno\r\n"
              " Fecha Prevista:15/03/2026 por <>\r\n"
              " Respondidos: 3 de 4 (Sí 1, No 1, No procede 1)\r\n"
              "  2. b // \r\n"
              " 00.- Uno\r\n")
        << "a questionnaire never answered reads as before";
}

TEST(TextReport, IsWrittenInWindows1252) {
    TestDocument doc;
    const int firm = doc.Add(0, 'E', "Pérez");
    doc.Build();
    EXPECT_EQ(TextReport(doc.session, doc.catalogue, *doc.Node(firm)), " P\xe9rez\r\n");
}

TEST(TextReport, InAViewHoldsTheViewsTextsIndentedByDepth) {
    TestDocument doc;
    doc.Add(0, 'E', "Empresa", {{field::kComments, "no se escribe"}});
    doc.Build();
    doc.session.Tree().Rebuild([](DocumentTree& tree) {
        TreeNode* top = tree.AddChild(nullptr, W("Valoración"), nullptr, icon::kQuestionnaire);
        TreeNode* group = tree.AddChild(top, "Sin Valorar", nullptr, icon::kNotValued);
        tree.AddChild(group, W("00.- Gestión Preventiva"), nullptr, icon::kQuestionnaire);
    });
    doc.session.SetViewMode(view::kValuation);
    EXPECT_EQ(cp1252::ToUtf8(TextReport(doc.session, doc.catalogue, *doc.session.Tree().FirstTopLevel())),
              " Valoración\r\n Sin Valorar\r\n  00.- Gestión Preventiva\r\n");
}

TEST(TextReport, AFileThatCannotBeWrittenIsReportedWithTheSystemsMessage) {
    TestDocument doc;
    const int firm = doc.Add(0, 'E', "Empresa");
    doc.Build();
    TempDir dir;
    ScriptedPort port;
    EXPECT_FALSE(
        WriteTextReport(doc.session, doc.catalogue, *doc.Node(firm), dir.File("no/such/Informe.txt"), port));
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_NE(port.errors[0].find(kNoSuchFolderMessage), std::string::npos) << port.errors[0];
    EXPECT_TRUE(WriteTextReport(doc.session, doc.catalogue, *doc.Node(firm), dir.File("Informe.txt"), port));
    EXPECT_EQ(ReadFile(dir.File("Informe.txt")), " Empresa\r\n");
}
