// The main window's evaluation commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireEvaluation() {}
