#include "document_tree.h"

#include "tree_observer.h"

DocumentTree::DocumentTree() = default;

TreeNode* DocumentTree::AddChild(TreeNode* parent, const std::string& text, oToken* record, int icon) {
    TreeNode* owner = ParentOrRoot(parent);
    auto node = std::make_unique<TreeNode>();
    node->text = text;
    node->record = record;
    node->icon = icon;
    node->parent = owner;
    const int row = static_cast<int>(owner->children.size());
    if (observer_ && !rebuilding_) observer_->BeginInsert(owner, row);
    owner->children.push_back(std::move(node));
    if (observer_ && !rebuilding_) observer_->EndInsert();
    Changed();
    return owner->children.back().get();
}

void DocumentTree::Remove(TreeNode* node) {
    if (!node || node == &root_) return;
    if (selected_ && selected_->IsInBranchOf(node)) Select(nullptr);
    TreeNode* owner = node->parent;
    const int row = node->Row();
    if (observer_ && !rebuilding_) observer_->BeginRemove(owner, row);
    owner->children.erase(owner->children.begin() + row);
    if (observer_ && !rebuilding_) observer_->EndRemove();
    Changed();
}

bool DocumentTree::Move(TreeNode* node, TreeNode* newParent, int row) {
    TreeNode* target = ParentOrRoot(newParent);
    if (!node || node == &root_ || target->IsInBranchOf(node)) return false;
    TreeNode* from = node->parent;
    const int fromRow = node->Row();
    const int size = static_cast<int>(target->children.size());
    if (row < 0 || row > size) row = size;
    // Putting a node just before or after itself changes nothing.
    if (from == target && (row == fromRow || row == fromRow + 1)) return true;
    if (observer_) observer_->BeginMove(from, fromRow, target, row);
    std::unique_ptr<TreeNode> owned = std::move(from->children[fromRow]);
    from->children.erase(from->children.begin() + fromRow);
    int insertAt = row;
    if (from == target && fromRow < row) --insertAt;
    owned->parent = target;
    target->children.insert(target->children.begin() + insertAt, std::move(owned));
    if (observer_) observer_->EndMove();
    Changed();
    return true;
}

void DocumentTree::SetText(TreeNode* node, const std::string& text) {
    if (!node || node->text == text) return;
    node->text = text;
    Touch(node);
}

void DocumentTree::SetIcon(TreeNode* node, int icon) {
    if (!node || node->icon == icon) return;
    node->icon = icon;
    Touch(node);
}

void DocumentTree::Touch(TreeNode* node) {
    if (!node) return;
    if (observer_ && !rebuilding_) observer_->NodeChanged(node);
    Changed();
}

void DocumentTree::Rebuild(const std::function<void(DocumentTree&)>& fill) {
    if (observer_) observer_->BeginReset();
    selected_ = nullptr;
    root_.children.clear();
    rebuilding_ = true;
    fill(*this);
    rebuilding_ = false;
    if (observer_) observer_->EndReset();
    Changed();
    if (observer_) observer_->SelectionChanged(nullptr);
}

void DocumentTree::Clear() {
    Rebuild([](DocumentTree&) {});
}

void DocumentTree::Select(TreeNode* node) {
    if (node == &root_) node = nullptr;
    if (selected_ == node) return;
    selected_ = node;
    if (observer_) observer_->SelectionChanged(node);
}

void DocumentTree::Expand(TreeNode* node) {
    if (!node || node == &root_) return;
    node->expanded = true;
    if (observer_) observer_->ExpandRequested(node);
}

std::vector<TreeNode*> DocumentTree::PreOrder() const {
    std::vector<TreeNode*> out;
    for (const auto& child : root_.children)
        PreOrderOf(child.get(), out);
    return out;
}

void DocumentTree::PreOrderOf(TreeNode* node, std::vector<TreeNode*>& out) {
    out.push_back(node);
    for (const auto& child : node->children)
        PreOrderOf(child.get(), out);
}
