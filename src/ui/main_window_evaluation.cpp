// The main window's evaluation commands: the entries they answer and the dialogs they need.
#include "main_window.h"
#include "qt_entry_dialogs.h"

void MainWindow::WireEvaluation() {
    entryDialogs_ = std::make_unique<QtEntryDialogs>(this);
    evaluation_ = std::make_unique<EvaluationCommands>(session_, catalogue_, port_, dates_, *entryDialogs_);
    Wire(IndicarDeficiencias1, [this] { evaluation_->IndicarDeficiencias1Click(); });
    Wire(IndicarMedidasPrev1, [this] { evaluation_->IndicarMedidasPrev1Click(); });
}
