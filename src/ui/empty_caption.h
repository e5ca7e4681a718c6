#pragma once

#include <QObject>

class QWidget;

// Lets a window's empty caption reach the desktop empty. Qt gives an untitled window the
// application's name instead ("kaldo"); on X11 the window's name properties are emptied again
// each time Qt has written them: when the native window is made and when the caption changes.
// Elsewhere (Wayland, the offscreen platform) it does nothing.
// No Q_OBJECT: it has no signals or slots, and its two files (empty_caption_x11.cpp,
// empty_caption_windows.cpp) are not named after the header, where moc would look.
class EmptyCaption : public QObject {
public:
    // Watches the window; it is the window's child.
    explicit EmptyCaption(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearNativeName();

    QWidget& window_;
};
