// The main window's reports commands: "&Imprimir", "Informe", "Exportar a un archivo ..." and the
// blank questionnaire, with the print dialog they share.
#include <QAction>

#include "main_window.h"
#include "print_dialog.h"
#include "qt_print_port.h"
#include "report_commands.h"

void MainWindow::WireReports() {
    PrintDialog1 = new PrintDialog(this);
    ownPrintPort_ = std::make_unique<QtPrintPort>(*PrintDialog1);
    SetPrintPort(nullptr);
    Wire(Imprimir1, [this] { reports_->PrintDocument(); });
    Wire(Informe1, [this] { reports_->ReportBranch(); });
    Wire(Exportar1, [this] { reports_->ExportBranch(); });
}

void MainWindow::SetPrintPort(PrintPort* port) {
    reports_ =
        std::make_unique<ReportCommands>(session_, catalogue_, port_, dates_, port ? *port : *ownPrintPort_);
}

void MainWindow::PrintBlankQuestionnaire(int number, const std::string& heading) {
    reports_->PrintBlank(number, heading);
}
