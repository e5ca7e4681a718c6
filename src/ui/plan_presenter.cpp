#include "plan_presenter.h"

#include <QDate>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "plan_commands.h"
#include "plan_summary.h"
#include "plan_window.h"
#include "qt_dates.h"
#include "text_codec.h"

PlanPresenter::PlanPresenter(DocumentSession& session, DatePort& dates, PlanWindow& window, UserPort& port,
                             QStatusBar& statusBar, std::function<void(int)> selectNode)
    : QObject(&window),
      session_(session),
      dates_(dates),
      window_(&window),
      port_(port),
      selectNode_(std::move(selectNode)) {
    notice_ = new QToolButton(&statusBar);
    notice_->setObjectName("PlanStatus");
    notice_->setAutoRaise(true);
    notice_->setToolTip(QString::fromUtf8("Abrir el plan de acción con las medidas vencidas"));
    notice_->setStyleSheet("QToolButton { color: #a00000; font-weight: bold; }");
    notice_->setVisible(false);
    statusBar.addWidget(notice_);
    connect(notice_, &QToolButton::clicked, this, [this] { ShowPlan(plan::State::kOverdue); });

    connect(window_, &PlanWindow::asOfChanged, this, [this] { DocumentChanged(); });
    connect(window_, &PlanWindow::nodeRequested, this, [this](int slot) { selectNode_(slot); });
    connect(window_, &PlanWindow::exportRequested, this, &PlanPresenter::Export);
    session_.AddObserver(this);
}

PlanPresenter::~PlanPresenter() {
    session_.RemoveObserver(this);
}

plan::ActionPlan PlanPresenter::Build(const Date& asOf) const {
    return plan::BuildActionPlan(session_, dates_, asOf);
}

void PlanPresenter::DocumentChanged() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        Refresh();
    });
}

void PlanPresenter::Refresh() {
    const bool document = session_.DocumentCommandsEnabled();
    const std::string overdue = document ? plan::OverdueText(Build(dates_.Today())) : std::string();
    notice_->setText(ToQt(overdue));
    notice_->setVisible(!overdue.empty());
    if (window_->isVisible()) window_->SetPlan(Build(QtDates::FromQDate(window_->AsOf())));
}

void PlanPresenter::ShowPlan(std::optional<plan::State> state) {
    // A window opened anew, or opened on a state, shows the plan of today.
    if (!window_->isVisible() || state) window_->SetAsOf(QtDates::ToQDate(dates_.Today()));
    if (state || !window_->isVisible()) window_->FilterState(state);
    window_->SetPlan(Build(QtDates::FromQDate(window_->AsOf())));
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void PlanPresenter::Export(plan::Format format) {
    // The whole plan as the window shows it, whatever the filters hide.
    plan::SavePlan(window_->Plan(), format, session_.FileName(), port_, pdf_);
}
