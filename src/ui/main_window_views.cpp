// The main window's "Vistas" commands: the document tree and the temporal, valuation and risk
// arrangements, all shown in the one tree.
#include "document_tree_view.h"
#include "main_window.h"
#include "view_commands.h"

void MainWindow::Geogrfica1Click() {
    ShowView(session_, catalogue_, view::kGeographic);
    EnableNodeCommands(true);
    TreeView->setFocus();
}

// The arrangements' nodes carry no record: no command of the context menu but "Informe"
// applies to them. The tree was hidden while it was refilled and lost the focus: it gets it back.
void MainWindow::emporal1Click() {
    ShowView(session_, catalogue_, view::kTemporal);
    EnableNodeCommands(false);
    TreeView->setFocus();
}

void MainWindow::Valoracin1Click() {
    ShowView(session_, catalogue_, view::kValuation);
    EnableNodeCommands(false);
    TreeView->setFocus();
}

void MainWindow::Riesgos1Click() {
    ShowView(session_, catalogue_, view::kRisk);
    EnableNodeCommands(false);
    TreeView->setFocus();
}
