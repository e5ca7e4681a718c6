#pragma once

struct TreeNode;

// Told of every change of a DocumentTree, before and after, so that a view of the tree can
// update in place and keep its expansion and selection. `parent` is the tree's invisible root
// for top-level rows.
class TreeObserver {
public:
    virtual ~TreeObserver() = default;

    virtual void BeginReset() {}
    virtual void EndReset() {}
    virtual void BeginInsert(TreeNode* /*parent*/, int /*row*/) {}
    virtual void EndInsert() {}
    virtual void BeginRemove(TreeNode* /*parent*/, int /*row*/) {}
    virtual void EndRemove() {}
    // toRow counts the destination's rows before the move, as Qt's beginMoveRows does.
    virtual void BeginMove(TreeNode* /*from*/, int /*fromRow*/, TreeNode* /*to*/, int /*toRow*/) {}
    virtual void EndMove() {}
    virtual void NodeChanged(TreeNode* /*node*/) {}
    virtual void SelectionChanged(TreeNode* /*node*/) {}
    virtual void ExpandRequested(TreeNode* /*node*/) {}
};
