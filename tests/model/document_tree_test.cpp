#include <gtest/gtest.h>

#include "document_tree.h"
#include "tree_observer.h"

namespace {

// Records what an on-screen view would be told, as "event parent row" strings.
struct Recorder : TreeObserver {
    std::vector<std::string> events;
    static std::string Name(const TreeNode* node) { return node->parent ? node->text : "root"; }
    void BeginInsert(TreeNode* parent, int row) override {
        events.push_back("insert " + Name(parent) + " " + std::to_string(row));
    }
    void BeginRemove(TreeNode* parent, int row) override {
        events.push_back("remove " + Name(parent) + " " + std::to_string(row));
    }
    void BeginMove(TreeNode* from, int fromRow, TreeNode* to, int toRow) override {
        events.push_back("move " + Name(from) + " " + std::to_string(fromRow) + " " + Name(to) + " " +
                         std::to_string(toRow));
    }
    void BeginReset() override { events.push_back("reset"); }
    void NodeChanged(TreeNode* node) override { events.push_back("changed " + node->text); }
    void SelectionChanged(TreeNode* node) override {
        events.push_back(std::string("select ") + (node ? node->text : "none"));
    }
};

std::string Children(const TreeNode* node) {
    std::string out;
    for (const auto& child : node->children)
        out += child->text;
    return out;
}

}  // namespace

TEST(DocumentTree, TellsTheObserverOfEachChange) {
    DocumentTree tree;
    Recorder recorder;
    tree.SetObserver(&recorder);
    TreeNode* a = tree.AddChild(nullptr, "a", nullptr, 0);
    TreeNode* b = tree.AddChild(a, "b", nullptr, 0);
    tree.SetText(b, "b");  // unchanged: nothing to tell
    tree.SetText(b, "B");
    tree.Select(b);
    tree.Remove(a);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"insert root 0", "insert a 0", "changed B",
                                                         "select B", "select none", "remove root 0"}));
    EXPECT_EQ(tree.Selected(), nullptr) << "removing a branch clears a selection inside it";
}

TEST(DocumentTree, MovesKeepTheRestInOrder) {
    DocumentTree tree;
    TreeNode* p = tree.AddChild(nullptr, "p", nullptr, 0);
    TreeNode* a = tree.AddChild(p, "a", nullptr, 0);
    tree.AddChild(p, "b", nullptr, 0);
    TreeNode* c = tree.AddChild(p, "c", nullptr, 0);
    Recorder recorder;
    tree.SetObserver(&recorder);

    EXPECT_TRUE(tree.Move(c, p, 0));
    EXPECT_EQ(Children(p), "cab");
    EXPECT_TRUE(tree.Move(c, p, 3));  // to the end, counted before the move
    EXPECT_EQ(Children(p), "abc");
    EXPECT_TRUE(tree.Move(a, nullptr, -1));
    EXPECT_EQ(Children(tree.Root()), "pa");
    EXPECT_EQ(a->parent, tree.Root());
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"move p 2 p 0", "move p 0 p 3", "move p 0 root 1"}));
}

TEST(DocumentTree, RefusesAMoveIntoTheNodesOwnBranch) {
    DocumentTree tree;
    TreeNode* a = tree.AddChild(nullptr, "a", nullptr, 0);
    TreeNode* b = tree.AddChild(a, "b", nullptr, 0);
    EXPECT_FALSE(tree.Move(a, b, 0));
    EXPECT_FALSE(tree.Move(a, a, 0));
    EXPECT_EQ(Children(tree.Root()), "a");
    EXPECT_EQ(Children(a), "b");
}

TEST(DocumentTree, PreOrderAndDepth) {
    DocumentTree tree;
    TreeNode* a = tree.AddChild(nullptr, "a", nullptr, 0);
    TreeNode* b = tree.AddChild(a, "b", nullptr, 0);
    tree.AddChild(b, "c", nullptr, 0);
    tree.AddChild(a, "d", nullptr, 0);
    tree.AddChild(nullptr, "e", nullptr, 0);
    std::string order;
    for (TreeNode* node : tree.PreOrder())
        order += node->text + std::to_string(node->Depth());
    EXPECT_EQ(order, "a0b1c2d1e0");
}
