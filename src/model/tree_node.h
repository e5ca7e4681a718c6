#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kinds.h"

class oToken;

// A node of the tree that the main window shows. In the document tree each node refers to the
// record it shows (owned by the node table); the nodes of the other arrangements have none.
struct TreeNode {
    std::string text;
    int icon = icon::kUndated;
    oToken* record = nullptr;
    TreeNode* parent = nullptr;  // the invisible root for a top-level node
    bool expanded = false;       // its children are shown; kept so that undoing restores it
    std::vector<std::unique_ptr<TreeNode>> children;
    std::string tip;  // a view node's tooltip, when it says more than the text

    int Row() const;                                    // position among its parent's children
    int Depth() const;                                  // 0 for a top-level node
    bool IsInBranchOf(const TreeNode* ancestor) const;  // the node itself or one of its descendants
};
