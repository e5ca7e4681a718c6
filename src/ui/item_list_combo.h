#pragma once

#include <QComboBox>

// An editable drop-down list whose entries are only picked from the open list, with the mouse
// or with the keys inside it. What is typed into the edit field stays a text: Qt would take a
// typed text that matches an entry for a pick when editing finishes (leaving the field, Return),
// and a turn of the mouse wheel or an arrow key on the closed box for one too. Here the arrow
// keys open the list, the wheel does nothing, and Return in the field is kept from the dialog's
// default button. Leaving the field shows the picked entry again, so that a typed text is
// never taken for what was chosen.
class ItemListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ItemListCombo(QWidget* parent = nullptr);

    // Shows the entry at index as the one picked (-1: none), without telling itemPicked.
    void ShowPicked(int index);

signals:
    // The user picked the entry at index from the open list.
    void itemPicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // True while the edit field finishes an edit: an activation then is no pick.
    bool finishingEdit_ = false;
    int picked_ = -1;
};
