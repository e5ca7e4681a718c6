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

}  // namespace

TEST(NodeTable, AppendFillsTheNextSlotUpToTheLimit) {
    DocumentSession session;
    ScriptedPort port;
    for (int i = 1; i <= 1023; ++i)
        ASSERT_TRUE(session.AppendRecord(Record(0, 'Z', "z"), port));
    oToken* last = session.AppendRecord(Record(0, 'Z', "z"), port);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetFieldInt(field::kSlot), 1024);
    EXPECT_TRUE(port.messages.empty());

    auto extra = Record(0, 'Z', "extra");
    EXPECT_EQ(session.AppendRecord(std::move(extra), port), nullptr);
    ASSERT_NE(extra, nullptr) << "a refused record stays with the caller";
    EXPECT_EQ(session.Table().count(), 1024);
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Alcanzado el máximo"});
}

TEST(NodeTable, EmptiedSlotsAreNotReused) {
    DocumentSession session;
    ScriptedPort port;
    for (int i = 1; i <= 8; ++i)
        session.AppendRecord(Record(0, 'Z', "z"), port);
    session.Table().Free(5);
    EXPECT_EQ(session.Table().Record(5), nullptr);
    EXPECT_EQ(session.AppendRecord(Record(0, 'Z', "z"), port)->GetFieldInt(field::kSlot), 9);
}

TEST(NodeTable, RebuildHangsRecordsUnderTheirParentSlotsInSlotOrder) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.AppendRecord(Record(1, 'Z', "a"), port);
    session.AppendRecord(Record(1, 'Z', "b"), port);
    session.AppendRecord(Record(2, 'P', "a1"), port);
    session.RebuildTree();
    EXPECT_EQ(Shape(session), "firm(a(a1) b)");
    EXPECT_EQ(session.ViewMode(), view::kGeographic);
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());
    EXPECT_EQ(session.Table().Node(4)->text, "a1");
    EXPECT_EQ(session.Table().Node(4)->icon, icon::kWorkstation);
    EXPECT_EQ(session.Table().Node(1)->record, session.Table().Record(1));
}

TEST(NodeTable, RebuildPutsNodesWithoutAPlacedParentAtTheTopLevel) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(3, 'E', "firm"), port);  // slot 1 is always top level
    session.AppendRecord(Record(40, 'Z', "far"), port);  // names no slot
    session.AppendRecord(Record(1, 'Z', "child"), port);
    session.AppendRecord(Record(-2, 'Z', "negative"), port);
    session.AppendRecord(Record(0, 'X', "second top"), port);
    session.AppendRecord(Record(5, 'C', "under X"), port);
    session.Table().Free(3);
    session.AppendRecord(Record(3, 'D', "under empty slot"), port);
    session.RebuildTree();
    EXPECT_EQ(Shape(session), "firm far negative second top(under X) under empty slot");
    EXPECT_EQ(session.Table().Record(1)->GetFieldInt(field::kParent), 0)
        << "the slot-1 record is made top-level";
    EXPECT_EQ(session.Table().Node(5)->icon, icon::kUndated);
}

TEST(NodeTable, RebuildFindsAParentInALaterSlot) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.AppendRecord(Record(3, 'Z', "moved"), port);  // moved under a node created later
    session.AppendRecord(Record(1, 'Z', "later"), port);
    session.RebuildTree();
    EXPECT_EQ(Shape(session), "firm(later(moved))");
}

TEST(NodeTable, RebuildBreaksParentCyclesInsteadOfLosingNodes) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.AppendRecord(Record(3, 'Z', "a"), port);
    session.AppendRecord(Record(2, 'Z', "b"), port);
    session.AppendRecord(Record(4, 'Z', "self"), port);
    session.RebuildTree();
    EXPECT_EQ(session.Tree().PreOrder().size(), 4u) << "every record keeps a node";
    EXPECT_EQ(Shape(session), "firm a(b) self");
}

TEST(NodeTable, OnlyTheFirstTopLevelNodeIsExpanded) {
    struct Expansions : TreeObserver {
        std::vector<TreeNode*> expanded;
        void ExpandRequested(TreeNode* node) override { expanded.push_back(node); }
    } observer;
    DocumentSession session;
    ScriptedPort port;
    session.Tree().SetObserver(&observer);
    session.AppendRecord(Record(0, 'E', "one"), port);
    session.AppendRecord(Record(0, 'E', "two"), port);
    session.RebuildTree();
    ASSERT_EQ(observer.expanded.size(), 1u);
    EXPECT_EQ(observer.expanded[0]->text, "one");
    session.Tree().SetObserver(nullptr);
}

TEST(NodeTable, ReindexMakesSlotsEqualThePreOrder) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.AppendRecord(Record(1, 'Z', "gone"), port);
    session.AppendRecord(Record(1, 'Z', "kept"), port);
    session.RebuildTree();
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

TEST(NodeTable, SelectedKindIsABlankWithoutARecord) {
    DocumentSession session;
    ScriptedPort port;
    EXPECT_EQ(session.SelectedKind(), ' ');
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.RebuildTree();
    session.Tree().Select(session.Table().Node(1));
    EXPECT_EQ(session.SelectedKind(), 'E');
    TreeNode* bare = session.Tree().AddChild(nullptr, "view node", nullptr, icon::kPending);
    session.Tree().Select(bare);
    EXPECT_EQ(session.SelectedKind(), ' ');
}

TEST(NodeTable, DeleteSubtreeFreesTheWholeBranchAndKeepsTheSlotsCounted) {
    DocumentSession session;
    ScriptedPort port;
    session.AppendRecord(Record(0, 'E', "firm"), port);
    session.AppendRecord(Record(1, 'Z', "zone"), port);
    session.AppendRecord(Record(2, 'P', "post"), port);
    session.AppendRecord(Record(3, 'C', "02.- q"), port);
    session.AppendRecord(Record(4, 'D', "d"), port);
    session.AppendRecord(Record(5, 'R', "r"), port);
    session.AppendRecord(Record(1, 'Z', "other"), port);
    session.RebuildTree();
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
