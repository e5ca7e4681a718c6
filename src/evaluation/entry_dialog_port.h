#pragma once

class DeficiencyForm;
class MeasureForm;

// The windows in which the user enters a deficiency or a preventive measure. Each shows its
// opened form modally and returns true when the user accepted; the form then holds what the
// user entered. The window implements it with real dialogs, tests with a script.
class EntryDialogPort {
public:
    virtual ~EntryDialogPort() = default;
    virtual bool ShowDeficiencyDialog(DeficiencyForm& form) = 0;
    virtual bool ShowMeasureDialog(MeasureForm& form) = 0;
};
