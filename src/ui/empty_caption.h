#pragma once

#include <QObject>

class QWidget;

// Lets a window's empty caption reach the desktop empty. Qt gives an untitled window the
// application's name instead ("kaldo"); on X11 the window's name properties are emptied again
// each time Qt has written them: when the native window is made and when the caption changes.
// Elsewhere (Wayland, the offscreen platform) it does nothing.
class EmptyCaption : public QObject {
    Q_OBJECT
public:
    // Watches the window; it is the window's child.
    explicit EmptyCaption(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearNativeName();

    QWidget& window_;
};
