// The main window's action plan: "Plan de acción" at the end of "Vistas", the plan's window, and
// the status bar below the client area with the notice of overdue measures.
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include "document_tree_view.h"
#include "main_window.h"
#include "plan_presenter.h"
#include "plan_window.h"
#include "qt_user_port.h"

void MainWindow::SetUpPlan() {
    VistasMenu->addSeparator();
    PlanAccion1 = VistasMenu->addAction(QString::fromUtf8("Plan de acción"));
    PlanAccion1->setObjectName("PlanAccion1");
    PlanAccion1->setShortcut(QKeySequence("Ctrl+L"));

    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");

    // A row of the plan shows its node in the document tree.
    auto selectNode = [this](int slot) { ShowNodeInTree(slot); };
    // The plan's window is made hidden now; its export dialogs go over it, unless tests answer them.
    auto* planWindow = new PlanWindow(this);
    if (ownPort_) ownPlanPort_ = std::make_unique<QtUserPort>(planWindow);
    plan_ = new PlanPresenter(session_, dates_, *planWindow, ownPlanPort_ ? *ownPlanPort_ : port_, *bar,
                              selectNode);
    connect(PlanAccion1, &QAction::triggered, plan_, [this] { plan_->ShowPlan(); });

    // The status bar goes below the client area, which keeps its size: the window grows by the
    // bar's height with the notice shown, which the bar keeps whether the notice shows or not.
    plan_->Notice()->setText(QString::fromUtf8("0 medidas vencidas"));
    plan_->Notice()->setVisible(true);
    bar->setFixedHeight(bar->sizeHint().height());
    plan_->Notice()->setVisible(false);
    resize(width(), height() + bar->height());
}

void MainWindow::PlanStateChanged() {
    if (!plan_) return;
    PlanAccion1->setEnabled(session_.DocumentCommandsEnabled());
}

// The node of the line in the document tree, which the views replace, with this window in front.
void MainWindow::ShowNodeInTree(int slot) {
    if (session_.ViewMode() == view::kNone) return;
    if (session_.ViewMode() != view::kGeographic) Geogrfica1Click();
    if (TreeNode* node = session_.Table().Node(slot)) session_.Tree().Select(node);
    TreeView->setFocus();
    raise();
    activateWindow();
}
