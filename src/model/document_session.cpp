#include "document_session.h"

#include <algorithm>
#include <vector>

#include "kinds.h"
#include "texts.h"
#include "user_port.h"

DocumentSession::DocumentSession() {
    tree_.SetChangeListener([this] { NotifyDocumentChanged(); });
}

void DocumentSession::AddObserver(SessionObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void DocumentSession::RemoveObserver(SessionObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// A copy is walked: an observer may add or remove observers while it is told.
void DocumentSession::NotifyStateChanged() {
    const std::vector<SessionObserver*> observers = observers_;
    for (SessionObserver* observer : observers)
        observer->StateChanged();
}

void DocumentSession::NotifyDocumentChanged() {
    const std::vector<SessionObserver*> observers = observers_;
    for (SessionObserver* observer : observers)
        observer->DocumentChanged();
}

void DocumentSession::EnableDocumentCommands(bool on) {
    Change(documentCommands_, on);
}

char DocumentSession::SelectedKind() const {
    const oToken* record = SelectedRecord();
    return record ? record->GetKind(field::kKind) : ' ';
}

oToken* DocumentSession::SelectedRecord() const {
    const TreeNode* node = tree_.Selected();
    return node ? node->record : nullptr;
}

TreeNode* DocumentSession::SelectedOfKind(std::initializer_list<char> kinds, const std::string& refusal,
                                          UserPort& port) const {
    TreeNode* node = tree_.Selected();
    if (!node) return nullptr;
    if (std::find(kinds.begin(), kinds.end(), SelectedKind()) == kinds.end()) {
        port.ShowMessage(refusal);
        return nullptr;
    }
    return node;
}

TreeNode* DocumentSession::AttachRecord(TreeNode& parent, std::unique_ptr<oToken> record, char kind,
                                        int captionField, UserPort& port) {
    oToken* added = AppendRecord(std::move(record), port);
    if (!added) return nullptr;
    added->SetField(field::kParent, parent.record->GetField(field::kSlot));
    added->SetField(field::kKind, std::string(1, kind));
    TreeNode* child = tree_.AddChild(&parent, added->GetField(captionField), added, KindIcon(kind));
    table_.SetNode(added->GetFieldInt(field::kSlot), child);
    return child;
}

oToken* DocumentSession::AppendRecord(std::unique_ptr<oToken>&& record, UserPort& port) {
    oToken* added = table_.Append(std::move(record));
    if (!added) port.ShowMessage(text::kMaximum);
    return added;
}

void DocumentSession::RebuildTree() {
    SetViewMode(view::kGeographic);
    if (oToken* first = table_.Record(1)) first->SetField(field::kParent, "0");

    // Every node is linked to the slot its field::kParent names, wherever that slot lies, so that a
    // parent in a later slot (after a move) still takes its children. A parent that names no
    // record, or a chain of parents that turns back on itself, leaves the node at the top level.
    const int count = table_.count();
    std::vector<int> parentOf(count + 1, 0);
    for (int s = 1; s <= count; ++s) {
        if (const oToken* record = table_.Record(s)) {
            const int p = record->GetFieldInt(field::kParent);
            parentOf[s] = (p >= 1 && p <= count && table_.Record(p)) ? p : 0;
        }
    }
    for (int s = 1; s <= count; ++s) {
        int steps = 0;
        for (int p = parentOf[s]; p != 0 && steps <= count; p = parentOf[p], ++steps) {
            if (p == s) {
                parentOf[s] = 0;
                break;
            }
        }
    }
    std::vector<std::vector<int>> children(count + 1);
    for (int s = 1; s <= count; ++s) {
        if (table_.Record(s)) children[parentOf[s]].push_back(s);
    }

    tree_.Rebuild([&](DocumentTree& tree) {
        std::vector<std::pair<TreeNode*, int>> pending;  // (parent node, slot), placed depth-first
        for (auto it = children[0].rbegin(); it != children[0].rend(); ++it)
            pending.emplace_back(nullptr, *it);
        while (!pending.empty()) {
            auto [parent, s] = pending.back();
            pending.pop_back();
            oToken* record = table_.Record(s);
            TreeNode* node = tree.AddChild(parent, record->GetField(field::kLabel), record,
                                           KindIcon(record->GetKind(field::kKind)));
            table_.SetNode(s, node);
            for (auto it = children[s].rbegin(); it != children[s].rend(); ++it)
                pending.emplace_back(node, *it);
        }
    });
    tree_.Expand(tree_.FirstTopLevel());
}

void DocumentSession::DeleteSubtree(TreeNode* node) {
    if (!node) return;
    std::vector<TreeNode*> branch;
    DocumentTree::PreOrderOf(node, branch);
    std::vector<int> slots;
    for (const TreeNode* member : branch) {
        if (member->record) slots.push_back(table_.SlotOf(member->record));
    }
    // The nodes go first, so that nothing on screen refers to a freed record.
    tree_.Remove(node);
    for (int s : slots)
        table_.Free(s);
}

void DocumentSession::ClearDocument() {
    tree_.Clear();
    table_.Clear();
    history_.Clear();
    photos_.Close();
}
