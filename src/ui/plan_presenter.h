#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "action_plan.h"
#include "document_session.h"
#include "plan_export.h"
#include "qt_pdf_canvas_source.h"

class DatePort;
class PlanWindow;
class QStatusBar;
class QToolButton;
class UserPort;

// The action plan in the main window: the "Plan de acción" window, opened on demand and kept up
// to date while the document changes, and the status bar's notice of overdue measures, which
// opens the plan on them when clicked.
class PlanPresenter : public QObject, public SessionObserver {
    Q_OBJECT
public:
    // window: the plan's window, shown on demand; port: the dialogs of its exports, over it.
    // selectNode: shows the node of a slot in the document tree. The presenter observes the
    // session until it goes, which must be before the session does.
    PlanPresenter(DocumentSession& session, DatePort& dates, PlanWindow& window, UserPort& port,
                  QStatusBar& statusBar, std::function<void(int slot)> selectNode);
    ~PlanPresenter() override;

    // Opens (or raises) the window; with a state, shows that state only, on today's date.
    void ShowPlan(std::optional<plan::State> state = std::nullopt);
    // The document or the window state may have changed: the window and the notice follow once
    // the change is over.
    void DocumentChanged() override;
    void StateChanged() override { DocumentChanged(); }

    PlanWindow* Window() const { return window_; }
    QToolButton* Notice() const { return notice_; }

private:
    void Refresh();
    plan::ActionPlan Build(const Date& asOf) const;
    void Export(plan::Format format);

    DocumentSession& session_;
    DatePort& dates_;
    PlanWindow* window_;
    UserPort& port_;
    std::function<void(int)> selectNode_;
    QtPdfCanvasSource pdf_;
    QToolButton* notice_;
    bool refreshPending_ = false;
};
