#include "report_commands.h"

#include "blank_questionnaire.h"
#include "branch_export.h"
#include "branch_printout.h"
#include "date_port.h"
#include "document_session.h"
#include "kinds.h"
#include "print_port.h"
#include "text_report.h"
#include "user_port.h"

ReportCommands::ReportCommands(DocumentSession& session, const Catalogue& catalogue, UserPort& port,
                               DatePort& dates, PrintPort& printer)
    : session_(session), catalogue_(catalogue), port_(port), dates_(dates), printer_(printer) {}

void ReportCommands::ShowPrinterError(const std::string& error) {
    port_.ShowError(error);
}

void ReportCommands::ReportBranch() {
    const TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    switch (printer_.ChoosePrinter(true, "Informe")) {
        case PrintPort::Choice::Cancelled:
            return;
        case PrintPort::Choice::PrintToFile:
            WriteTextReport(session_, catalogue_, *node, kTextReportFile, port_);
            return;
        case PrintPort::Choice::Printer: {
            BusyPointer busy(printer_);
            std::string error;
            BranchPrintout printout(session_, catalogue_, printer_.Printer(), dates_.ToText(dates_.Today()));
            if (!printout.Print(*node, &error)) ShowPrinterError(error);
            return;
        }
    }
}

void ReportCommands::PrintDocument() {
    TreeNode* first = session_.Tree().FirstTopLevel();
    if (!first) return;
    session_.Tree().Select(first);
    ReportBranch();
}

void ReportCommands::ExportBranch() {
    const TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    // The dialog is made anew each time, so every export proposes the document's name again.
    const auto path = port_.ChooseFile(branch_export::SaveDialog(session_.FileName()));
    if (path) branch_export::WriteExport(session_.Tree(), *node, *path, port_);
}

void ReportCommands::PrintBlank(int questionnaire, const std::string& area) {
    const std::string number =
        (questionnaire >= 0 && questionnaire < 10 ? "0" : "") + std::to_string(questionnaire);
    if (printer_.ChoosePrinter(false, "Cuestionario " + number) != PrintPort::Choice::Printer) return;
    BusyPointer busy(printer_);
    std::string error;
    if (!PrintBlankQuestionnaire(printer_.Printer(), catalogue_, questionnaire, area, &error))
        ShowPrinterError(error);
}
