// The main window's assignment commands: the entries they answer and the dialogs they need.
#include "main_window.h"

void MainWindow::WireAssignment() {
    Wire(AsignarCuestionarios1, [this] { assignment_.AsignarCuestionarios1Click(); });
}
