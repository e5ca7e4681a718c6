#include "document_outline.h"

#include "document_session.h"

namespace {

void FromTree(const TreeNode& node, int parent, std::vector<OutlineEntry>& out) {
    for (const auto& child : node.children) {
        int index = parent;
        if (child->record) {
            out.push_back({child->record, parent});
            index = static_cast<int>(out.size()) - 1;
        }
        FromTree(*child, index, out);
    }
}

}  // namespace

std::vector<OutlineEntry> DocumentOutline(const DocumentSession& session) {
    std::vector<OutlineEntry> out;
    if (session.ViewMode() == view::kGeographic) {
        FromTree(*session.Tree().Root(), -1, out);
        return out;
    }
    // The tree's children by slot, placed as the geographic tree is rebuilt: slot 0 is the top.
    const NodeTable& table = session.Table();
    const int count = table.count();
    std::vector<std::vector<int>> children(static_cast<std::size_t>(count) + 1);
    std::vector<bool> placed(static_cast<std::size_t>(count) + 1, false);
    for (int s = 1; s <= count; ++s) {
        const oToken* record = table.Record(s);
        if (!record) continue;
        const int p = s == 1 ? 0 : record->GetFieldInt(field::kParent);
        const bool under = p >= 1 && p <= count && placed[static_cast<std::size_t>(p)];
        children[under ? static_cast<std::size_t>(p) : 0].push_back(s);
        placed[static_cast<std::size_t>(s)] = true;
    }
    // Depth first, without recursion: a long chain of nested records cannot exhaust the stack.
    std::vector<std::pair<int, int>> pending;  // slot, parent's entry
    for (auto it = children[0].rbegin(); it != children[0].rend(); ++it)
        pending.emplace_back(*it, -1);
    while (!pending.empty()) {
        const auto [slot, parent] = pending.back();
        pending.pop_back();
        out.push_back({table.Record(slot), parent});
        const int index = static_cast<int>(out.size()) - 1;
        const std::vector<int>& below = children[static_cast<std::size_t>(slot)];
        for (auto it = below.rbegin(); it != below.rend(); ++it)
            pending.emplace_back(*it, index);
    }
    return out;
}
