#include "empty_caption.h"

#include <QWidget>

// Windows shows an untitled window's caption as it is, empty: there is nothing to undo.

EmptyCaption::EmptyCaption(QWidget& window) : QObject(&window), window_(window) {}

bool EmptyCaption::eventFilter(QObject* watched, QEvent* event) {
    return QObject::eventFilter(watched, event);
}

void EmptyCaption::ClearNativeName() {}
