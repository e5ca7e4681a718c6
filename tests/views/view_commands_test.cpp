#include "display_text.h"
#include "document_commands.h"
#include "temp_dir.h"
#include "views_fixture.h"

namespace {

constexpr view::Mode kArrangements[] = {view::kTemporal, view::kValuation, view::kRisk};

struct ExampleTest : ViewsTest {
    ExampleTest() {
        EXPECT_EQ(DocumentCommands(session, port, dates).LoadDocument(TestData("carpinteria.kl3")),
                  DocumentCommands::LoadResult::Loaded);
    }
    FixedDates dates;
};

}  // namespace

TEST_F(ExampleTest, EachArrangementReplacesTheTreeInOneStepWithoutRecords) {
    for (view::Mode mode : kArrangements) {
        SCOPED_TRACE(static_cast<int>(mode));
        events.Reset();
        ShowView(session, catalogue, mode);
        EXPECT_EQ(events.resets, 1);
        EXPECT_EQ(events.inserts + events.removals, 0) << "the content is replaced as a whole";
        EXPECT_FALSE(events.visibleDuringReset) << "the tree is hidden while it is refilled";
        EXPECT_TRUE(session.TreeVisible());
        EXPECT_EQ(session.ViewMode(), mode);
        EXPECT_FALSE(session.SaveCommandsEnabled());
        EXPECT_FALSE(session.DragEnabled());
        EXPECT_TRUE(session.DocumentCommandsEnabled());
        ASSERT_FALSE(session.Tree().Empty());
        EXPECT_EQ(events.expanded,
                  std::vector<std::string>{cp1252::ToUtf8(session.Tree().FirstTopLevel()->text)});
        for (const TreeNode* node : session.Tree().PreOrder())
            EXPECT_EQ(node->record, nullptr) << node->text;
        for (int s = 1; s <= session.Table().count(); ++s)
            EXPECT_EQ(session.Table().Node(s), nullptr) << "slot " << s << " points at a node that is gone";

        // A selected view node is of no kind, so only "Informe" is offered on it.
        session.Tree().Select(session.Tree().FirstTopLevel());
        EXPECT_EQ(session.SelectedKind(), ' ');
    }
}

TEST_F(ExampleTest, ViewsChangeNoRecordAndNotTheModifiedFlag) {
    const std::vector<std::string> before = Records();
    for (bool modified : {false, true}) {
        session.SetModified(modified);
        for (view::Mode mode : {view::kTemporal, view::kValuation, view::kRisk, view::kGeographic,
                                view::kRisk, view::kGeographic}) {
            ShowView(session, catalogue, mode);
            EXPECT_EQ(Records(), before) << "mode " << static_cast<int>(mode);
            EXPECT_EQ(session.Modified(), modified) << "mode " << static_cast<int>(mode);
        }
    }
}

TEST_F(ExampleTest, ChoosingAViewAgainGivesTheSameTree) {
    for (view::Mode mode : kArrangements) {
        const std::string first = Shown(mode);
        EXPECT_EQ(Shown(mode), first);
    }
}

TEST_F(ExampleTest, GeographicRebuildsTheDocumentTreeAndOpensOnlyTheRoot) {
    const std::string document = Shown(view::kGeographic);
    Shown(view::kRisk);
    events.Reset();
    EXPECT_EQ(Shown(view::kGeographic), document);
    EXPECT_EQ(events.resets, 1);
    EXPECT_EQ(events.expanded, std::vector<std::string>{"Carpintería Robledo, S.L."});
    EXPECT_EQ(session.ViewMode(), view::kGeographic);
    EXPECT_TRUE(session.SaveCommandsEnabled());
    EXPECT_TRUE(session.DragEnabled());
    EXPECT_TRUE(session.TreeVisible());
    for (int s = 1; s <= session.Table().count(); ++s)
        EXPECT_EQ(session.Table().Node(s)->record, session.Table().Record(s));

    // Chosen again in the geographic view it rebuilds all the same.
    events.Reset();
    Shown(view::kGeographic);
    EXPECT_EQ(events.resets, 1);
    EXPECT_EQ(events.expanded.size(), 1u);
}

TEST_F(ExampleTest, ASaveAfterAViewWritesTheDocumentNotTheView) {
    TempDir dir;
    session.SetFileName(dir.File("copia.kl3"));
    session.SetModified(true);
    Shown(view::kRisk);
    port.answers = {true};
    DocumentCommands(session, port, dates).AskSaveChanges();
    EXPECT_EQ(ReadFile(dir.File("copia.kl3")), ReadFile(TestData("carpinteria.kl3")));
}

TEST_F(ViewsTest, DisplayTextsOfDeficienciesAndMeasures) {
    Fill({
        "1|0|E|Firma",
        "2|1|C|01.- Lugares de trabajo",
        "3|2|D|4. Pasillos|Recomendación genérica||||||||Tableros en el pasillo",
        "4|2|D|5. Sin detectada|Otra recomendación",
        "5|3|R|Despejar el pasillo|Comentario propio",
        "-",
        "7|6|R|Medida huérfana",
    });
    ShowView(session, catalogue, view::kGeographic);
    EXPECT_EQ(cp1252::ToUtf8(TreeOutline(session)),
              "5 Firma\n"
              "  2 01.- Lugares de trabajo\n"
              "    3 4. Pasillos // Tableros en el pasillo\n"
              "      4 Despejar el pasillo // Recomendación genérica\n"
              "    3 5. Sin detectada // \n"
              "4 Medida huérfana // \n");

    // Outside the geographic view a node shows its own text, even one with a record.
    const TreeNode& deficiency = *session.Table().Node(3);
    session.SetViewMode(view::kTemporal);
    EXPECT_EQ(cp1252::ToUtf8(ShownText(session, deficiency)), "4. Pasillos");
    session.SetViewMode(view::kGeographic);
    session.Table().Record(3)->SetField(field::kDeficiencyDetected, W("Cambiada"));
    EXPECT_EQ(cp1252::ToUtf8(ShownText(session, deficiency)), "4. Pasillos // Cambiada")
        << "the text follows the record without touching the node";
}
