// The main window's reports commands: "&Imprimir", "Informe de evaluación ...", "Informe",
// "Exportar a un archivo ..." and the blank questionnaire, with the print dialog they share.
#include <QAction>

#include "main_window.h"

void MainWindow::ConnectReports() {
    connect(Imprimir1, &QAction::triggered, this, [this] { reports_->PrintDocument(); });
    connect(InformeEvaluacion1, &QAction::triggered, this,
            [this] { assessment_->InformeEvaluacion1Click(); });
    connect(Informe1, &QAction::triggered, this, [this] { reports_->ReportBranch(); });
    connect(Exportar1, &QAction::triggered, this, [this] { reports_->ExportBranch(); });
}

void MainWindow::SetPrintPort(PrintPort* port) {
    PrintPort& printer = port ? *port : *ownPrintPort_;
    reports_ = std::make_unique<ReportCommands>(session_, catalogue_, port_, dates_, printer);
    assessment_ = std::make_unique<AssessmentCommand>(session_, catalogue_, port_, dates_, printer);
    sheets_ = std::make_unique<SheetCommand>(session_, catalogue_, port_, dates_, printer);
}

void MainWindow::PrintBlankQuestionnaire(int number, const std::string& heading) {
    reports_->PrintBlank(number, heading);
}
