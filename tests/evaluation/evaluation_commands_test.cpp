#include <gtest/gtest.h>

#include "evaluation_commands.h"
#include "evaluation_fixture.h"
#include "kinds.h"
#include "valuation_code.h"

namespace {

struct EvaluationCommandsTest : EvaluationFixture {
    // Selects the node of the slot and enters a deficiency with the item and the clicks given.
    void AddDeficiency(int questionnaire, const std::string& entry,
                       std::function<void(DeficiencyForm&)> clicks) {
        session.Tree().Select(Node(questionnaire));
        dialogs.deficiencyActions.push_back([entry, clicks](DeficiencyForm& form) {
            if (!entry.empty()) form.cmbSelect(entry);
            clicks(form);
            return true;
        });
        commands.IndicarDeficiencias1Click();
    }
    void Cancel() {
        dialogs.deficiencyActions.push_back([](DeficiencyForm&) { return false; });
        dialogs.measureActions.push_back([](MeasureForm&) { return false; });
    }
};

}  // namespace

TEST_F(EvaluationCommandsTest, ADeficiencyHangsUnderItsQuestionnaire) {
    session.SetModified(false);
    AddDeficiency(4, "02", [](DeficiencyForm& form) {
        form.SetDetected("Escalera sin barandilla");
        form.RadioButton6Click();   // Muy grave
        form.RadioButton14Click();  // Frecuente
    });
    EXPECT_EQ(dialogs.shown, std::vector<std::string>{"Deficiencias para 01.- Lugares de trabajo"});
    ASSERT_EQ(session.Table().count(), 6);
    const oToken& added = Record(6);
    EXPECT_EQ(added.GetField(field::kSlot), "6");
    EXPECT_EQ(added.GetField(field::kParent), "4");
    EXPECT_EQ(added.GetField(field::kKind), "D");
    EXPECT_EQ(U(added.GetField(field::kItem)), "2. Ítem 2");
    EXPECT_EQ(U(added.GetField(field::kRecommendation)), "Recomendación 2");
    EXPECT_EQ(added.GetField(field::kValuationCode), "01010") << "item 2 is Muy deficiente";
    EXPECT_EQ(added.GetField(field::kDeficiencyDetected), "Escalera sin barandilla");

    TreeNode* questionnaire = Node(4);
    ASSERT_EQ(questionnaire->children.size(), 1u);
    const TreeNode* child = questionnaire->children.back().get();
    EXPECT_EQ(child, Node(6));
    EXPECT_EQ(child->record, &added);
    EXPECT_EQ(child->icon, icon::kDeficiency);
    EXPECT_EQ(U(child->text), "2. Ítem 2");
    EXPECT_EQ(session.Tree().Selected(), questionnaire) << "the new node is not selected";
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "4");
    EXPECT_TRUE(port.messages.empty());

    AddDeficiency(4, "", [](DeficiencyForm& form) { form.SetItemText("Otra"); });
    ASSERT_EQ(questionnaire->children.size(), 2u);
    EXPECT_EQ(questionnaire->children.back()->text, "Otra") << "added as the last child";
    EXPECT_EQ(Record(7).GetField(field::kValuationCode), "     ");
}

TEST_F(EvaluationCommandsTest, TheQuestionnaireKeepsItsMostSevereLevel) {
    auto level = [](void (DeficiencyForm::*click)()) {
        return [click](DeficiencyForm& form) { (form.*click)(); };
    };
    AddDeficiency(5, "", level(&DeficiencyForm::RadioButton5Click));  // no deficiency level
    EXPECT_EQ(Record(5).GetField(field::kQuestionnaireValuation), "0");
    AddDeficiency(5, "", level(&DeficiencyForm::RadioButton19Click));  // Mejorable
    EXPECT_EQ(Record(5).GetField(field::kQuestionnaireValuation), "2");
    AddDeficiency(5, "", level(&DeficiencyForm::RadioButton17Click));  // Muy deficiente
    EXPECT_EQ(Record(5).GetField(field::kQuestionnaireValuation), "4");
    AddDeficiency(5, "", level(&DeficiencyForm::RadioButton18Click));  // Deficiente
    EXPECT_EQ(Record(5).GetField(field::kQuestionnaireValuation), "4");
    EXPECT_EQ(Node(5)->children.size(), 4u);
}

TEST_F(EvaluationCommandsTest, CancellingAddsNothingButMarksTheQuestionnaireValued) {
    session.SetModified(false);
    session.Tree().Select(Node(4));
    Cancel();
    commands.IndicarDeficiencias1Click();
    EXPECT_EQ(session.Table().count(), 5);
    EXPECT_TRUE(Node(4)->children.empty());
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "0");
    EXPECT_FALSE(session.Modified());

    Record(4).SetField(field::kQuestionnaireValuation, "3");
    Cancel();
    commands.IndicarDeficiencias1Click();
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "3");
}

TEST_F(EvaluationCommandsTest, OnlyQuestionnairesTakeDeficienciesAndOnlyDeficienciesMeasures) {
    commands.IndicarDeficiencias1Click();  // nothing selected: nothing happens
    commands.IndicarMedidasPrev1Click();
    EXPECT_TRUE(port.messages.empty());

    session.Tree().Select(Node(3));
    commands.IndicarDeficiencias1Click();
    commands.IndicarMedidasPrev1Click();
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{"No es un lugar adecuado para indicar deficiencias",
                                        "No es un lugar adecuado para indicar Medidas Preventivas"}));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(session.Table().count(), 5);
    EXPECT_EQ(Record(3).GetField(field::kQuestionnaireValuation), "");

    // A node without a record, as in the other views.
    session.Tree().AddChild(nullptr, "vista", nullptr, icon::kUndated);
    session.Tree().Select(session.Tree().Root()->children.back().get());
    commands.IndicarDeficiencias1Click();
    EXPECT_EQ(port.messages.size(), 3u);
}

TEST_F(EvaluationCommandsTest, AFullTableTakesNoDeficiencyAndLeavesTheValuation) {
    while (!session.Table().Full())
        session.Table().Append(std::make_unique<oToken>());
    Record(4).SetField(field::kQuestionnaireValuation, "2");
    AddDeficiency(4, "02", [](DeficiencyForm&) {});  // Muy deficiente
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Alcanzado el máximo"});
    EXPECT_EQ(Record(4).GetField(field::kQuestionnaireValuation), "2")
        << "a deficiency that was not added is not counted";
    EXPECT_TRUE(Node(4)->children.empty());
    EXPECT_EQ(session.Table().count(), NodeTable::kCapacity);
}

TEST_F(EvaluationCommandsTest, MeasuresHangUnderTheirDeficiencyInOrder) {
    AddDeficiency(4, "01", [](DeficiencyForm& form) { form.RadioButton7Click(); });  // Grave, Deficiente
    session.SetModified(false);
    session.Tree().Select(Node(6));
    dialogs.measureActions.push_back([](MeasureForm& form) {
        EXPECT_EQ(form.Level(), MeasureForm::kNone) << "no exposure chosen, so no level";
        form.SetMeasure("Primera");
        form.SetComments("sin fecha");
        return true;
    });
    dialogs.measureActions.push_back([](MeasureForm& form) {
        form.SetMeasure("Segunda");
        form.SetPlannedDate({2026, 6, 1});
        return true;
    });
    commands.IndicarMedidasPrev1Click();
    commands.IndicarMedidasPrev1Click();
    EXPECT_EQ(dialogs.shown.back(), "Medida Preventiva");
    ASSERT_EQ(Node(6)->children.size(), 2u);
    const oToken& first = Record(7);
    EXPECT_EQ(first.GetField(field::kSlot), "7");
    EXPECT_EQ(first.GetField(field::kParent), "6");
    EXPECT_EQ(first.GetField(field::kKind), "R");
    EXPECT_EQ(first.GetField(field::kMeasure), "Primera");
    EXPECT_EQ(first.GetField(field::kComments), "sin fecha");
    EXPECT_EQ(first.GetField(field::kPlannedDate), "15/03/2026") << "today, untouched";
    EXPECT_EQ(Record(8).GetField(field::kPlannedDate), "01/06/2026");
    EXPECT_EQ(Node(6)->children[0].get(), Node(7));
    EXPECT_EQ(Node(6)->children[1]->text, "Segunda");
    EXPECT_EQ(Node(7)->icon, icon::kMeasure);
    EXPECT_EQ(session.Tree().Selected(), Node(6));
    EXPECT_TRUE(session.Modified());

    session.SetModified(false);
    Cancel();
    commands.IndicarMedidasPrev1Click();
    EXPECT_EQ(session.Table().count(), 8);
    EXPECT_FALSE(session.Modified());
}

TEST_F(EvaluationCommandsTest, AFullTableTakesNoMeasure) {
    AddDeficiency(4, "", [](DeficiencyForm&) {});
    while (!session.Table().Full())
        session.Table().Append(std::make_unique<oToken>());
    session.SetModified(false);
    session.Tree().Select(Node(6));
    dialogs.measureActions.push_back([](MeasureForm&) { return true; });
    commands.IndicarMedidasPrev1Click();
    EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR.- Alcanzado el máximo"});
    EXPECT_TRUE(Node(6)->children.empty());
    EXPECT_FALSE(session.Modified());
}
