// The main window's reports commands: "&Imprimir", "Informe", "Exportar a un archivo ..." and the
// blank questionnaire, with the print dialog they share.
#include <QAction>

#include "main_window.h"

void MainWindow::ConnectReports() {
    connect(Imprimir1, &QAction::triggered, this, [this] { reports_->PrintDocument(); });
    connect(Informe1, &QAction::triggered, this, [this] { reports_->ReportBranch(); });
    connect(Exportar1, &QAction::triggered, this, [this] { reports_->ExportBranch(); });
}

void MainWindow::SetPrintPort(PrintPort* port) {
    reports_ =
        std::make_unique<ReportCommands>(session_, catalogue_, port_, dates_, port ? *port : *ownPrintPort_);
}

void MainWindow::PrintBlankQuestionnaire(int number, const std::string& heading) {
    reports_->PrintBlank(number, heading);
}
