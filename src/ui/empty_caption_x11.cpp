#include "empty_caption.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

}  // namespace

EmptyCaption::EmptyCaption(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

bool EmptyCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && window_.windowTitle().isEmpty()) {
        switch (event->type()) {
            case QEvent::WinIdChange:
            case QEvent::Show:
            case QEvent::WindowTitleChange:
                ClearNativeName();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void EmptyCaption::ClearNativeName() {
    // The offscreen platform answers as X11 too, without a connection.
    if (QGuiApplication::platformName() != "xcb" || !window_.windowHandle()) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const auto window = static_cast<xcb_window_t>(window_.winId());
    // The properties in which Qt wrote the caption, as it writes them: UTF-8 text.
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    for (const xcb_atom_t name :
         {static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME), Atom(connection, "_NET_WM_NAME")}) {
        if (name != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE)
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, name, utf8, 8, 0, nullptr);
    }
    xcb_flush(connection);
}
