#pragma once

#include "entry_dialog_port.h"

class QWidget;

// The deficiency and measure dialogs as real windows over the main window, each made for one use.
class QtEntryDialogs : public EntryDialogPort {
public:
    explicit QtEntryDialogs(QWidget* parent) : parent_(parent) {}

    bool ShowDeficiencyDialog(DeficiencyForm& form) override;
    bool ShowMeasureDialog(MeasureForm& form) override;

private:
    QWidget* parent_;
};
