#include "tree_drop.h"

#include "cp1252.h"
#include "document_session.h"
#include "kinds.h"
#include "questionnaire_owner_flags.h"

namespace {

bool IsTopLevel(const TreeNode* owner) {
    return owner == nullptr || owner->parent == nullptr;  // the invisible root has no parent
}

// Brings the moved record's parent number and its questionnaire flag up to date.
void FollowMove(DocumentSession& session, TreeNode& moved, oToken* oldOwner) {
    oToken* record = moved.record;
    if (!record) return;
    oToken* newOwner = IsTopLevel(moved.parent) ? nullptr : moved.parent->record;
    record->SetFieldInt(field::kParent, newOwner ? session.Table().SlotOf(newOwner) : 0);
    if (record->GetKind(field::kKind) != kind::kQuestionnaire || oldOwner == newOwner) return;
    const auto number = owner_flags::QuestionnaireNumber(*record);
    if (!number) return;
    if (oldOwner) owner_flags::Clear(*oldOwner, *number);
    if (newOwner) owner_flags::Set(*newOwner, *number);
}

}  // namespace

void DropNode(DocumentSession& session, TreeNode* dragged, TreeNode* hit, DropZone zone) {
    if (session.ViewMode() != view::kGeographic || !dragged || zone == DropZone::Elsewhere) return;
    if (zone != DropZone::BelowLastNode && !hit) return;

    const UndoStep step(session, W("Mover"));
    DocumentTree& tree = session.Tree();
    session.SetModified(true);
    if (hit && hit->IsInBranchOf(dragged)) return;

    oToken* oldOwner = IsTopLevel(dragged->parent) ? nullptr : dragged->parent->record;
    TreeNode* newParent = nullptr;  // the top level
    int row = -1;                   // last
    if (zone == DropZone::OnNode) {
        newParent = hit;
    } else if (zone == DropZone::Indentation) {
        newParent = IsTopLevel(hit->parent) ? nullptr : hit->parent;
        row = hit->Row();
    }
    if (!tree.Move(dragged, newParent, row)) return;
    if (newParent) tree.Expand(newParent);
    FollowMove(session, *dragged, oldOwner);
    tree.Touch(dragged);  // a measure's shown text comes from its parent
}
