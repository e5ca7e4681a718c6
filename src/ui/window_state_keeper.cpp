#include "window_state_keeper.h"

#include <QEvent>
#include <QMainWindow>
#include <QSplitter>

#include "qt_settings_store.h"

WindowStateKeeper::WindowStateKeeper(QMainWindow& window, QSplitter& splitter, QtSettingsStore& settings)
    : QObject(&window), window_(window), splitter_(splitter), settings_(settings) {
    // A stored state that Qt does not accept (damaged, or from another version) leaves the
    // window as it was made.
    window_.restoreGeometry(settings_.Value(setting::kWindowGeometry).toByteArray());
    splitter_.restoreState(settings_.Value(setting::kPanelWidth).toByteArray());
    window_.installEventFilter(this);
}

void WindowStateKeeper::Store() const {
    settings_.SetValue(setting::kWindowGeometry, window_.saveGeometry());
    settings_.SetValue(setting::kPanelWidth, splitter_.saveState());
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event) {
    // Stored on every attempt to close: a close that is then refused changes nothing here.
    if (watched == &window_ && event->type() == QEvent::Close) Store();
    return QObject::eventFilter(watched, event);
}
