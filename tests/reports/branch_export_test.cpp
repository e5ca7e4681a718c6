#include <gtest/gtest.h>

#include "branch_export.h"
#include "report_fixture.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace {

struct BranchExportTest : ::testing::Test {
    TestDocument doc;
    int firm = 0, zoneA = 0, stationA1 = 0, stationA2 = 0, questionnaire = 0, zoneB = 0;

    // Empresa > (Zona A > (Puesto A1 > 01.-, Puesto A2), Zona B)
    BranchExportTest() {
        firm = doc.Add(0, 'E', "Empresa", {{field::kAssignmentFlags, "10000000000000000000000"}});
        zoneA = doc.Add(firm, 'Z', "Zona A");
        stationA1 = doc.Add(zoneA, 'P', "Puesto A1");
        questionnaire =
            doc.Add(stationA1, 'C', "01.- Lugares de trabajo", {{field::kObservations, "uno\r\ndos"}});
        stationA2 = doc.Add(zoneA, 'P', "Puesto A2");
        zoneB = doc.Add(firm, 'Z', "Zona B");
        doc.Build();
    }
    std::string Export(int slot) const {
        return branch_export::ExportBranch(doc.session.Tree(), *doc.Node(slot));
    }
};

}  // namespace

TEST_F(BranchExportTest, TheFirmsExportWritesEveryNodeWithItsRelativeDepthAsTabs) {
    EXPECT_EQ(Export(firm),
              "1\t\t\tEmpresa\t\t\t\t\t\t\t\t10000000000000000000000\r\n"
              "2\t\t\t\tZona A\r\n"
              "3\t\t\t\t\tPuesto A1\r\n"
              "4\t\t\t\t\t\t01.- Lugares de trabajo\t\t\t\t\t\tuno~~dos\r\n"
              "5\t\t\t\t\tPuesto A2\r\n"
              "6\t\t\t\tZona B\r\n");
}

TEST_F(BranchExportTest, ABranchKeepsItsPositionsInTheWholeTreeAndStopsAtItsEnd) {
    EXPECT_EQ(Export(stationA2), "5\t\t\tPuesto A2\r\n");
    EXPECT_EQ(Export(zoneA),
              "2\t\t\tZona A\r\n"
              "3\t\t\t\tPuesto A1\r\n"
              "4\t\t\t\t\t01.- Lugares de trabajo\t\t\t\t\t\tuno~~dos\r\n"
              "5\t\t\t\tPuesto A2\r\n");
}

TEST_F(BranchExportTest, PositionsFollowTheTreeNotTheSlots) {
    // Moved in the tree but not yet saved: the slots stay, the positions change.
    doc.session.Tree().Move(doc.Node(zoneB), nullptr, 0);
    doc.session.Tree().Move(doc.Node(zoneB), doc.Node(firm), 0);
    EXPECT_EQ(Export(zoneB), "2\t\t\tZona B\r\n");
    EXPECT_EQ(Export(stationA1).substr(0, 2), "4\t");
}

TEST(BranchExportName, ProposesTheDocumentsNameWithTxt) {
    EXPECT_EQ(branch_export::ProposedName(FilePath("NuevaEmpresa.kl3")).Utf8(), "NuevaEmpresa.txt");
    EXPECT_EQ(branch_export::ProposedName(FilePath("/home/ana/evaluaciones/taller.kl3")).Utf8(),
              "taller.txt");
    EXPECT_EQ(branch_export::ProposedName(FilePath("/home/ana/sin_extension")).Utf8(), "sin_extension.txt");
    EXPECT_EQ(branch_export::ProposedName(FilePath("/home/ana.b/taller")).Utf8(), "taller.txt");
    EXPECT_EQ(branch_export::ProposedName(FilePath("copia.v2.kl3")).Utf8(), "copia.v2.txt");
}

TEST(BranchExportName, SaveDialogAsksForATextFile) {
    const FileDialogSpec dialog = branch_export::SaveDialog(FilePath("/tmp/x/NuevaEmpresa.kl3"));
    EXPECT_EQ(dialog.mode, FileDialogSpec::Mode::Save);
    EXPECT_EQ(dialog.title, "");
    EXPECT_EQ(dialog.filter, "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*");
    EXPECT_EQ(dialog.defaultSuffix, "txt");
    EXPECT_EQ(dialog.proposedName.Utf8(), "NuevaEmpresa.txt");
}

TEST_F(BranchExportTest, AWriteFailureIsReportedAndAnyOldFileKept) {
    TempDir dir;
    ScriptedPort port;
    WriteFile(dir.File("old.txt"), "antes");
    EXPECT_FALSE(
        branch_export::WriteExport(doc.session.Tree(), *doc.Node(firm), dir.File("none/x.txt"), port));
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_NE(port.errors[0].find("none/x.txt"), std::string::npos);
    EXPECT_TRUE(branch_export::WriteExport(doc.session.Tree(), *doc.Node(zoneB), dir.File("old.txt"), port));
    EXPECT_EQ(ReadFile(dir.File("old.txt")), "6\t\t\tZona B\r\n");
}
