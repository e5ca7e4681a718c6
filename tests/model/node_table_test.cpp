#include <gtest/gtest.h>

#include "document_session.h"
#include "kinds.h"
#include "scripted_port.h"
#include "tree_observer.h"

namespace {

std::unique_ptr<oToken> Record(int parent, char kind, const std::string& name) {
    auto record = std::make_unique<oToken>();
    record->SetFieldInt(field::kParent, parent);
    record->SetField(field::kKind, std::string(1, kind));
    record->SetField(field::kLabel, name);
    return record;
}

// "name(child child)" for every top-level node, to compare tree shapes at a glance.
std::string Shape(const TreeNode* node) {
    std::string out = node->text;
    if (!node->children.empty()) {
        out += "(";
        for (std::size_t i = 0; i < node->children.size(); ++i)
            out += (i ? " " : "") + Shape(node->children[i].get());
        out += ")";
    }
    return out;
}

std::string Shape(DocumentSession& session) {
    std::string out;
    for (const auto& top : session.Tree().Root()->children)
        out += (out.empty() ? "" : " ") + Shape(top.get());
    return out;
}

// A document session and the user who is told its messages, with records added through the
// session as the commands add them.
struct NodeTableTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;

    oToken* Add(int parent, char kind, const std::string& name) {
        return session.AppendRecord(Record(parent, kind, name), port);
    }

    struct Row {
        int parent;
        char kind;
        const char* name;
    };
    // Adds the records in order and builds the tree from them.
    void Build(std::initializer_list<Row> rows) {
        for (const Row& row : rows)
            Add(row.parent, row.kind, row.name);
        session.RebuildTree();
    }
};

}  // namespace

TEST_F(NodeTableTest, AppendFillsTheNextSlotUpToTheLimit) {
    for (int i = 1; i <= 1023; ++i)
        ASSERT_TRUE(Add(0, 'Z', "z"));
    oToken* last = Add(0, 'Z', "z");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetFieldInt(field::kSlot), 1024);
    EXPECT_TRUE(port.messages.empty());

    auto extra = Record(0, 'Z', "extra");
    EXPECT_EQ(session.AppendRecord(std::move(extra), port), nullptr);
    ASSERT_NE(extra, nullptr) << "a refused record stays with the caller";
    EXPECT_EQ(session.Table().count(), 1024);
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Alcanzado el máximo"});
}

TEST_F(NodeTableTest, EmptiedSlotsAreNotReused) {
    for (int i = 1; i <= 8; ++i)
        Add(0, 'Z', "z");
    session.Table().Free(5);
    EXPECT_EQ(session.Table().Record(5), nullptr);
    EXPECT_EQ(Add(0, 'Z', "z")->GetFieldInt(field::kSlot), 9);
}

TEST_F(NodeTableTest, RebuildHangsRecordsUnderTheirParentSlotsInSlotOrder) {
    Build({{0, 'E', "firm"}, {1, 'Z', "a"}, {1, 'Z', "b"}, {2, 'P', "a1"}});
    EXPECT_EQ(Shape(session), "firm(a(a1) b)");
    EXPECT_EQ(session.ViewMode(), view::kGeographic);
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());
    EXPECT_EQ(session.Table().Node(4)->text, "a1");
    EXPECT_EQ(session.Table().Node(4)->icon, icon::kWorkstation);
    EXPECT_EQ(session.Table().Node(1)->record, session.Table().Record(1));
}

TEST_F(NodeTableTest, RebuildPutsNodesWithoutAPlacedParentAtTheTopLevel) {
    Add(3, 'E', "firm");  // slot 1 is always top level
    Add(40, 'Z', "far");  // names no slot
    Add(1, 'Z', "child");
    Add(-2, 'Z', "negative");
    Add(0, 'X', "second top");
    Add(5, 'C', "under X");
    session.Table().Free(3);
    Add(3, 'D', "under empty slot");
    session.RebuildTree();
    EXPECT_EQ(Shape(session), "firm far negative second top(under X) under empty slot");
    EXPECT_EQ(session.Table().Record(1)->GetFieldInt(field::kParent), 0)
        << "the slot-1 record is made top-level";
    EXPECT_EQ(session.Table().Node(5)->icon, icon::kUndated);
}

TEST_F(NodeTableTest, RebuildFindsAParentInALaterSlot) {
    Build({{0, 'E', "firm"}, {3, 'Z', "moved"}, {1, 'Z', "later"}});  // "moved" under a node created later
    EXPECT_EQ(Shape(session), "firm(later(moved))");
}

TEST_F(NodeTableTest, RebuildBreaksParentCyclesInsteadOfLosingNodes) {
    Build({{0, 'E', "firm"}, {3, 'Z', "a"}, {2, 'Z', "b"}, {4, 'Z', "self"}});
    EXPECT_EQ(session.Tree().PreOrder().size(), 4u) << "every record keeps a node";
    EXPECT_EQ(Shape(session), "firm a(b) self");
}

TEST_F(NodeTableTest, OnlyTheFirstTopLevelNodeIsExpanded) {
    struct Expansions : TreeObserver {
        std::vector<TreeNode*> expanded;
        void ExpandRequested(TreeNode* node) override { expanded.push_back(node); }
    } observer;
    session.Tree().SetObserver(&observer);
    Build({{0, 'E', "one"}, {0, 'E', "two"}});
    ASSERT_EQ(observer.expanded.size(), 1u);
    EXPECT_EQ(observer.expanded[0]->text, "one");
    session.Tree().SetObserver(nullptr);
}

TEST_F(NodeTableTest, ReindexMakesSlotsEqualThePreOrder) {
    Build({{0, 'E', "firm"}, {1, 'Z', "gone"}, {1, 'Z', "kept"}});
    session.Tree().Remove(session.Table().Node(2));
    session.Table().Free(2);
    std::vector<oToken*> records;
    std::vector<TreeNode*> nodes;
    for (TreeNode* node : session.Tree().PreOrder()) {
        records.push_back(node->record);
        nodes.push_back(node);
    }
    session.Table().Reindex(records, nodes);
    EXPECT_EQ(session.Table().count(), 2);
    EXPECT_EQ(session.Table().Record(2)->GetField(field::kLabel), "kept");
    EXPECT_EQ(session.Table().Node(2)->text, "kept");
}

TEST_F(NodeTableTest, SelectedKindIsABlankWithoutARecord) {
    EXPECT_EQ(session.SelectedKind(), ' ');
    Build({{0, 'E', "firm"}});
    session.Tree().Select(session.Table().Node(1));
    EXPECT_EQ(session.SelectedKind(), 'E');
    TreeNode* bare = session.Tree().AddChild(nullptr, "view node", nullptr, icon::kPending);
    session.Tree().Select(bare);
    EXPECT_EQ(session.SelectedKind(), ' ');
}

TEST_F(NodeTableTest, DeleteSubtreeFreesTheWholeBranchAndKeepsTheSlotsCounted) {
    Build({{0, 'E', "firm"},
           {1, 'Z', "zone"},
           {2, 'P', "post"},
           {3, 'C', "02.- q"},
           {4, 'D', "d"},
           {5, 'R', "r"},
           {1, 'Z', "other"}});
    session.Tree().Select(session.Table().Node(5));
    session.DeleteSubtree(session.Table().Node(2));
    for (int s = 2; s <= 6; ++s) {
        EXPECT_EQ(session.Table().Record(s), nullptr) << s;
        EXPECT_EQ(session.Table().Node(s), nullptr) << s;
    }
    EXPECT_EQ(session.Table().count(), 7);
    EXPECT_EQ(Shape(session), "firm(other)");
    EXPECT_EQ(session.Tree().Selected(), nullptr);
}
