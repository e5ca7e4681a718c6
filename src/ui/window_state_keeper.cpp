#include "window_state_keeper.h"

#include <QEvent>
#include <QMainWindow>
#include <QSplitter>

#include "user_settings.h"

namespace {

const char* const kGeometryKey = "ventana/geometria";
const char* const kSplitterKey = "ventana/divisor";

}  // namespace

WindowStateKeeper::WindowStateKeeper(QMainWindow& window, QSplitter& splitter)
    : QObject(&window), window_(window), splitter_(splitter) {
    const QSettings settings = UserSettings();
    // A stored state that Qt does not accept (damaged, or from another version) leaves the
    // window as it was made.
    window_.restoreGeometry(settings.value(kGeometryKey).toByteArray());
    splitter_.restoreState(settings.value(kSplitterKey).toByteArray());
    window_.installEventFilter(this);
}

void WindowStateKeeper::Store() const {
    QSettings settings = UserSettings();
    settings.setValue(kGeometryKey, window_.saveGeometry());
    settings.setValue(kSplitterKey, splitter_.saveState());
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event) {
    // Stored on every attempt to close: a close that is then refused changes nothing here.
    if (watched == &window_ && event->type() == QEvent::Close) Store();
    return QObject::eventFilter(watched, event);
}
