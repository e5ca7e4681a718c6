#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "action_plan.h"
#include "plan_export.h"
#include "qt_pdf_canvas_source.h"

class DatePort;
class DocumentSession;
class PlanWindow;
class QAbstractItemModel;
class QStatusBar;
class QToolButton;
class UserPort;

// The action plan in the main window: the "Plan de acción" window, opened on demand and kept up
// to date while the document changes, and the status bar's notice of overdue measures, which
// opens the plan on them when clicked.
class PlanPresenter : public QObject {
    Q_OBJECT
public:
    // treeModel: the document tree's model, whose changes are the document's. selectNode: shows
    // the node of a slot in the document tree. port: the user of tests (nullptr: real dialogs).
    PlanPresenter(DocumentSession& session, DatePort& dates, QAbstractItemModel& treeModel,
                  QStatusBar& statusBar, QWidget* mainWindow, std::function<void(int slot)> selectNode,
                  UserPort* port);
    ~PlanPresenter() override;

    // Opens (or raises) the window; with a state, shows that state only, on today's date.
    void ShowPlan(std::optional<plan::State> state = std::nullopt);
    // The document may have changed: the window and the notice follow once the change is over.
    void DocumentChanged();

    PlanWindow* Window() const { return window_; }
    QToolButton* Notice() const { return notice_; }

private:
    void Refresh();
    plan::ActionPlan Build(const Date& asOf) const;
    void Export(plan::Format format);

    DocumentSession& session_;
    DatePort& dates_;
    QWidget* mainWindow_;
    std::function<void(int)> selectNode_;
    UserPort* testPort_;
    std::unique_ptr<UserPort> windowPort_;
    QtPdfCanvasSource pdf_;
    PlanWindow* window_ = nullptr;
    QToolButton* notice_;
    bool refreshPending_ = false;
};
