#include "document_snapshot.h"

#include "document_session.h"

namespace {

// Visits the tree's nodes in pre-order with their depth below the top level.
template <typename Visit>
void WalkTree(const TreeNode& parent, int depth, Visit& visit) {
    for (const auto& child : parent.children) {
        visit(*child, depth);
        WalkTree(*child, depth + 1, visit);
    }
}

}  // namespace

DocumentSnapshot DocumentSnapshot::Capture(const DocumentSession& session, const DocumentSnapshot* earlier) {
    DocumentSnapshot snapshot;
    const NodeTable& table = session.Table();
    snapshot.records_.reserve(table.count());
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        std::shared_ptr<const oToken> kept;
        if (record && earlier && s <= static_cast<int>(earlier->records_.size())) {
            const auto& before = earlier->records_[s - 1];
            if (before && *before == *record) kept = before;
        }
        if (record && !kept) kept = std::make_shared<const oToken>(*record);
        snapshot.records_.push_back(std::move(kept));
    }

    const TreeNode* selected = session.Tree().Selected();
    auto visit = [&](const TreeNode& node, int depth) {
        Node shape;
        shape.slot = table.SlotOf(node.record);
        shape.depth = depth;
        shape.icon = node.icon;
        shape.expanded = node.expanded;
        if (!node.record || node.text != node.record->GetField(field::kLabel)) shape.text = node.text;
        if (&node == selected) snapshot.selectedSlot_ = shape.slot;
        snapshot.nodes_.push_back(std::move(shape));
    };
    snapshot.nodes_.reserve(table.count());
    WalkTree(*session.Tree().Root(), 0, visit);
    snapshot.modified_ = session.Modified();
    return snapshot;
}

void DocumentSnapshot::RestoreInto(DocumentSession& session) const {
    NodeTable& table = session.Table();
    DocumentTree& tree = session.Tree();
    std::vector<TreeNode*> opened;
    TreeNode* selected = nullptr;
    // The records are replaced while the tree is empty, so that no node refers to a freed one.
    tree.Rebuild([&](DocumentTree& filled) {
        table.Clear();
        for (std::size_t k = 0; k < records_.size(); ++k) {
            const int s = static_cast<int>(k) + 1;
            table.Put(s, records_[k] ? std::make_unique<oToken>(*records_[k]) : nullptr);
        }
        std::vector<TreeNode*> parents;  // the last node placed at each depth
        for (const Node& shape : nodes_) {
            TreeNode* parent = shape.depth > 0 ? parents[shape.depth - 1] : nullptr;
            oToken* record = table.Record(shape.slot);
            const std::string text = shape.text ? *shape.text : record->GetField(field::kLabel);
            TreeNode* node = filled.AddChild(parent, text, record, shape.icon);
            table.SetNode(shape.slot, node);
            parents.resize(shape.depth);
            parents.push_back(node);
            if (shape.expanded) opened.push_back(node);
            if (shape.slot != 0 && shape.slot == selectedSlot_) selected = node;
        }
    });
    for (TreeNode* node : opened)
        tree.Expand(node);
    tree.Select(selected);

    session.SetViewMode(view::kGeographic);
    session.SetModified(modified_);
}

bool DocumentSnapshot::SameDocumentAs(const DocumentSession& session) const {
    const NodeTable& table = session.Table();
    if (table.count() != static_cast<int>(records_.size())) return false;
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        const auto& kept = records_[s - 1];
        if (!record != !kept || (record && *record != *kept)) return false;
    }
    std::size_t k = 0;
    bool same = true;
    auto visit = [&](const TreeNode& node, int depth) {
        if (!same) return;
        if (k >= nodes_.size()) {
            same = false;
            return;
        }
        const Node& shape = nodes_[k++];
        const std::string& label = node.record ? node.record->GetField(field::kLabel) : node.text;
        const std::string& text = shape.text ? *shape.text : label;
        same = shape.slot == table.SlotOf(node.record) && shape.depth == depth && shape.icon == node.icon &&
               text == node.text;
    };
    WalkTree(*session.Tree().Root(), 0, visit);
    return same && k == nodes_.size();
}
