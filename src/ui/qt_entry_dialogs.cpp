#include "qt_entry_dialogs.h"

#include "checklist_dialog.h"
#include "deficiency_dialog.h"
#include "measure_dialog.h"

bool QtEntryDialogs::ShowDeficiencyDialog(DeficiencyForm& form) {
    DeficiencyDialog dialog(form, parent_, &session_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtEntryDialogs::ShowMeasureDialog(MeasureForm& form) {
    MeasureDialog dialog(form, parent_, &session_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtEntryDialogs::ShowChecklistDialog(ChecklistForm& form) {
    ChecklistDialog dialog(form, parent_);
    return dialog.exec() == QDialog::Accepted;
}
