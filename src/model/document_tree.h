#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tree_node.h"

class TreeObserver;

// The ordered tree of the main window, with its single selection. Every change goes through
// here so that the observer (the on-screen view) hears of it.
class DocumentTree {
public:
    DocumentTree();
    DocumentTree(const DocumentTree&) = delete;
    DocumentTree& operator=(const DocumentTree&) = delete;

    void SetObserver(TreeObserver* observer) { observer_ = observer; }
    // Called after every change of the content (nodes, texts, icons; not the selection or which
    // branches are open), for whoever follows the document rather than shows the tree.
    void SetChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

    // The invisible root; its children are the top-level nodes.
    TreeNode* Root() { return &root_; }
    const TreeNode* Root() const { return &root_; }
    bool Empty() const { return root_.children.empty(); }
    TreeNode* FirstTopLevel() { return Empty() ? nullptr : root_.children.front().get(); }

    // Adds a node as the last child of parent (nullptr: the top level).
    TreeNode* AddChild(TreeNode* parent, const std::string& text, oToken* record, int icon);
    // Removes a node with its whole branch; the selection is cleared when it was inside.
    void Remove(TreeNode* node);
    // Moves a node with its branch to position row among newParent's children (nullptr: top
    // level), row counted before the move; refuses a move into the node's own branch.
    bool Move(TreeNode* node, TreeNode* newParent, int row);
    void SetText(TreeNode* node, const std::string& text);
    void SetIcon(TreeNode* node, int icon);
    // Tells the view that what the node shows may have changed (e.g. its record's fields).
    void Touch(TreeNode* node);

    // Replaces the whole content in one step: fill is called on the emptied tree.
    void Rebuild(const std::function<void(DocumentTree&)>& fill);
    void Clear();

    TreeNode* Selected() const { return selected_; }
    void Select(TreeNode* node);
    void Expand(TreeNode* node);
    // The view tells which branches the user opened or closed.
    void SetExpanded(TreeNode* node, bool on) {
        if (node) node->expanded = on;
    }

    // The nodes in pre-order: each top-level node followed by its descendants.
    std::vector<TreeNode*> PreOrder() const;
    static void PreOrderOf(TreeNode* node, std::vector<TreeNode*>& out);

private:
    TreeNode* ParentOrRoot(TreeNode* parent) { return parent ? parent : &root_; }
    void Changed() {
        if (changed_ && !rebuilding_) changed_();
    }

    TreeNode root_;
    TreeNode* selected_ = nullptr;
    TreeObserver* observer_ = nullptr;
    std::function<void()> changed_;
    bool rebuilding_ = false;
};
