#include "tree_node.h"

int TreeNode::Row() const {
    if (!parent) return 0;
    for (std::size_t i = 0; i < parent->children.size(); ++i) {
        if (parent->children[i].get() == this) return static_cast<int>(i);
    }
    return 0;
}

int TreeNode::Depth() const {
    int depth = -1;
    for (const TreeNode* n = parent; n; n = n->parent)
        ++depth;
    return depth < 0 ? 0 : depth;
}

bool TreeNode::IsInBranchOf(const TreeNode* ancestor) const {
    for (const TreeNode* n = this; n; n = n->parent) {
        if (n == ancestor) return true;
    }
    return false;
}
