#pragma once

#include "entry_dialog_port.h"
#include "questionnaire_answering.h"

class DocumentSession;
class QWidget;

// The deficiency, measure and answering dialogs as real windows over the main window, each made
// for one use.
class QtEntryDialogs : public EntryDialogPort, public ChecklistDialogPort {
public:
    // session: the open document, for the dialogs' photos.
    QtEntryDialogs(QWidget* parent, DocumentSession& session) : parent_(parent), session_(session) {}

    bool ShowDeficiencyDialog(DeficiencyForm& form) override;
    bool ShowMeasureDialog(MeasureForm& form) override;
    bool ShowChecklistDialog(ChecklistForm& form) override;

private:
    QWidget* parent_;
    DocumentSession& session_;
};
