#include "review_presenter.h"

#include <QAbstractItemModel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "document_review.h"
#include "document_session.h"
#include "review_window.h"
#include "text_codec.h"

ReviewPresenter::ReviewPresenter(DocumentSession& session, DatePort& dates, QAbstractItemModel& treeModel,
                                 QStatusBar& statusBar, QWidget* mainWindow, std::function<void(int)> selectNode)
    : QObject(mainWindow),
      session_(session),
      dates_(dates),
      mainWindow_(mainWindow),
      selectNode_(std::move(selectNode)) {
    notice_ = new QToolButton(&statusBar);
    notice_->setObjectName("RevisarStatus");
    notice_->setAutoRaise(true);
    notice_->setToolTip(QString::fromUtf8("Abrir la revisión del documento"));
    notice_->setVisible(false);
    statusBar.addWidget(notice_);
    connect(notice_, &QToolButton::clicked, this, &ReviewPresenter::ShowReview);

    // Every change of the document reaches the tree's model; the views and loading reset it.
    using Model = QAbstractItemModel;
    connect(&treeModel, &Model::modelReset, this, &ReviewPresenter::DocumentChanged);
    connect(&treeModel, &Model::rowsInserted, this, &ReviewPresenter::DocumentChanged);
    connect(&treeModel, &Model::rowsRemoved, this, &ReviewPresenter::DocumentChanged);
    connect(&treeModel, &Model::rowsMoved, this, &ReviewPresenter::DocumentChanged);
    connect(&treeModel, &Model::dataChanged, this, &ReviewPresenter::DocumentChanged);
    connect(&treeModel, &Model::layoutChanged, this, &ReviewPresenter::DocumentChanged);
}

void ReviewPresenter::DocumentChanged() {
    if (refreshPending_) return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        Refresh();
    });
}

void ReviewPresenter::Refresh() {
    const bool document = session_.DocumentCommandsEnabled();
    const std::vector<review::Gap> gaps =
        document ? review::Review(session_, dates_, dates_.Today()) : std::vector<review::Gap>();
    notice_->setText(ToQt(review::PendingText(static_cast<int>(gaps.size()))));
    notice_->setVisible(!gaps.empty());
    if (window_ && window_->isVisible()) window_->SetGaps(gaps);
}

void ReviewPresenter::ShowReview() {
    if (!window_) {
        window_ = new ReviewWindow(mainWindow_);
        connect(window_, &ReviewWindow::nodeRequested, this, [this](int slot) { selectNode_(slot); });
    }
    const bool document = session_.DocumentCommandsEnabled();
    window_->SetGaps(document ? review::Review(session_, dates_, dates_.Today()) : std::vector<review::Gap>());
    window_->show();
    window_->raise();
    window_->activateWindow();
}
