#pragma once

class Catalogue;
class DatePort;
class DocumentSession;
class QuestionnaireSelectionPort;
class UserPort;
class oToken;

// Shows the selection dialog for a firm, zone or workstation record. On acceptance it writes
// the chosen flags (kAssignmentFlags) and the picker's date (kPlannedDate) and returns true; on cancellation,
// or when kPlannedDate holds no readable date, it writes nothing and returns false.
bool SelectQuestionnaires(oToken& record, QuestionnaireSelectionPort& dialog, UserPort& port,
                          DatePort& dates);

// The command "Asignar Cuestionarios": lets the user choose the questionnaires of the selected
// firm, zone or workstation, then adds a questionnaire node for each one chosen and removes the
// branch of each one taken away.
class QuestionnaireAssignment {
public:
    QuestionnaireAssignment(DocumentSession& session, const Catalogue& catalogue,
                            QuestionnaireSelectionPort& dialog, UserPort& port, DatePort& dates);

    void AsignarCuestionarios1Click();

private:
    DocumentSession& session_;
    const Catalogue& catalogue_;
    QuestionnaireSelectionPort& dialog_;
    UserPort& port_;
    DatePort& dates_;
};
