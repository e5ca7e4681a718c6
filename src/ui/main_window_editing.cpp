// The main window's editing commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireEditing() {}
