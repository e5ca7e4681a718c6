#include <gtest/gtest.h>

#include "document_commands.h"
#include "editing_fixture.h"
#include "temp_dir.h"
#include "tree_drop.h"
#include "tree_observer.h"

namespace {

// Remembers which nodes the view was asked to open.
struct ExpandRecorder : TreeObserver {
    std::vector<std::string> expanded;
    void ExpandRequested(TreeNode* node) override { expanded.push_back(node->text); }
};

// Firm > zone A (> workstation A1, questionnaire 03), zone B (> workstation B1), questionnaire 00.
struct TreeDropTest : EditingFixture, ::testing::Test {
    ExpandRecorder recorder;

    TreeDropTest() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\t\t\t\t\t\t\t\t10000000000000000000000",
                               "2\t1\tZ\tA\t\t\t\t\t\t\t\t00010000000000000000000",
                               "3\t2\tP\tA1",
                               "4\t2\tC\t03.- Ruido",
                               "5\t1\tZ\tB",
                               "6\t5\tP\tB1",
                               "7\t1\tC\t00.- Gestión Preventiva",
                           });
        session.Tree().SetObserver(&recorder);
    }
    ~TreeDropTest() override { session.Tree().SetObserver(nullptr); }

    void Drop(int dragged, int hit, DropZone zone) { DropNode(session, Node(dragged), Node(hit), zone); }
};

}  // namespace

TEST_F(TreeDropTest, OnANodeTheDraggedBranchBecomesItsLastChild) {
    Drop(2, 5, DropZone::OnNode);
    EXPECT_EQ(Outline(), "Firma(B(B1 A(A1 03.- Ruido)) 00.- Gestión Preventiva)");
    EXPECT_EQ(Record(2).GetFieldInt(field::kParent), 5) << "the moved record names its new parent at once";
    EXPECT_EQ(Record(3).GetFieldInt(field::kParent), 2) << "its branch keeps its own parents";
    EXPECT_EQ(recorder.expanded, std::vector<std::string>{"B"});
    EXPECT_TRUE(session.Modified());
}

TEST_F(TreeDropTest, BelowTheLastNodeTheDraggedBranchGoesLastAtTheTopLevel) {
    Drop(2, 0, DropZone::BelowLastNode);
    EXPECT_EQ(Outline(), "Firma(B(B1) 00.- Gestión Preventiva) A(A1 03.- Ruido)");
    EXPECT_EQ(Record(2).GetFieldInt(field::kParent), 0);
    EXPECT_TRUE(recorder.expanded.empty());
    EXPECT_TRUE(session.Modified());

    // Saved, it is written as a second top-level line with parent number 0.
    TempDir dir;
    DocumentCommands commands(session, port, dates);
    ASSERT_TRUE(commands.SaveDocument(dir.File("doc.kl3")));
    const std::string file = ReadFile(dir.File("doc.kl3"));
    EXPECT_NE(file.find("\r\n5\t0\tZ\tA"), std::string::npos) << file;
}

TEST_F(TreeDropTest, OnTheIndentationTheDraggedBranchGoesJustBeforeThatNode) {
    Drop(6, 3, DropZone::Indentation);  // the first child of A
    EXPECT_EQ(Outline(), "Firma(A(B1 A1 03.- Ruido) B 00.- Gestión Preventiva)");
    EXPECT_EQ(Record(6).GetFieldInt(field::kParent), 2);
    EXPECT_EQ(recorder.expanded, std::vector<std::string>{"A"});

    Drop(7, 2, DropZone::Indentation);  // before a top-level child of the firm
    EXPECT_EQ(Outline(), "Firma(00.- Gestión Preventiva A(B1 A1 03.- Ruido) B)");

    Drop(5, 1, DropZone::Indentation);  // before the firm, at the top level
    EXPECT_EQ(Outline(), "B Firma(00.- Gestión Preventiva A(B1 A1 03.- Ruido))");
    EXPECT_EQ(Record(5).GetFieldInt(field::kParent), 0);
}

TEST_F(TreeDropTest, ADropOnItsOwnBranchMovesNothingButCountsAsAChange) {
    const std::string outline = Outline();
    for (int hit : {2, 3, 4}) {
        for (DropZone zone : {DropZone::OnNode, DropZone::Indentation}) {
            session.SetModified(false);
            Drop(2, hit, zone);
            EXPECT_EQ(Outline(), outline);
            EXPECT_EQ(Record(2).GetFieldInt(field::kParent), 1);
            EXPECT_TRUE(session.Modified()) << hit;
        }
    }
    EXPECT_TRUE(recorder.expanded.empty());
}

TEST_F(TreeDropTest, ADropElsewhereOrWithoutADraggedNodeDoesNothing) {
    const std::string outline = Outline();
    Drop(2, 5, DropZone::Elsewhere);
    DropNode(session, nullptr, Node(5), DropZone::OnNode);
    EXPECT_EQ(Outline(), outline);
    EXPECT_FALSE(session.Modified());

    session.SetViewMode(view::kRisk);
    Drop(2, 5, DropZone::OnNode);
    EXPECT_EQ(Outline(), outline);
    EXPECT_FALSE(session.Modified());
}

TEST_F(TreeDropTest, AMovedQuestionnaireTakesItsFlagToItsNewOwner) {
    Drop(4, 6, DropZone::OnNode);  // questionnaire 03 from zone A to workstation B1
    EXPECT_EQ(Field(2, field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_EQ(Field(6, field::kAssignmentFlags), "00010000000000000000000")
        << "a new owner without flags gets them";
    EXPECT_EQ(Record(4).GetFieldInt(field::kParent), 6);

    Drop(4, 7, DropZone::OnNode);  // under another questionnaire: no owner to hold a flag
    EXPECT_EQ(Field(6, field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_EQ(Field(7, field::kAssignmentFlags), "");

    Drop(7, 0, DropZone::BelowLastNode);  // questionnaire 00 from the firm to the top level
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "00000000000000000000000");

    Drop(7, 3, DropZone::Indentation);  // beside A1, under zone A
    EXPECT_EQ(Field(2, field::kAssignmentFlags), "10000000000000000000000");
}

TEST_F(TreeDropTest, OtherMovesLeaveTheFlagsAlone) {
    Drop(7, 2, DropZone::Indentation);  // reordered under the same firm
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "10000000000000000000000");
    Drop(2, 5, DropZone::OnNode);  // a zone with its questionnaire inside
    EXPECT_EQ(Field(2, field::kAssignmentFlags), "00010000000000000000000");
    EXPECT_EQ(Field(5, field::kAssignmentFlags), "");
    Record(4).SetField(field::kTitle, "Ruido");  // a title without a number
    Drop(4, 6, DropZone::OnNode);
    EXPECT_EQ(Field(2, field::kAssignmentFlags), "00010000000000000000000");
    EXPECT_EQ(Field(6, field::kAssignmentFlags), "");
}

TEST_F(TreeDropTest, TheGeographicViewRebuiltAfterADropKeepsTheMove) {
    Drop(2, 6, DropZone::OnNode);  // zone A under B1, which sits in a later slot
    const std::string moved = Outline();
    session.RebuildTree();
    EXPECT_EQ(Outline(), moved);
}
