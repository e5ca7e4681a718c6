#include <gtest/gtest.h>

#include "display_text.h"
#include "document_commands.h"
#include "editing_fixture.h"
#include "kinds.h"
#include "texts.h"
#include "tree_editing.h"

namespace {

struct TreeEditingTest : EditingFixture, ::testing::Test {
    TreeEditing editing{session, port, editor,
                        [this](const TreeNode& node) { return ShownText(session, node); }};

    // Firm > zone "Nave" (> workstation "Torno" > questionnaire 01 > deficiency > measure),
    // questionnaire 00 of the firm, and a workstation "Oficina" of the firm: seven records.
    void LoadPlant() {
        LoadLines(session, {
                               "1\t0\tE\tFirma\t\t\t\t\t\t\t\t10000000000000000000000",
                               "2\t1\tZ\tNave",
                               "3\t2\tP\tTorno\t\t\t\t\t\t\t\t01000000000000000000000",
                               "4\t3\tC\t01.- Lugares de trabajo",
                               "5\t4\tD\t2. Suelos\trecomendación\t\t\t\t\t\t13021\t\tSuelo roto",
                               "6\t5\tR\tReparar",
                               "7\t1\tC\t00.- Gestión Preventiva",
                           });
    }
    void Select(int slot) { session.Tree().Select(Node(slot)); }
};

}  // namespace

TEST_F(TreeEditingTest, AcceptedZoneTakesTheNextSlotUnderItsParent) {
    LoadPlant();
    Select(2);
    dialog.steps.push_back([](NodeDataForm& form) {
        EXPECT_EQ(cp1252::ToUtf8(form.Values().name), "<Nueva Zona>");
        form.Values().name = W("Almacén");
        return true;
    });
    editing.NewZone();
    ASSERT_EQ(session.Table().count(), 8);
    const oToken& zone = Record(8);
    EXPECT_EQ(zone.GetFieldInt(field::kSlot), 8);
    EXPECT_EQ(zone.GetFieldInt(field::kParent), 2) << "the parent's field 1";
    EXPECT_EQ(zone.GetKind(field::kKind), 'Z');
    EXPECT_EQ(Field(8, field::kName), "Almacén");
    EXPECT_EQ(Field(8, field::kPlannedDate), "15/03/2026");
    TreeNode* node = Node(8);
    ASSERT_NE(node, nullptr) << "the slot keeps its node";
    EXPECT_EQ(node->parent, Node(2));
    EXPECT_EQ(node->Row(), 1) << "after the workstation";
    EXPECT_EQ(cp1252::ToUtf8(node->text), "Almacén");
    EXPECT_EQ(node->icon, icon::kZone);
    EXPECT_EQ(session.Tree().Selected(), node);
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(dialog.captions, std::vector<std::string>{"<Nueva Zona>"});
}

TEST_F(TreeEditingTest, CancelledAdditionLeavesTheDocumentAsItWas) {
    LoadPlant();
    Select(1);
    const std::string outline = Outline();
    for (auto add : {&TreeEditing::NewZone, &TreeEditing::NewWorkstation}) {
        dialog.Cancel();
        (editing.*add)();
        EXPECT_EQ(session.Table().count(), 7);
        EXPECT_EQ(session.Table().Record(8), nullptr);
        EXPECT_EQ(Outline(), outline);
        EXPECT_EQ(session.Tree().Selected(), Node(1));
        EXPECT_FALSE(session.Modified());
    }
    // The next addition takes the same slot again.
    dialog.Accept();
    editing.NewWorkstation();
    EXPECT_EQ(Record(8).GetFieldInt(field::kSlot), 8);
    EXPECT_EQ(Field(8, field::kName), "<Nuevo Puesto>");
    EXPECT_EQ(Node(8)->icon, icon::kWorkstation);
}

TEST_F(TreeEditingTest, ZonesNestToAnyDepth) {
    LoadLines(session, {"1\t0\tE\tFirma"});
    for (int depth = 2; depth <= 5; ++depth) {
        Select(depth - 1);
        dialog.Accept();
        editing.NewZone();
        ASSERT_EQ(session.Table().count(), depth);
        EXPECT_EQ(Record(depth).GetFieldInt(field::kParent), depth - 1);
        EXPECT_EQ(Node(depth)->Depth(), depth - 1);
    }
    EXPECT_EQ(Outline(), "Firma(<Nueva Zona>(<Nueva Zona>(<Nueva Zona>(<Nueva Zona>))))");
}

TEST_F(TreeEditingTest, AdditionsNeedAFirmOrZoneAndRoom) {
    LoadPlant();
    const std::string outline = Outline();
    editing.NewZone();  // nothing selected: nothing happens
    EXPECT_TRUE(port.messages.empty());

    for (int slot : {3, 4, 5, 6}) {
        Select(slot);
        editing.NewWorkstation();
        editing.NewZone();
    }
    EXPECT_EQ(port.messages, std::vector<std::string>(8, "Error: No puede ser"));
    EXPECT_TRUE(dialog.captions.empty());
    EXPECT_EQ(Outline(), outline);
    EXPECT_EQ(session.Table().count(), 7);

    port.messages.clear();
    for (int s = 8; s <= NodeTable::kCapacity; ++s)
        session.Table().Append(std::make_unique<oToken>());
    Select(1);
    editing.NewZone();
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Alcanzado el máximo"});
    EXPECT_TRUE(dialog.captions.empty());
    EXPECT_EQ(Outline(), outline);
    EXPECT_FALSE(session.Modified());
}

TEST_F(TreeEditingTest, DeletingAZoneFreesItsWholeBranch) {
    LoadPlant();
    Select(2);
    port.answers = {false};
    editing.Delete();
    EXPECT_EQ(port.questions,
              std::vector<std::string>{"Borrado de un item|Está seguro de borrar el item:Nave"});
    EXPECT_NE(session.Table().Record(2), nullptr) << "\"No\" keeps it";
    EXPECT_FALSE(session.Modified());

    port.answers = {true};
    editing.Delete();
    for (int slot : {2, 3, 4, 5, 6}) {
        EXPECT_EQ(session.Table().Record(slot), nullptr) << slot;
        EXPECT_EQ(session.Table().Node(slot), nullptr) << slot;
    }
    EXPECT_EQ(session.Table().count(), 7) << "the slots stay counted";
    EXPECT_EQ(Outline(), "Firma(00.- Gestión Preventiva)");
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "10000000000000000000000")
        << "only a deleted questionnaire clears a flag";
    EXPECT_TRUE(session.Modified());
}

TEST_F(TreeEditingTest, DeletingQuestionnaireZeroOfANewDocumentClearsTheFirmsFlag) {
    DocumentCommands commands(session, port, dates);
    commands.New();
    session.Tree().Select(session.Table().Node(2));
    port.answers = {true};
    editing.Delete();
    EXPECT_EQ(port.questions.back(),
              "Borrado de un item|Está seguro de borrar el item:00.- Gestión Preventiva");
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_EQ(session.Table().Record(2), nullptr);
}

TEST_F(TreeEditingTest, DeletedQuestionnaireClearsOnlyAFlagItsOwnerHolds) {
    LoadPlant();
    Select(4);
    port.answers = {true};
    editing.Delete();
    EXPECT_EQ(Field(3, field::kAssignmentFlags), "00000000000000000000000");
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "10000000000000000000000");

    // Flags too short to hold the questionnaire's place are left as they are.
    LoadPlant();
    Record(1).SetField(field::kAssignmentFlags, "");
    Select(7);
    port.answers = {true};
    editing.Delete();
    EXPECT_EQ(Field(1, field::kAssignmentFlags), "");
    EXPECT_EQ(session.Table().Record(7), nullptr);
}

TEST_F(TreeEditingTest, QuestionnaireWithoutANumberIsDeletedWithoutTouchingFlags) {
    for (const std::string title : {"Ruido", "7.- Ruido", "x1"}) {
        LoadPlant();
        Record(7).SetField(field::kTitle, title);
        Select(7);
        port.answers = {true};
        editing.Delete();
        EXPECT_EQ(session.Table().Record(7), nullptr) << title;
        EXPECT_EQ(Field(1, field::kAssignmentFlags), "10000000000000000000000") << title;
        EXPECT_TRUE(port.errors.empty());
    }
}

TEST_F(TreeEditingTest, DeficienciesAndMeasuresAreAskedForByTheirShownText) {
    LoadPlant();
    Select(6);
    port.answers = {false, true};
    editing.Delete();
    Select(5);
    editing.Delete();
    EXPECT_EQ(port.questions,
              (std::vector<std::string>{
                  "Borrado de un item|Está seguro de borrar el item:Reparar // recomendación",
                  "Borrado de un item|Está seguro de borrar el item:2. Suelos // Suelo roto"}));
    EXPECT_EQ(session.Table().Record(5), nullptr);
    EXPECT_EQ(session.Table().Record(6), nullptr);
    EXPECT_EQ(Outline(), "Firma(Nave(Torno(01.- Lugares de trabajo)) 00.- Gestión Preventiva)");
}

TEST_F(TreeEditingTest, DoubleClickEditsTheSelectedNode) {
    LoadPlant();
    Select(3);
    dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().name = "Torno CNC";
        return true;
    });
    editing.EditSelected();
    EXPECT_EQ(Node(3)->text, "Torno CNC");
    EXPECT_EQ(Field(3, field::kName), "Torno CNC");
    EXPECT_TRUE(session.Modified());

    session.SetModified(false);
    Select(7);
    dialog.Cancel();
    editing.EditSelected();
    EXPECT_FALSE(session.Modified()) << "cancelled";
    dialog.Accept();
    editing.EditSelected();
    EXPECT_TRUE(session.Modified()) << "a questionnaire accepted";
    EXPECT_EQ(dialog.captions.back(), "Cuestionario: 00.- Gestión Preventiva");
}

TEST_F(TreeEditingTest, DoubleClickRefusesWhatItCannotEdit) {
    LoadPlant();
    editing.EditSelected();  // nothing selected
    Record(3).SetField(field::kKind, "X");
    Select(3);
    editing.EditSelected();
    EXPECT_EQ(port.messages, std::vector<std::string>(2, "Error: No puede ser"));
    EXPECT_TRUE(dialog.captions.empty());

    // Outside the geographic view a double click does nothing.
    port.messages.clear();
    Select(2);
    session.SetViewMode(view::kTemporal);
    editing.EditSelected();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(dialog.captions.empty());
}

// A "No" answer goes with its item's deficiency; undoing the deletion brings both back.
TEST_F(TreeEditingTest, DeletingTheDeficiencyOfANoLeavesTheItemUnanswered) {
    LoadLines(session, {
                           "1\t0\tE\tFirma\t\t\t\t\t\t\t\t01000000000000000000000",
                           "2\t1\tC\t01.- Lugares de trabajo\t\t\t\t\t\t\t3\t\t\tSNSN",
                           "3\t2\tD\t2. Suelos\trecomendación\t\t\t\t\t\t13021\t\tSuelo roto",
                           "4\t2\tD\t4. Escaleras",
                       });
    const std::string answers = "SNSN";
    Select(3);
    port.answers = {true};
    editing.Delete();
    EXPECT_EQ(session.Table().Record(2)->GetField(field::kChecklistAnswers), "S SN");
    EXPECT_EQ(session.Table().Record(2)->GetField(field::kQuestionnaireValuation), "3")
        << "the valuation stays";
    session.History().Undo();
    EXPECT_EQ(session.Table().Record(2)->GetField(field::kChecklistAnswers), answers);
    ASSERT_NE(session.Table().Record(3), nullptr);
    session.History().Redo();
    EXPECT_EQ(session.Table().Record(2)->GetField(field::kChecklistAnswers), "S SN");
}
