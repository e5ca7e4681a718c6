#pragma once

#include <QDateEdit>

// A drop-down date picker that can look empty: while blank it holds a date (the calendar
// opens on it) but shows nothing, until the user picks or changes a date.
class BlankableDateEdit : public QDateEdit {
    Q_OBJECT
public:
    explicit BlankableDateEdit(QWidget* parent = nullptr);

    bool IsBlank() const { return blank_; }
    void SetBlank(bool blank);

signals:
    // The date changed, or the user picked one in the calendar (also the date already held).
    // Set the first date before listening.
    void userChangedDate();

private:
    void ApplyLook();

    bool blank_ = false;
};
