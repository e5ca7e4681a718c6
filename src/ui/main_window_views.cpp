// The main window's "Vistas" commands: the document tree and the temporal, valuation and risk
// arrangements, all shown in the one tree.
#include "document_tree_view.h"
#include "main_window.h"
#include "view_commands.h"

// The arrangements' nodes carry no record: no command of the context menu but "Informe"
// applies to them. The tree was hidden while it was refilled and lost the focus: it gets it back.
void MainWindow::ShowViewMode(view::Mode mode) {
    ShowView(session_, catalogue_, mode);
    EnableNodeCommands(mode == view::kGeographic);
    TreeView->setFocus();
}

void MainWindow::Geogrfica1Click() {
    ShowViewMode(view::kGeographic);
}

void MainWindow::emporal1Click() {
    ShowViewMode(view::kTemporal);
}

void MainWindow::Valoracin1Click() {
    ShowViewMode(view::kValuation);
}

void MainWindow::Riesgos1Click() {
    ShowViewMode(view::kRisk);
}
