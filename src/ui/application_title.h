#pragma once

#include <QString>

// The application's title: the caption of its message boxes and, through the desktop entry,
// what the desktop shows for it. Window captions stay exactly their own (Qt would append a
// display name to every one of them, so none is set).
inline QString ApplicationTitle() {
    return QString::fromUtf8("Metodología KALDO 3.1");
}
