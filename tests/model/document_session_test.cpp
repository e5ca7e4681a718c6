#include <gtest/gtest.h>

#include "document_commands.h"
#include "document_session.h"
#include "scripted_port.h"
#include "temp_dir.h"

namespace {

// Counts what a session tells it.
struct CountingObserver : SessionObserver {
    int states = 0;
    int documents = 0;
    void StateChanged() override { ++states; }
    void DocumentChanged() override { ++documents; }
};

struct SessionTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    DocumentCommands commands{session, port, dates};
};

}  // namespace

// Saving and dragging follow from what is shown: only the document's own tree is saved from
// or rearranged.
TEST_F(SessionTest, SavingAndDraggingFollowTheViewAndTheDocument) {
    EXPECT_FALSE(session.SaveCommandsEnabled());
    EXPECT_FALSE(session.DragEnabled());
    commands.New();
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());
    session.SetViewMode(view::kRisk);
    EXPECT_FALSE(session.SaveCommandsEnabled());
    EXPECT_FALSE(session.DragEnabled());
    session.RebuildTree();
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());

    session.SetModified(false);
    commands.Close();
    EXPECT_FALSE(session.SaveCommandsEnabled());
    EXPECT_FALSE(session.DragEnabled()) << "nothing is left to drag";
}

TEST_F(SessionTest, EveryObserverHearsOfTheStateAndOfTheDocumentUntilRemoved) {
    CountingObserver window, plan;
    session.AddObserver(&window);
    session.AddObserver(&plan);
    session.AddObserver(&plan);  // once only
    commands.New();
    EXPECT_GT(window.states, 0);
    EXPECT_EQ(plan.states, window.states);
    EXPECT_GT(plan.documents, 0);

    // The content: a node added, renamed and removed; choosing or opening a node is no change.
    const int before = plan.documents;
    TreeNode* firm = session.Tree().FirstTopLevel();
    TreeNode* zone = session.Tree().AddChild(firm, "zona", nullptr, 0);
    session.Tree().SetText(zone, "zona 2");
    session.Tree().Select(zone);
    session.Tree().Expand(firm);
    session.Tree().Remove(zone);
    EXPECT_EQ(plan.documents, before + 3);

    session.RemoveObserver(&plan);
    const int states = plan.states, documents = plan.documents;
    session.SetModified(false);
    session.RebuildTree();
    EXPECT_EQ(plan.states, states);
    EXPECT_EQ(plan.documents, documents);
    EXPECT_GT(window.documents, documents) << "the other observer still hears";
    session.RemoveObserver(&window);
}
