#pragma once

#include <QDate>
#include <QDateEdit>

// A drop-down date picker that can be empty: while blank it shows no date at all, whatever the
// colours or style sheet, and holds the date on which its calendar opens, until the user picks,
// types or steps to a date. Its calendar speaks Spanish.
class BlankableDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BlankableDateEdit(QWidget* parent = nullptr);

    bool IsBlank() const { return blank_; }
    // Blank: the date shown so far becomes the held date. Not blank: the held date is shown.
    void SetBlank(bool blank);
    // The date shown, or while blank the date held.
    QDate HeldDate() const { return blank_ ? held_ : date(); }

signals:
    // The date changed, or the user picked one in the calendar (also the date already held).
    // Set the first date before listening.
    void userChangedDate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void stepBy(int steps) override;

private:
    // The user starts from the held date: it is shown (and reported as a change) first.
    void TakeHeldDate();

    bool blank_ = false;
    QDate held_;
};
