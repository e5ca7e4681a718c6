#include <gtest/gtest.h>

#include "checklist_form.h"
#include "evaluation_commands.h"
#include "evaluation_fixture.h"
#include "kinds.h"
#include "node_data_form.h"
#include "questionnaire_answering.h"

using checklist::Answer;

namespace {

constexpr Answer S = Answer::kYes;
constexpr Answer N = Answer::kNo;
constexpr Answer X = Answer::kNotApplicable;
constexpr Answer _ = Answer::kNone;

// The answering dialog as a scripted user: each showing runs the next action on the form.
struct ScriptedChecklistDialog : ChecklistDialogPort {
    std::deque<std::function<bool(ChecklistForm&)>> actions;
    std::vector<std::string> shown;  // captions in UTF-8

    bool ShowChecklistDialog(ChecklistForm& form) override { return RunNextAction(form, actions, shown); }
    // The user answers the items in order (from item 1) and presses "Aceptar".
    void Answer(std::vector<checklist::Answer> answers) {
        actions.push_back([answers](ChecklistForm& form) {
            for (std::size_t i = 0; i < answers.size(); ++i)
                form.SetAnswer(static_cast<int>(i), answers[i]);
            return true;
        });
    }
};

// The firm of the fixture: questionnaire 01 (twelve items, degrees M, D, none, N, ...) in slot 4,
// questionnaire 00 (three items) in slot 5.
struct AnsweringTest : EvaluationFixture {
    ScriptedChecklistDialog checklist;
    QuestionnaireAnswering answering{session, catalogue, port, checklist, commands};

    std::string Answers(int slot) { return Record(slot).GetField(field::kChecklistAnswers); }
    std::string Valuation(int slot) { return Record(slot).GetField(field::kQuestionnaireValuation); }
    void Respond(int slot) {
        session.Tree().Select(Node(slot));
        answering.ResponderCuestionario1Click();
    }
    // The deficiency dialog as the user fills it in: checks the picked item, then values it.
    void Deficiency(const std::string& picked, std::function<void(DeficiencyForm&)> clicks = {}) {
        dialogs.deficiencyActions.push_back([picked, clicks](DeficiencyForm& form) {
            EXPECT_EQ(form.Picked(), picked);
            if (clicks) clicks(form);
            return true;
        });
    }
    void CancelDeficiency() {
        dialogs.deficiencyActions.push_back([](DeficiencyForm&) { return false; });
    }
};

}  // namespace

TEST_F(AnsweringTest, AnswersAreStoredOnePerItemAndReadBack) {
    checklist.Answer({S, X, S});
    Respond(5);
    EXPECT_EQ(checklist.shown, std::vector<std::string>{"Cuestionario 00.- Gestión Preventiva"});
    EXPECT_EQ(Answers(5), "SXS");
    EXPECT_EQ(Record(5).WriteLine(), W("5\t1\tC\t00.- Gestión Preventiva\t\t\t\t\t\t\t1\t\t\tSXS\r\n"));
    EXPECT_TRUE(session.Modified());
    EXPECT_TRUE(dialogs.shown.empty()) << "no item answered No";

    // The next answering starts from what was stored.
    checklist.actions.push_back([](ChecklistForm& form) {
        EXPECT_EQ(form.Answers(), (std::vector<Answer>{S, X, S}));
        EXPECT_EQ(form.CountText(), "3 de 3 respondidos");
        return false;
    });
    session.SetModified(false);
    Respond(5);
    EXPECT_FALSE(session.Modified()) << "Cancelar changes nothing";
    EXPECT_EQ(cp1252::ToUtf8(answering.Summary(Record(5))),
              "Respondidos: 3 de 3 (Sí 2, No 0, No procede 1) · Valoración: Aplicado");
}

TEST_F(AnsweringTest, EachNewNoIsRecordedAsADeficiencyWithItsItemPicked) {
    // Items 2 (degree D) and 4 (degree N) answered No; the dialogs open in item order.
    checklist.Answer({S, N, S, N});
    Deficiency("02", [](DeficiencyForm& form) {
        EXPECT_EQ(U(form.ItemText()), "2. Ítem 2");
        EXPECT_EQ(U(form.Recommendation()), "Recomendación 2");
        EXPECT_EQ(form.Selected(valuation::kDeficiency), 0) << "Muy deficiente, from the degree";
        form.SetDetected("Sin barandilla");
        form.RadioButton6Click();   // Muy grave
        form.RadioButton14Click();  // Frecuente
    });
    Deficiency("04", [](DeficiencyForm& form) { form.RadioButton8Click(); });  // Leve
    Respond(4);

    EXPECT_EQ(dialogs.shown.size(), 2u);
    ASSERT_EQ(Node(4)->children.size(), 2u);
    const oToken& first = *Node(4)->children[0]->record;
    EXPECT_EQ(first.GetField(field::kKind), "D");
    EXPECT_EQ(first.GetField(field::kParent), "4");
    EXPECT_EQ(U(first.GetField(field::kItem)), "2. Ítem 2");
    EXPECT_EQ(first.GetField(field::kDeficiencyDetected), "Sin barandilla");
    EXPECT_EQ(first.GetField(field::kValuationCode), "01010");
    EXPECT_EQ(Node(4)->children[0]->icon, icon::kDeficiency);
    EXPECT_EQ(U(Node(4)->children[1]->record->GetField(field::kItem)), "4. Ítem 4");
    EXPECT_EQ(Node(4)->children[1]->record->GetField(field::kValuationCode), " 3  2");
    EXPECT_EQ(Valuation(4), "4") << "raised by the Muy deficiente one, as Indicar Deficiencias does";
    EXPECT_EQ(Answers(4), "SNSN        ");
    EXPECT_TRUE(session.Modified());
    EXPECT_EQ(session.Tree().Selected(), Node(4));

    // Already answered No, and now locked by its deficiency: no second deficiency.
    checklist.Answer({S, N, S, N, S});
    Respond(4);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(Answers(4), "SNSNS       ");
}

TEST_F(AnsweringTest, ACancelledDeficiencyLeavesItsItemUnanswered) {
    checklist.Answer({N, N, S});
    CancelDeficiency();
    Deficiency("02");
    Respond(5);
    EXPECT_EQ(Answers(5), " NS");
    ASSERT_EQ(Node(5)->children.size(), 1u);
    EXPECT_EQ(U(Node(5)->children[0]->text), "2. Plan");
    EXPECT_EQ(Valuation(5), "2") << "no degree letter: Mejorable";

    // Every deficiency cancelled and nothing else answered: nothing stored.
    checklist.Answer({_, _, N});
    CancelDeficiency();
    session.SetModified(false);
    Respond(4);
    EXPECT_EQ(Answers(4), "");
    EXPECT_EQ(Record(4).WriteLine(), W("4\t3\tC\t01.- Lugares de trabajo\t\t\t\t\t\t\t0\r\n"))
        << "Sin Valorar, as a cancelled Indicar Deficiencias leaves it";
    EXPECT_FALSE(session.Modified());
}

TEST_F(AnsweringTest, ACompliantQuestionnaireIsApplied) {
    checklist.Answer({S, X, _});
    Respond(5);
    EXPECT_EQ(Valuation(5), "") << "an item is not answered yet";

    checklist.Answer({S, X, X});
    Respond(5);
    EXPECT_EQ(Valuation(5), "1");

    Record(5).SetField(field::kQuestionnaireValuation, "0");
    checklist.Answer({S, S, S});
    Respond(5);
    EXPECT_EQ(Valuation(5), "1");

    // Nothing wrong is recorded under it: a Mejorable left by a deficiency since deleted goes.
    Record(5).SetField(field::kQuestionnaireValuation, "2");
    checklist.Answer({X, S, S});
    Respond(5);
    EXPECT_EQ(Valuation(5), "1");

    // With a deficiency under it (of no item), the valuation only rises.
    auto record = std::make_unique<oToken>();
    record->SetField(field::kParent, "5");
    record->SetField(field::kKind, "D");
    record->SetField(field::kItem, W("Cables sueltos"));
    oToken* added = session.Table().Append(std::move(record));
    TreeNode* cables = session.Tree().AddChild(Node(5), "Cables sueltos", added, icon::kDeficiency);
    Record(5).SetField(field::kQuestionnaireValuation, "3");
    checklist.Answer({S, S, S});
    Respond(5);
    EXPECT_EQ(Valuation(5), "3");
    session.DeleteSubtree(cables);

    // A "No" is no compliance: the valuation is its deficiency's, Mejorable from the item's degree.
    Record(5).SetField(field::kQuestionnaireValuation, "");
    checklist.Answer({S, N, S});
    Deficiency("02");
    Respond(5);
    EXPECT_EQ(Valuation(5), "2");
}

TEST_F(AnsweringTest, ItemsWithADeficiencyAreLockedToNo) {
    auto deficiency = [this](const std::string& item) {
        auto record = std::make_unique<oToken>();
        record->SetField(field::kParent, "4");
        record->SetField(field::kKind, "D");
        record->SetField(field::kItem, W(item));
        oToken* added = session.Table().Append(std::move(record));
        session.Tree().AddChild(Node(4), item, added, icon::kDeficiency);
    };
    deficiency("3. Ítem 3");
    deficiency("12. Ítem 12");
    deficiency("1.5 metros de altura");  // no item number
    deficiency("sin número");
    EXPECT_EQ(QuestionnaireAnswering::ItemsWithDeficiency(*Node(4)), (std::set<int>{3, 12}));

    Record(4).SetField(field::kChecklistAnswers, "SSS");
    checklist.actions.push_back([](ChecklistForm& form) {
        const ChecklistForm::Item& third = form.Items()[2];
        EXPECT_TRUE(third.locked);
        EXPECT_EQ(third.answer, N) << "shown No, whatever was stored";
        EXPECT_FALSE(form.SetAnswer(2, S));
        EXPECT_FALSE(form.SetAnswer(2, _));
        form.SetCurrent(2);
        EXPECT_TRUE(form.KeyTyped('p'));
        EXPECT_EQ(form.Items()[2].answer, N);
        EXPECT_EQ(form.Current(), 3) << "the key still moves on";
        form.MarkPendingAsYes();
        EXPECT_EQ(form.Items()[2].answer, N);
        EXPECT_EQ(form.Items()[11].answer, N);
        EXPECT_TRUE(form.NewlyNo().empty()) << "its deficiency exists already";
        return true;
    });
    Respond(4);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Answers(4), "SSNSSSSSSSSN");
    EXPECT_EQ(Valuation(4), "") << "answered No: not compliant";
}

TEST_F(AnsweringTest, ACatalogueWithFewerOrMoreItemsLosesNoAnswer) {
    // Stored when questionnaire 00 had five items: the two beyond today's three stay.
    Record(5).SetField(field::kChecklistAnswers, "SSSNX");
    checklist.actions.push_back([](ChecklistForm& form) {
        EXPECT_EQ(form.Items().size(), 3u);
        EXPECT_EQ(form.CountText(), "3 de 3 respondidos");
        form.SetAnswer(1, X);
        return true;
    });
    Respond(5);
    EXPECT_EQ(Answers(5), "SXSNX");
    EXPECT_EQ(Valuation(5), "1") << "today's items are all answered and none No";
    EXPECT_TRUE(dialogs.shown.empty()) << "the No beyond the items asks for nothing";

    // Stored when questionnaire 01 had two items: the new ones start unanswered.
    Record(4).SetField(field::kChecklistAnswers, "NS");
    checklist.actions.push_back([](ChecklistForm& form) {
        EXPECT_EQ(form.Items().size(), 12u);
        EXPECT_EQ(form.Answers()[0], N);
        EXPECT_EQ(form.Answers()[2], _);
        EXPECT_TRUE(form.NewlyNo().empty()) << "answered No before";
        form.SetAnswer(2, S);
        return true;
    });
    Respond(4);
    EXPECT_EQ(Answers(4), "NSS         ");
}

TEST_F(AnsweringTest, UndoTakesTheWholeAnsweringBackInOneStep) {
    auto state = [this] {
        std::string out;
        for (int slot = 1; slot <= session.Table().count(); ++slot)
            out += session.Table().Record(slot) ? session.Table().Record(slot)->WriteLine() : "-\r\n";
        return out + std::to_string(session.Tree().PreOrder().size()) + (session.Modified() ? "*" : "");
    };
    const std::string before = state();
    checklist.Answer({S, N, S, N});
    Deficiency("02");
    Deficiency("04");
    Respond(4);
    ASSERT_EQ(Node(4)->children.size(), 2u);
    const std::string after = state();
    EXPECT_EQ(U(session.History().UndoName()), "Responder Cuestionario");

    session.History().Undo();
    EXPECT_EQ(state(), before) << "answers, both deficiencies and the valuation go together";
    EXPECT_FALSE(session.History().CanUndo());
    session.History().Redo();
    EXPECT_EQ(state(), after);

    // An answering cancelled, or that changed nothing, is no step.
    checklist.actions.push_back([](ChecklistForm&) { return false; });
    Respond(4);
    checklist.Answer({S, N, S, N});
    Respond(4);
    session.History().Undo();
    EXPECT_EQ(state(), before);
}

TEST_F(AnsweringTest, OnlyAQuestionnaireOfTheCatalogueIsAnswered) {
    answering.ResponderCuestionario1Click();  // nothing selected
    Respond(3);
    EXPECT_EQ(port.messages, std::vector<std::string>{"Error: No puede ser"});

    Record(5).SetField(field::kTitle, W("Cuestionario propio"));
    Respond(5);
    EXPECT_EQ(port.messages.back(), "ERROR: No proviene de un cuestionario");
    EXPECT_TRUE(checklist.shown.empty());
    EXPECT_FALSE(session.Modified());
}

TEST(ChecklistFormTest, TheKeyboardAnswersAndMovesOn) {
    ScriptedPort port;
    Catalogue catalogue;
    catalogue.LoadFromBytes(
        W("C00Uno\r\nV\r\nNota uno\r\n \r\nNota tres\r\n01a\r\nDr\r\n02b\r\n03c\r\nMr\r\n"), port);
    oToken questionnaire;
    questionnaire.ParseLine(W("2\t1\tC\t00.- Uno"));
    ChecklistForm form;
    form.Open(catalogue, 0, questionnaire, {});
    EXPECT_EQ(form.Notes(), (std::vector<std::string>{"Nota uno", "Nota tres"})) << "blank lines left out";
    ASSERT_EQ(form.Items().size(), 3u);
    EXPECT_EQ(form.Items()[0].degree, 'D');
    EXPECT_EQ(form.Items()[1].degree, 0);
    EXPECT_EQ(form.Items()[2].text, "c");
    EXPECT_EQ(U(ChecklistForm::DegreeName('M')), "Deficiente");
    EXPECT_EQ(form.Current(), 0);
    EXPECT_EQ(form.CountText(), "0 de 3 respondidos");

    EXPECT_TRUE(form.KeyTyped('N'));
    EXPECT_TRUE(form.KeyTyped('s'));
    EXPECT_FALSE(form.KeyTyped('x')) << "only S, N and P answer";
    EXPECT_EQ(form.Current(), 2);
    EXPECT_TRUE(form.KeyTyped('P'));
    EXPECT_EQ(form.Current(), 2) << "the last item stays current";
    EXPECT_EQ(form.Answers(), (std::vector<Answer>{N, S, X}));
    form.MovePrevious();
    form.SetAnswer(form.Current(), _);
    form.MoveNext();
    form.MoveNext();
    EXPECT_EQ(form.Current(), 2);
    EXPECT_EQ(form.CountText(), "2 de 3 respondidos");
    form.MarkPendingAsYes();
    EXPECT_EQ(form.Answers(), (std::vector<Answer>{N, S, X}));
    EXPECT_EQ(form.NewlyNo(), std::vector<int>{1});
}

TEST_F(AnsweringTest, TheDataEditorOfAQuestionnaireShowsAndAnswersIt) {
    NodeDataForm zone(session.Table(), *Node(2), dates, &answering);
    EXPECT_FALSE(zone.OffersAnswering());
    NodeDataForm unaware(session.Table(), *Node(5), dates);
    EXPECT_FALSE(unaware.OffersAnswering()) << "no answering given";

    NodeDataForm form(session.Table(), *Node(5), dates, &answering);
    ASSERT_TRUE(form.Open(port));
    ASSERT_TRUE(form.OffersAnswering());
    EXPECT_EQ(U(form.AnswersSummary()),
              "Respondidos: 0 de 3 (Sí 0, No 0, No procede 0) · Valoración: Sin Valorar");
    checklist.Answer({S, S, X});
    form.AnswerQuestionnaire();
    EXPECT_EQ(U(form.AnswersSummary()),
              "Respondidos: 3 de 3 (Sí 2, No 0, No procede 1) · Valoración: Aplicado");
    EXPECT_EQ(Answers(5), "SSX");
    EXPECT_TRUE(session.Modified()) << "answered at once, whatever the editor's outcome";
}

// Deleting the deficiency of a "No" leaves the item unanswered; a "No" that still has another
// deficiency of its item, and the other answers, stay.
TEST_F(AnsweringTest, ANoGoesWithTheLastDeficiencyOfItsItem) {
    auto deficiency = [this](const std::string& item) {
        auto record = std::make_unique<oToken>();
        record->SetField(field::kParent, "4");
        record->SetField(field::kKind, "D");
        record->SetField(field::kItem, W(item));
        oToken* added = session.Table().Append(std::move(record));
        return session.Tree().AddChild(Node(4), item, added, icon::kDeficiency);
    };
    TreeNode* second = deficiency("2. Ítem 2");
    TreeNode* fourth = deficiency("4. Ítem 4");
    TreeNode* fourthAgain = deficiency("4. Ítem 4, otra vez");
    Record(4).SetField(field::kChecklistAnswers, "SNXN");

    auto forget = [this](TreeNode* node) {
        const std::optional<int> item = DeficiencyItem(node->record->GetField(field::kItem));
        session.DeleteSubtree(node);
        return ForgetNoWithoutDeficiency(session.Table(), Record(4), *item);
    };
    EXPECT_TRUE(forget(second));
    EXPECT_EQ(Answers(4), "S XN");
    EXPECT_FALSE(forget(fourth)) << "item 4 has another deficiency";
    EXPECT_EQ(Answers(4), "S XN");
    EXPECT_TRUE(forget(fourthAgain));
    EXPECT_EQ(Answers(4), "S X ");

    // A "Sí" is no "No": nothing changes; the last answer gone leaves the field empty.
    TreeNode* again = deficiency("2. Ítem 2");
    Record(4).SetField(field::kChecklistAnswers, "SN");
    EXPECT_FALSE(ForgetNoWithoutDeficiency(session.Table(), Record(4), 1));
    Record(4).SetField(field::kChecklistAnswers, " N");
    EXPECT_TRUE(forget(again));
    EXPECT_EQ(Answers(4), "");
}
