// The main window's commands that change the document from the tree: "Nueva Zona", "Nuevo
// Puesto", "Asignar Cuestionarios", "Indicar Deficiencias", "Indicar Medidas Prev", "Responder
// Cuestionario" and "Eliminar", the double click that opens the node data editor and the drop of a
// dragged node.
#include <QAction>

#include "document_tree_view.h"
#include "main_window.h"
#include "tree_model.h"

void MainWindow::ConnectEditing() {
    connect(NuevaZona1, &QAction::triggered, this, [this] { treeEditing_.NewZone(); });
    connect(NuevoPuesto1, &QAction::triggered, this, [this] { treeEditing_.NewWorkstation(); });
    connect(AsignarCuestionarios1, &QAction::triggered, this,
            [this] { assignment_.AsignarCuestionarios1Click(); });
    connect(IndicarDeficiencias1, &QAction::triggered, this,
            [this] { evaluation_.IndicarDeficiencias1Click(); });
    connect(IndicarMedidasPrev1, &QAction::triggered, this,
            [this] { evaluation_.IndicarMedidasPrev1Click(); });
    connect(ResponderCuestionario1, &QAction::triggered, this,
            [this] { answering_.ResponderCuestionario1Click(); });
    nodeDataEditor_.UseAnswering(answering_);
    connect(Eliminar1, &QAction::triggered, this, [this] { treeEditing_.Delete(); });
    connect(TreeView, &DocumentTreeView::treeDoubleClicked, this, &MainWindow::TreeViewDblClick);
    connect(TreeView, &DocumentTreeView::nodeDropped, this, &MainWindow::TreeViewDragDrop);
}

void MainWindow::SetNodeDataDialog(NodeDataDialogPort* dialog) {
    nodeDataEditor_.UseDialog(dialog ? *dialog : nodeDataDialog_);
}

void MainWindow::TreeViewDblClick() {
    treeEditing_.EditSelected();
    ShowSelectedPhoto();
}

void MainWindow::TreeViewDragDrop(const QModelIndex& hitNode, DropZone zone) {
    DropNode(session_, session_.Tree().Selected(), model_->NodeAt(hitNode), zone);
}
