#include "screen_fit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Before a window is first mapped its frame is unknown: room is left for a usual title bar
// and border.
constexpr QMargins kAssumedFrame(4, 32, 4, 4);

QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    if (frame == inner) return kAssumedFrame;
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

}  // namespace

ScreenFit::ScreenFit(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

void ScreenFit::Fit(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window);
    const QSize room = area.size().shrunkBy(frame);
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size()) window.resize(size);
    // A window the program placed (a dialog over its owner, a kept position) is moved in; the
    // others are placed by the desktop, which keeps a window that fits on the screen.
    if (!window.testAttribute(Qt::WA_Moved)) return;
    const QSize outer = size.grownBy(frame);
    const int x = std::clamp(window.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(window.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (x != window.x() || y != window.y()) window.move(x, y);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet)) Fit(*widget);
    }
    return false;
}
