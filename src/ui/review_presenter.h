#pragma once

#include <QObject>
#include <functional>

class DatePort;
class DocumentSession;
class QAbstractItemModel;
class QStatusBar;
class QToolButton;
class ReviewWindow;

// The review in the main window: the "Revisar el documento" window, opened on demand and kept up
// to date while the document changes, and the status bar's "N puntos pendientes", which opens
// the window when clicked.
class ReviewPresenter : public QObject {
    Q_OBJECT
public:
    // treeModel: the document tree's model, whose changes are the document's. selectNode: shows
    // the node of a slot in the document tree.
    ReviewPresenter(DocumentSession& session, DatePort& dates, QAbstractItemModel& treeModel,
                    QStatusBar& statusBar, QWidget* mainWindow, std::function<void(int slot)> selectNode);

    // Opens (or raises) the window.
    void ShowReview();
    // The document may have changed: the window and the notice follow once the change is over.
    void DocumentChanged();

    ReviewWindow* Window() const { return window_; }
    QToolButton* Notice() const { return notice_; }

private:
    void Refresh();

    DocumentSession& session_;
    DatePort& dates_;
    QWidget* mainWindow_;
    std::function<void(int)> selectNode_;
    ReviewWindow* window_ = nullptr;
    QToolButton* notice_;
    bool refreshPending_ = false;
};
