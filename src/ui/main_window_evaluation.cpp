// The main window's evaluation commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireEvaluation() {
    Wire(IndicarDeficiencias1, [this] { evaluation_.IndicarDeficiencias1Click(); });
    Wire(IndicarMedidasPrev1, [this] { evaluation_.IndicarMedidasPrev1Click(); });
}
