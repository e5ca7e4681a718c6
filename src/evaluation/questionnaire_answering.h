#pragma once

#include <optional>
#include <set>
#include <string>

class Catalogue;
class ChecklistForm;
class NodeTable;
class DocumentSession;
class EvaluationCommands;
class UserPort;
class oToken;
struct TreeNode;

// The answering dialog's window, run modally on an opened form; true for "Aceptar", the form then
// holding the user's answers. The Qt dialog implements it; tests script it.
class ChecklistDialogPort {
public:
    virtual ~ChecklistDialogPort() = default;
    virtual bool ShowChecklistDialog(ChecklistForm& form) = 0;
};

// "Responder Cuestionario": the user answers a questionnaire's items one by one. On "Aceptar"
// every item newly answered "No" is recorded as a deficiency through the deficiency dialog, with
// the item picked, exactly as "Indicar Deficiencias" records one (an item whose dialog is
// cancelled is left unanswered); then the answers are stored, and a questionnaire whose every item
// is answered and none "No" is valued "Aplicado": at least, while deficiencies hang under it,
// else exactly.
class QuestionnaireAnswering {
public:
    QuestionnaireAnswering(DocumentSession& session, const Catalogue& catalogue, UserPort& port,
                           ChecklistDialogPort& dialog, EvaluationCommands& deficiencies);

    // The context-menu command, on the selected node.
    void ResponderCuestionario1Click();
    // The whole answering of one questionnaire node, every change it makes included: one step for
    // the user. Returns whether the document changed.
    bool AnswerQuestionnaire(TreeNode& node);

    // "Respondidos: ... · Valoración: Aplicado" for a questionnaire record.
    std::string Summary(const oToken& questionnaire) const;
    // The numbers of the items that the deficiencies under a questionnaire node were recorded for.
    static std::set<int> ItemsWithDeficiency(const TreeNode& node);

private:
    DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    ChecklistDialogPort& dialog_;
    EvaluationCommands& deficiencies_;
};

// The item a deficiency was recorded for, from its item text ("7. " and the item's text, as
// the deficiency dialog writes it); nothing for a text that names no item.
std::optional<int> DeficiencyItem(const std::string& itemText);

// What deleting a deficiency does to its questionnaire's answers: an item answered "No" that no
// deficiency under the questionnaire stands for any longer is left unanswered, so that a "No"
// never outlives its deficiency. Called once the deficiency is gone from the table; whether the
// answers changed.
bool ForgetNoWithoutDeficiency(const NodeTable& table, oToken& questionnaire, int item);
