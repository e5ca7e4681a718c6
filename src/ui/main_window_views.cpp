// The main window's "Vistas" commands: the document tree and the temporal, valuation and risk
// arrangements, all shown in the one tree.
#include "main_window.h"
#include "view_commands.h"

void MainWindow::WireViews() {
    Wire(Geogrfica1, [this] { Geogrfica1Click(); });
    Wire(emporal1, [this] { emporal1Click(); });
    Wire(Valoracin1, [this] { Valoracin1Click(); });
    Wire(Riesgos1, [this] { Riesgos1Click(); });
}

void MainWindow::Geogrfica1Click() {
    ShowView(session_, catalogue_, view::kGeographic);
    EnableNodeCommands(true);
}

// The arrangements' nodes carry no record: no command of the context menu but "Informe"
// applies to them.
void MainWindow::emporal1Click() {
    ShowView(session_, catalogue_, view::kTemporal);
    EnableNodeCommands(false);
}

void MainWindow::Valoracin1Click() {
    ShowView(session_, catalogue_, view::kValuation);
    EnableNodeCommands(false);
}

void MainWindow::Riesgos1Click() {
    ShowView(session_, catalogue_, view::kRisk);
    EnableNodeCommands(false);
}
