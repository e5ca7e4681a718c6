// The main window's worker information sheets: "Fichas de los puestos ..." in "&Archivo", after
// "Informe de evaluación ...", and "Ficha del Puesto ..." at the end of the context menu, shown
// for a workstation only.
#include <QAction>
#include <QMenu>

#include "main_window.h"

void MainWindow::SetUpSheets() {
    FichasPuestos1 = new QAction(QString::fromUtf8("Fichas de los puestos ..."), ArchivoMenu);
    FichasPuestos1->setObjectName("FichasPuestos1");
    const QList<QAction*> entries = ArchivoMenu->actions();
    const qsizetype after = entries.indexOf(InformeEvaluacion1);
    ArchivoMenu->insertAction(after + 1 < entries.size() ? entries[after + 1] : nullptr, FichasPuestos1);
    connect(FichasPuestos1, &QAction::triggered, this, [this] { sheets_->FichasPuestosClick(); });

    QAction* separator = PopupMenu1->addSeparator();
    FichaPuesto1 = PopupMenu1->addAction(QString::fromUtf8("Ficha del Puesto ..."));
    FichaPuesto1->setObjectName("FichaPuesto1");
    // The separator goes with the entry it sets apart.
    connect(FichaPuesto1, &QAction::visibleChanged, separator,
            [this, separator] { separator->setVisible(FichaPuesto1->isVisible()); });
    FichaPuesto1->setVisible(false);
    connect(FichaPuesto1, &QAction::triggered, this, [this] { sheets_->FichaPuestoClick(); });
}
