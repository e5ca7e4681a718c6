// The main window's "Resumen de una carpeta ...": the folder dialog and the overview window,
// whose double click opens a document in this window.
#include <QFileDialog>

#include "main_window.h"
#include "overview_window.h"
#include "text_codec.h"

void MainWindow::SetUpOverview() {
    connect(ResumenCarpeta1, &QAction::triggered, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, "Resumen de una carpeta");
        if (!folder.isEmpty()) OpenOverview(PathFromQt(folder));
    });
}

OverviewWindow* MainWindow::OpenOverview(const FilePath& folder) {
    auto* window = new OverviewWindow(folder, port_, dates_, this);
    connect(window, &OverviewWindow::documentRequested, this, [this](const FilePath& path) {
        commands_.LoadDocument(path);
        raise();
        activateWindow();
    });
    window->show();
    return window;
}
