// The main window's editing commands: "Nueva Zona", "Nuevo Puesto", "Eliminar", the double
// click that opens the node data editor and the drop of a dragged node.
#include <QAction>

#include "display_text.h"
#include "document_tree_view.h"
#include "main_window.h"
#include "qt_node_data_dialog.h"
#include "tree_editing.h"
#include "tree_model.h"

void MainWindow::WireEditing() {
    blankQuestionnaireHook_ = [this](int questionnaire, const std::string& heading) {
        PrintBlankQuestionnaire(questionnaire, heading);
    };
    nodeDataDialog_ = std::make_unique<QtNodeDataDialog>(this, blankQuestionnaireHook_);
    nodeDataEditor_ = std::make_unique<NodeDataEditor>(session_, *nodeDataDialog_, port_, dates_);
    treeEditing_ =
        std::make_unique<TreeEditing>(session_, port_, *nodeDataEditor_,
                                      [this](const TreeNode& node) { return ShownText(session_, node); });
    Wire(NuevaZona1, [this] { treeEditing_->NewZone(); });
    Wire(NuevoPuesto1, [this] { treeEditing_->NewWorkstation(); });
    Wire(Eliminar1, [this] { treeEditing_->Delete(); });
    connect(TreeView, &DocumentTreeView::treeDoubleClicked, this, &MainWindow::TreeViewDblClick);
    connect(TreeView, &DocumentTreeView::nodeDropped, this, &MainWindow::TreeViewDragDrop);
}

void MainWindow::SetNodeDataDialog(NodeDataDialogPort* dialog) {
    nodeDataEditor_->UseDialog(dialog ? *dialog : *nodeDataDialog_);
}

void MainWindow::TreeViewDblClick() {
    treeEditing_->EditSelected();
}

void MainWindow::TreeViewDragDrop(const QModelIndex& hitNode, DropZone zone) {
    DropNode(session_, session_.Tree().Selected(), model_->NodeAt(hitNode), zone);
}
