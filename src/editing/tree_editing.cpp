#include "tree_editing.h"

#include <memory>

#include "cp1252.h"
#include "document_session.h"
#include "kinds.h"
#include "node_data_editor.h"
#include "questionnaire_answering.h"
#include "questionnaire_owner_flags.h"
#include "texts.h"
#include "user_port.h"

TreeEditing::TreeEditing(DocumentSession& session, UserPort& port, NodeDataEditor& editor,
                         ShownLabel shownLabel)
    : session_(session), port_(port), editor_(editor), shownLabel_(std::move(shownLabel)) {}

void TreeEditing::NewZone() {
    const UndoStep step(session_, W("Nueva Zona"));
    AddUnderSelected(kind::kZone, W("<Nueva Zona>"));
}

void TreeEditing::NewWorkstation() {
    const UndoStep step(session_, W("Nuevo Puesto"));
    AddUnderSelected(kind::kWorkstation, W("<Nuevo Puesto>"));
}

void TreeEditing::AddUnderSelected(char kind, const std::string& label) {
    DocumentTree& tree = session_.Tree();
    TreeNode* parent = session_.SelectedOfKind({kind::kFirm, kind::kZone}, text::kWrongKind, port_);
    if (!parent) return;
    oToken* record = session_.AppendRecord(std::make_unique<oToken>(), port_);
    if (!record) return;
    record->SetFieldInt(field::kParent, parent->record->GetFieldInt(field::kSlot));
    record->SetField(field::kKind, std::string(1, kind));
    record->SetField(field::kName, label);
    TreeNode* node = tree.AddChild(parent, label, record, KindIcon(kind));

    NodeTable& table = session_.Table();
    if (editor_.EditNodeData(*node)) {
        session_.SetNodeIcon(node, KindIcon(kind));
        tree.Select(node);
        tree.Expand(parent);
        table.SetNode(table.SlotOf(record), node);
        session_.SetModified(true);
    } else {
        // The node goes first, so that nothing on screen refers to the freed record.
        tree.Remove(node);
        table.TakeLast();
    }
}

void TreeEditing::Delete() {
    TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    if (!node->record) {  // the nodes of the other arrangements are no part of the document
        port_.ShowMessage(text::kWrongKind);
        return;
    }
    if (!port_.AskYesNo(W("Está seguro de borrar el item:") + shownLabel_(*node), W("Borrado de un item"))) {
        return;
    }
    const UndoStep step(session_, W("Eliminar"));
    // A deficiency that stood for a "No" answer takes the answer with it.
    oToken* answered = nullptr;
    std::optional<int> item;
    if (node->record->GetKind(field::kKind) == kind::kDeficiency) {
        answered = session_.Table().Parent(*node->record);
        item = DeficiencyItem(node->record->GetField(field::kItem));
    }
    if (node->record->GetKind(field::kKind) == kind::kQuestionnaire) {
        // A title that does not begin with a number stands for no flag: nothing to clear.
        oToken* owner = session_.Table().Parent(*node->record);
        const auto number = owner_flags::QuestionnaireNumber(*node->record);
        if (owner && number) owner_flags::Clear(*owner, *number);
    }
    session_.DeleteSubtree(node);
    if (answered && item && answered->GetKind(field::kKind) == kind::kQuestionnaire)
        ForgetNoWithoutDeficiency(session_.Table(), *answered, *item);
    session_.SetModified(true);
}

void TreeEditing::EditSelected() {
    if (session_.ViewMode() != view::kGeographic) return;
    TreeNode* node = session_.Tree().Selected();
    const UndoStep step(session_, W("Edición de Datos"));
    switch (session_.SelectedKind()) {
        case kind::kQuestionnaire:
            if (editor_.EditNodeData(*node)) session_.SetModified(true);
            break;
        case kind::kDeficiency:
        case kind::kMeasure:
        case kind::kFirm:
        case kind::kWorkstation:
        case kind::kZone:
            if (editor_.EditNodeData(*node)) {
                session_.Tree().SetText(node, node->record->GetField(field::kLabel));
                session_.SetModified(true);
            }
            break;
        default:
            port_.ShowMessage(text::kWrongKind);
            break;
    }
}
