#pragma once

#include "entry_dialog_port.h"
#include "questionnaire_answering.h"

class QWidget;

// The deficiency, measure and answering dialogs as real windows over the main window, each made
// for one use.
class QtEntryDialogs : public EntryDialogPort, public ChecklistDialogPort {
public:
    explicit QtEntryDialogs(QWidget* parent) : parent_(parent) {}

    bool ShowDeficiencyDialog(DeficiencyForm& form) override;
    bool ShowMeasureDialog(MeasureForm& form) override;
    bool ShowChecklistDialog(ChecklistForm& form) override;

private:
    QWidget* parent_;
};
