// The main window's "&Edición" menu: "Deshacer" and "Rehacer" of the session's history, and
// "Buscar ..." with its bar above the tree. The history itself is toolkit-free
// (src/model/undo_history.h): every command that holds an UndoStep is a step here.
#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>

#include "document_tree_view.h"
#include "find_bar.h"
#include "main_window.h"
#include "node_find.h"
#include "text_codec.h"
#include "tree_model.h"

void MainWindow::BuildEditMenu() {
    EdicionMenu = menuBar()->addMenu(QString::fromUtf8("&Edición"));
    auto add = [this](const char* name, const QString& caption, const QList<QKeySequence>& keys) {
        QAction* action = EdicionMenu->addAction(caption);
        action->setObjectName(name);
        action->setShortcuts(keys);
        return action;
    };
    Deshacer1 = add("Deshacer1", "Deshacer", {QKeySequence("Ctrl+Z")});
    Rehacer1 = add("Rehacer1", "Rehacer", {QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    EdicionMenu->addSeparator();
    Buscar1 = add("Buscar1", "Buscar ...", {QKeySequence("Ctrl+F")});
    BuscarSiguiente1 = add("BuscarSiguiente1", "Buscar siguiente", {QKeySequence(Qt::Key_F3)});
    BuscarAnterior1 = add("BuscarAnterior1", "Buscar anterior", {QKeySequence(Qt::SHIFT | Qt::Key_F3)});

    // The bar sits above the tree, in the tree's host.
    findBar_ = new FindBar(TreeView->parentWidget());
    static_cast<QBoxLayout*>(TreeView->parentWidget()->layout())->insertWidget(0, findBar_);

    connect(Deshacer1, &QAction::triggered, this, [this] { session_.History().Undo(); });
    connect(Rehacer1, &QAction::triggered, this, [this] { session_.History().Redo(); });
    connect(Buscar1, &QAction::triggered, findBar_, &FindBar::Open);
    connect(BuscarSiguiente1, &QAction::triggered, this, [this] { FindStep(node_find::Direction::kNext); });
    connect(BuscarAnterior1, &QAction::triggered, this,
            [this] { FindStep(node_find::Direction::kPrevious); });
    connect(findBar_, &FindBar::textEdited, this, [this] { FindStep(node_find::Direction::kFromHere); });
    connect(findBar_, &FindBar::nextRequested, this, [this] { FindStep(node_find::Direction::kNext); });
    connect(findBar_, &FindBar::previousRequested, this,
            [this] { FindStep(node_find::Direction::kPrevious); });
    connect(findBar_, &FindBar::closed, this, [this] { TreeView->setFocus(); });

    // The document keeps which branches are open, so that undoing opens them again.
    connect(TreeView, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { session_.Tree().SetExpanded(model_->NodeAt(index), true); });
    connect(TreeView, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { session_.Tree().SetExpanded(model_->NodeAt(index), false); });
}

void MainWindow::EditStateChanged() {
    const UndoHistory& history = session_.History();
    const bool editable = session_.ViewMode() == view::kGeographic;
    const auto caption = [](const char* verb, const std::string& step) {
        return step.empty() ? QString(verb) : QString(verb) + ' ' + ToQt(step);
    };
    Deshacer1->setText(caption("Deshacer", history.UndoName()));
    Rehacer1->setText(caption("Rehacer", history.RedoName()));
    Deshacer1->setEnabled(editable && history.CanUndo());
    Rehacer1->setEnabled(editable && history.CanRedo());
    const bool shown = session_.TreeVisible();
    for (QAction* action : {Buscar1, BuscarSiguiente1, BuscarAnterior1})
        action->setEnabled(shown);
    if (!shown) findBar_->hide();
}

void MainWindow::FindStep(node_find::Direction direction) {
    if (!findBar_->isVisible() || findBar_->Text().isEmpty()) {
        findBar_->Open();
        if (findBar_->Text().isEmpty()) return;
    }
    const node_find::Result found = node_find::Find(session_, FromQt(findBar_->Text()), direction);
    // The tree shows the node: its branch opens and it becomes the selected node.
    if (found.node) {
        for (TreeNode* owner = found.node->parent; owner && owner->parent; owner = owner->parent)
            session_.Tree().Expand(owner);
        session_.Tree().Select(found.node);
        TreeView->scrollTo(model_->IndexOf(found.node));
    }
    findBar_->ShowResult(found.position, found.count);
}
