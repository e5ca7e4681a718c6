// The main window's views commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireViews() {}
