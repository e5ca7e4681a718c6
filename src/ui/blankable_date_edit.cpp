#include "blankable_date_edit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "qt_spanish.h"

// While blank the picker stands on its minimum date, which it shows as the special value text:
// three blanks, nothing to read. The real dates a document holds all lie after it.
BlankableDateEdit::BlankableDateEdit(QWidget* parent) : QDateEdit(parent) {
    ShowCalendarInSpanish(*this);
    setMinimumDate(QDate(100, 1, 1));
    setSpecialValueText("   ");
    // A pick in the calendar counts even when it is the date already held, which
    // dateChanged would not report.
    connect(calendarWidget(), &QCalendarWidget::clicked, this, [this] { emit userChangedDate(); });
    connect(calendarWidget(), &QCalendarWidget::activated, this, [this] { emit userChangedDate(); });
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (date() != minimumDate()) blank_ = false;
        emit userChangedDate();
    });
    // The calendar is made with the picker; it opens in a popup window of its own.
    calendarWidget()->window()->installEventFilter(this);
}

void BlankableDateEdit::SetBlank(bool blank) {
    if (blank == blank_) return;
    const QSignalBlocker quiet(this);
    if (blank) {
        held_ = date();
        blank_ = true;
        setDate(minimumDate());
    } else {
        blank_ = false;
        setDate(held_);
    }
}

void BlankableDateEdit::TakeHeldDate() {
    blank_ = false;
    setDate(held_);  // a change from the blank minimum, so dateChanged tells the listeners
}

bool BlankableDateEdit::eventFilter(QObject* watched, QEvent* event) {
    // The calendar opens on the held date, not on the minimum that stands for "blank". Its own
    // signals stay quiet: only a pick by the user is a change.
    if (event->type() == QEvent::Show && blank_ && watched == calendarWidget()->window()) {
        const QSignalBlocker quiet(calendarWidget());
        calendarWidget()->setSelectedDate(held_);
    }
    return QDateEdit::eventFilter(watched, event);
}

void BlankableDateEdit::keyPressEvent(QKeyEvent* event) {
    // Typing a digit into the empty box starts from the held date.
    if (blank_ && !event->text().isEmpty() && event->text().front().isDigit()) TakeHeldDate();
    QDateEdit::keyPressEvent(event);
}

void BlankableDateEdit::stepBy(int steps) {
    // The first step from the empty box shows the held date rather than the minimum's neighbour.
    if (blank_) {
        TakeHeldDate();
        return;
    }
    QDateEdit::stepBy(steps);
}
