// The main window's reports commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireReports() {}
