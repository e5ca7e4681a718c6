#include "item_list_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QWheelEvent>
#include <algorithm>

ItemListCombo::ItemListCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (finishingEdit_ || index < 0) return;
        picked_ = index;
        emit itemPicked(index);
    });
}

void ItemListCombo::ShowPicked(int index) {
    picked_ = index;
    setCurrentIndex(index);
    if (index < 0) setEditText(QString());
}

void ItemListCombo::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // The list opens with the entry above or below the shown one highlighted, as if the
            // arrow had moved in it (from the top when the field names no entry); Return or a
            // click there picks it. Alt+Down and F4 open it too, Qt's own keys.
            showPopup();
            if (count() > 0) {
                const int shown = findText(currentText());
                const int step = event->key() == Qt::Key_Down ? 1 : -1;
                const int row = std::clamp(shown < 0 ? 0 : shown + step, 0, count() - 1);
                view()->setCurrentIndex(model()->index(row, modelColumn(), rootModelIndex()));
            }
            event->accept();
            return;
        }
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            showPopup();
            event->accept();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            finishingEdit_ = true;
            QComboBox::keyPressEvent(event);
            finishingEdit_ = false;
            event->accept();
            return;
        }
        default:
            QComboBox::keyPressEvent(event);
    }
}

void ItemListCombo::focusOutEvent(QFocusEvent* event) {
    finishingEdit_ = true;
    QComboBox::focusOutEvent(event);
    finishingEdit_ = false;
    // Not while its own list takes the focus: that is still choosing.
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible()) ShowPicked(picked_);
}

void ItemListCombo::wheelEvent(QWheelEvent* event) {
    event->ignore();
}
