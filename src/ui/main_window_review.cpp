// The main window's review: "Revisar el documento" at the end of "Vistas", its window, and the
// status bar's "N puntos pendientes" beside the notice of overdue measures.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "document_tree_view.h"
#include "main_window.h"
#include "review_presenter.h"
#include "tree_model.h"

void MainWindow::SetUpReview() {
    RevisarDocumento1 = VistasMenu->addAction("Revisar el documento");
    RevisarDocumento1->setObjectName("RevisarDocumento1");
    RevisarDocumento1->setShortcut(QKeySequence("Ctrl+R"));

    // A gap selects its node in the document tree and opens nothing.
    auto selectNode = [this](int slot) { ShowNodeInTree(slot); };
    review_ = new ReviewPresenter(session_, dates_, *model_, *statusBar(), this, selectNode);
    connect(RevisarDocumento1, &QAction::triggered, review_, [this] { review_->ShowReview(); });
}

void MainWindow::ReviewStateChanged() {
    if (!review_) return;
    RevisarDocumento1->setEnabled(session_.DocumentCommandsEnabled());
    review_->DocumentChanged();
}
