#pragma once

#include <string>

class Catalogue;
class DatePort;
class DocumentSession;
class EntryDialogPort;
class UserPort;
class oToken;
struct TreeNode;

// The commands that record a deficiency under a questionnaire ("Indicar Deficiencias") and a
// preventive measure under a deficiency ("Indicar Medidas Prev"), with the questionnaire's
// valuation that follows from the deficiencies.
class EvaluationCommands {
public:
    EvaluationCommands(DocumentSession& session, const Catalogue& catalogue, UserPort& port, DatePort& dates,
                       EntryDialogPort& dialogs);

    void IndicarDeficiencias1Click();
    void IndicarMedidasPrev1Click();

    // Records a deficiency under a questionnaire's node as "Indicar Deficiencias" does once it has
    // checked the kind: the dialog, then on "Aceptar" the valuation raised and the node added.
    // pickedItem: an entry of the item list ("01".."30") picked before the dialog shows, as if the
    // user had picked it; empty for none. Returns whether a deficiency was added.
    bool AddDeficiency(TreeNode& node, const std::string& pickedItem = {});

    // Runs the dialog on a new record whose field::kParent names its parent; on "Aceptar" writes the
    // entered fields into it and returns true, otherwise leaves it untouched.
    bool EnterDeficiency(oToken& record, const std::string& pickedItem = {});
    bool EnterPreventiveMeasure(oToken& record);

private:
    DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    DatePort& dates_;
    EntryDialogPort& dialogs_;
};
