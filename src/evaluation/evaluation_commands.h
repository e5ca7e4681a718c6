#pragma once

class Catalogue;
class DatePort;
class DocumentSession;
class EntryDialogPort;
class UserPort;
class oToken;

// The commands that record a deficiency under a questionnaire ("Indicar Deficiencias") and a
// preventive measure under a deficiency ("Indicar Medidas Prev"), with the questionnaire's
// valuation that follows from the deficiencies.
class EvaluationCommands {
public:
    EvaluationCommands(DocumentSession& session, const Catalogue& catalogue, UserPort& port, DatePort& dates,
                       EntryDialogPort& dialogs);

    void IndicarDeficiencias1Click();
    void IndicarMedidasPrev1Click();

    // Runs the dialog on a new record whose field::kParent names its parent; on "Aceptar" writes the
    // entered fields into it and returns true, otherwise leaves it untouched.
    bool EnterDeficiency(oToken& record);
    bool EnterPreventiveMeasure(oToken& record);

private:
    DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    DatePort& dates_;
    EntryDialogPort& dialogs_;
};
