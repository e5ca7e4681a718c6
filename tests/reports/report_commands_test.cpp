#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "catalogue.h"
#include "report_commands.h"
#include "report_fixture.h"
#include "scripted_port.h"
#include "system_fakes.h"
#include "temp_dir.h"

namespace {

using Choice = PrintPort::Choice;

// Runs the test inside a scratch folder: "Informe.txt" goes to the working folder.
class WorkingFolder {
public:
    WorkingFolder() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.path().Utf8());
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    FilePath File(const std::string& name) const { return dir_.File(name); }

private:
    TempDir dir_;
    std::filesystem::path previous_;
};

struct ReportCommandsTest : ::testing::Test {
    TestDocument doc;
    Catalogue catalogue;
    ScriptedPort port;
    FixedDates dates;
    ScriptedPrintPort printer;
    ReportCommands commands{doc.session, catalogue, port, dates, printer};
    WorkingFolder folder;
    int firm = 0, zone = 0;

    ReportCommandsTest() {
        firm = doc.Add(0, 'E', "Empresa", {{field::kPlannedDate, "15/03/2026"}});
        zone = doc.Add(firm, 'Z', "Nave");
        doc.Build();
        doc.session.SetFileName(FilePath("/home/ana/NuevaEmpresa.kl3"));
    }
    void Select(int slot) { doc.session.Tree().Select(doc.Node(slot)); }
};

}  // namespace

TEST_F(ReportCommandsTest, NothingSelectedDoesNothing) {
    commands.ReportBranch();
    EXPECT_TRUE(printer.offered.empty());
    commands.ExportBranch();
    EXPECT_TRUE(port.dialogs.empty());
}

TEST_F(ReportCommandsTest, CancellingThePrintDialogPrintsAndWritesNothing) {
    Select(zone);
    commands.ReportBranch();
    EXPECT_EQ(printer.offered, std::vector<bool>({true}));
    EXPECT_TRUE(printer.canvas.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("Informe.txt").Utf8()));
}

TEST_F(ReportCommandsTest, PrintToFileWritesInformeTxtInTheWorkingFolder) {
    Select(zone);
    printer.choices = {Choice::PrintToFile};
    commands.ReportBranch();
    EXPECT_EQ(ReadFile(folder.File("Informe.txt")), " Nave\r\n");
    EXPECT_TRUE(printer.canvas.calls.empty());
    EXPECT_FALSE(doc.session.Modified());
}

TEST_F(ReportCommandsTest, PrintingDrawsTheSelectedBranchWithTodaysDateUnderTheBusyPointer) {
    Select(zone);
    printer.choices = {Choice::Printer};
    commands.ReportBranch();
    EXPECT_NE(printer.canvas.FindText("Nave"), nullptr);
    EXPECT_EQ(printer.canvas.FindText("Empresa")->y, 20) << "the parent in the header";
    EXPECT_NE(printer.canvas.FindText("15/03/2026"), nullptr);
    EXPECT_EQ(printer.busyOn, 1);
    EXPECT_EQ(printer.busyOff, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("Informe.txt").Utf8()));
}

TEST_F(ReportCommandsTest, PrintSelectsTheFirstNodeAndReportsTheWholeDocument) {
    Select(zone);
    printer.choices = {Choice::PrintToFile};
    commands.PrintDocument();
    EXPECT_EQ(doc.session.Tree().Selected(), doc.Node(firm));
    EXPECT_EQ(ReadFile(folder.File("Informe.txt")),
              " Empresa\r\n Fecha Prevista:15/03/2026 por <>\r\n Nave\r\n");
}

TEST_F(ReportCommandsTest, APrinterThatRefusesTheJobIsReported) {
    Select(firm);
    printer.choices = {Choice::Printer};
    printer.canvas.refuseJob = true;
    commands.ReportBranch();
    EXPECT_EQ(port.errors, std::vector<std::string>({"printer unavailable"}));
    EXPECT_EQ(printer.busyOn, printer.busyOff);
}

TEST_F(ReportCommandsTest, ExportWritesTheChosenFileAndCancellingProposesTheNameAgain) {
    Select(zone);
    port.files = {std::nullopt, folder.File("rama.txt")};
    commands.ExportBranch();
    EXPECT_FALSE(std::filesystem::exists(folder.File("rama.txt").Utf8()));
    commands.ExportBranch();
    ASSERT_EQ(port.dialogs.size(), 2u);
    EXPECT_EQ(port.dialogs[0].proposedName.Utf8(), "NuevaEmpresa.txt");
    EXPECT_EQ(port.dialogs[1].proposedName.Utf8(), "NuevaEmpresa.txt");
    EXPECT_EQ(ReadFile(folder.File("rama.txt")), "2\t\t\tNave\r\n");
    EXPECT_FALSE(doc.session.Modified());
}

TEST_F(ReportCommandsTest, AFailedExportShowsTheSystemsMessageAndLeavesTheDocumentAlone) {
    Select(firm);
    doc.session.SetModified(true);
    port.files = {folder.File("no/such/folder/rama.txt")};
    commands.ExportBranch();
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_NE(port.errors[0].find(kNoSuchFolderMessage), std::string::npos);
    EXPECT_TRUE(doc.session.Modified());
    EXPECT_EQ(doc.session.Table().count(), 2);
}

TEST_F(ReportCommandsTest, TheBlankQuestionnaireAsksForAPrinterWithoutThePrintToFileBox) {
    printer.choices = {Choice::Cancelled, Choice::Printer};
    commands.PrintBlank(7, "Torno");
    EXPECT_TRUE(printer.canvas.calls.empty());
    commands.PrintBlank(7, "Torno");
    EXPECT_EQ(printer.offered, std::vector<bool>({false, false}));
    EXPECT_EQ(printer.names.back(), "Cuestionario 07");
    ASSERT_FALSE(printer.canvas.calls.empty());
    EXPECT_EQ(printer.canvas.calls.front().text, "Imp.Cuest. 7");
    EXPECT_NE(printer.canvas.FindText(W("Área de trabajo: Torno")), nullptr);
    EXPECT_EQ(printer.busyOn, 1);
    EXPECT_EQ(printer.busyOff, 1);
}
