#pragma once

#include <functional>
#include <string>

class DatePort;
class DocumentSession;
class NodeDataForm;
class QuestionnaireAnswering;
class UserPort;
struct TreeNode;

// The node data editor's window, run modally on a form that has been opened. It leaves the
// user's entries in the form's values and answers true for "Aceptar", false for "Cancelar"
// or the close box. The Qt dialog implements it; tests script it.
class NodeDataDialogPort {
public:
    virtual ~NodeDataDialogPort() = default;
    virtual bool Run(NodeDataForm& form) = 0;
};

// "Imp. Vacío": asks for the printer and prints questionnaire `questionnaire` blank under
// `heading` (Windows-1252). Unset while no printout is available.
using BlankQuestionnaireHook = std::function<void(int questionnaire, const std::string& heading)>;

// EditNodeData: edits the record of a tree node in the data editor. On "Aceptar" the record's
// fields and the node's tree text have been written and the answer is true; otherwise nothing
// has changed.
class NodeDataEditor {
public:
    NodeDataEditor(DocumentSession& session, NodeDataDialogPort& dialog, UserPort& port, DatePort& dates);

    bool EditNodeData(TreeNode& node);
    // Runs the editor in another window from now on.
    void UseDialog(NodeDataDialogPort& dialog) { dialog_ = &dialog; }
    // Offers the answering of a questionnaire's checklist in the editor of a questionnaire.
    void UseAnswering(QuestionnaireAnswering& answering) { answering_ = &answering; }

private:
    DocumentSession& session_;
    NodeDataDialogPort* dialog_;
    UserPort& port_;
    DatePort& dates_;
    QuestionnaireAnswering* answering_ = nullptr;
};
