#include "blankable_date_edit.h"

#include <QCalendarWidget>
#include <QLineEdit>

BlankableDateEdit::BlankableDateEdit(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    // A pick in the calendar counts even when it is the date already held, which
    // dateChanged would not report.
    connect(calendarWidget(), &QCalendarWidget::clicked, this, [this] { emit userChangedDate(); });
    connect(calendarWidget(), &QCalendarWidget::activated, this, [this] { emit userChangedDate(); });
    connect(this, &QDateEdit::dateChanged, this, &BlankableDateEdit::userChangedDate);
}

void BlankableDateEdit::SetBlank(bool blank) {
    blank_ = blank;
    ApplyLook();
}

void BlankableDateEdit::ApplyLook() {
    // The text is drawn in no colour at all while blank; the box, its arrow and the calendar
    // stay as they are.
    QPalette look = palette();
    if (blank_) {
        for (auto role : {QPalette::Text, QPalette::HighlightedText, QPalette::Highlight})
            look.setColor(role, Qt::transparent);
    }
    lineEdit()->setPalette(look);
}
