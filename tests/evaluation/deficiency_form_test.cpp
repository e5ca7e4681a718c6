#include <gtest/gtest.h>

#include "deficiency_form.h"
#include "evaluation_fixture.h"
#include "location_path.h"
#include "valuation_code.h"

using namespace valuation;

namespace {

struct DeficiencyFormTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    Catalogue catalogue;
    DeficiencyForm form;

    DeficiencyFormTest() {
        catalogue.LoadFromBytes(TestCatalogueBytes(), port);
        LoadLines(session, kFirmLines);
    }
    // Opens the form for a new deficiency under the questionnaire of the slot.
    void OpenUnder(int slot, const std::string& storedCode = "") {
        oToken record;
        record.SetFieldInt(field::kParent, slot);
        if (!storedCode.empty()) record.SetField(field::kValuationCode, storedCode);
        form.Open(session.Table(), catalogue, record, port);
    }
    std::string Written() {
        oToken record;
        form.WriteBack(record);
        return record.GetField(field::kValuationCode);
    }
};

}  // namespace

TEST_F(DeficiencyFormTest, ChoicesGiveTheStoredCode) {
    using F = DeficiencyForm;
    // The consequences, the exposure and the deficiency level as the user clicks them.
    const struct {
        void (F::*consequences)();
        void (F::*exposure)();
        void (F::*deficiency)();
        const char* code;
    } cases[] = {
        // Mortal, Esporádica, Mejorable
        {&F::RadioButton5Click, &F::RadioButton16Click, &F::RadioButton19Click, "10332"},
        // Muy grave, Esporádica, Deficiente
        {&F::RadioButton6Click, &F::RadioButton16Click, &F::RadioButton18Click, "11231"},
        // Grave, Continuada, Muy deficiente
        {&F::RadioButton7Click, &F::RadioButton13Click, &F::RadioButton17Click, "02000"},
        // Leve, Ocasional, Mejorable
        {&F::RadioButton8Click, &F::RadioButton15Click, &F::RadioButton19Click, "33322"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        OpenUnder(4);
        (form.*c.consequences)();
        (form.*c.exposure)();
        (form.*c.deficiency)();
        EXPECT_EQ(Written(), c.code);
    }
    // The last one's probability and level by their names.
    EXPECT_EQ(U(ValueName(kProbability, form.Code()[kProbability])), "Baja");
    EXPECT_EQ(U(InterventionLevelName(form.Code()[kLevel])), "No imprescindible");
}

TEST_F(DeficiencyFormTest, PartialChoicesLeaveBlanks) {
    OpenUnder(4);
    for (int group = 0; group < kPositions; ++group)
        EXPECT_EQ(form.Selected(group), DeficiencyForm::kNone) << "group " << group;

    form.RadioButton5Click();  // only Mortal
    EXPECT_EQ(Written(), " 0   ");
    EXPECT_EQ(form.Selected(kLevel), DeficiencyForm::kNone);
    EXPECT_EQ(form.Selected(kConsequences), 0);

    OpenUnder(4);
    form.RadioButton14Click();  // Frecuente
    form.RadioButton18Click();  // Deficiente
    EXPECT_EQ(Written(), "  111");
    EXPECT_EQ(form.Selected(kProbability), 1) << "Alta";
    EXPECT_EQ(form.Selected(kLevel), DeficiencyForm::kNone);
}

TEST_F(DeficiencyFormTest, LevelFollowsEveryChange) {
    OpenUnder(4);
    form.RadioButton13Click();  // Continuada
    form.RadioButton19Click();  // Mejorable: Moderada
    EXPECT_EQ(Written(), "  202");
    form.RadioButton8Click();  // Leve, chosen last: A mejorar at once
    EXPECT_EQ(Written(), "23202");
    EXPECT_EQ(form.Selected(kLevel), 2);

    form.RadioButton16Click();  // Esporádica: Baja and No imprescindible together
    EXPECT_EQ(Written(), "33332");
    EXPECT_EQ(form.Selected(kProbability), 3);
    EXPECT_EQ(form.Selected(kLevel), 3);
    EXPECT_EQ(form.Selected(kExposure), 3);

    form.RadioButton5Click();  // Mortal with Baja
    EXPECT_EQ(Written(), "10332");
}

TEST_F(DeficiencyFormTest, ReopeningShowsTheStoredChoicesAndDerivesAgain) {
    // A level that does not match the choices, and a probability that is no value at all.
    OpenUnder(4, "30x12");
    EXPECT_EQ(form.Selected(kConsequences), 0);
    EXPECT_EQ(form.Selected(kExposure), 1);
    EXPECT_EQ(form.Selected(kDeficiency), 2);
    EXPECT_EQ(form.Selected(kProbability), 2) << "Frecuente and Mejorable give Moderada";
    EXPECT_EQ(Written(), "00212");

    OpenUnder(4, "9 7 x");
    for (int group = 0; group < kPositions; ++group)
        EXPECT_EQ(form.Selected(group), DeficiencyForm::kNone) << "group " << group;
    EXPECT_EQ(Written(), "9 7 x") << "what cannot be derived again is kept as stored";
}

TEST_F(DeficiencyFormTest, CaptionAndItemList) {
    OpenUnder(4);
    EXPECT_EQ(U(form.Caption()), "Deficiencias para 01.- Lugares de trabajo");
    EXPECT_EQ(form.QuestionnaireNumber(), 1);
    EXPECT_EQ(form.Items(), DeficiencyForm::ItemEntries(12));
    EXPECT_EQ(form.Items().front(), "01");
    EXPECT_EQ(form.Items().back(), "12");
    EXPECT_TRUE(port.messages.empty());

    const std::vector<std::string> thirty = DeficiencyForm::ItemEntries(45);
    ASSERT_EQ(thirty.size(), 30u);
    EXPECT_EQ(thirty[8], "09");
    EXPECT_EQ(thirty.back(), "30");
    EXPECT_EQ(DeficiencyForm::ItemEntries(30), thirty);
    EXPECT_TRUE(DeficiencyForm::ItemEntries(0).empty());
}

TEST_F(DeficiencyFormTest, ATitleWithoutQuestionnaireNumberLeavesNoItems) {
    for (const char* title : {"23.- Más allá", "ab", "7", "-1.- Menos", ""}) {
        SCOPED_TRACE(title);
        session.Table().Record(4)->SetField(field::kTitle, W(title));
        port.messages.clear();
        OpenUnder(4);
        EXPECT_EQ(port.messages, std::vector<std::string>{"ERROR: No proviene de un cuestionario"});
        EXPECT_EQ(form.QuestionnaireNumber(), 0);
        EXPECT_TRUE(form.Items().empty());
        form.cmbSelect("01");  // nothing to pick from
    }
    // The risk can still be valued.
    form.RadioButton5Click();
    form.RadioButton13Click();
    form.RadioButton17Click();
    EXPECT_EQ(Written(), "00000");
}

TEST_F(DeficiencyFormTest, AParentThatIsNoQuestionnaireOffersNoItems) {
    session.Table().Record(2)->SetField(field::kName, "01 Nave");
    OpenUnder(2);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_TRUE(form.Items().empty());
}

TEST_F(DeficiencyFormTest, PickingAnItemActsLikeAClickOnItsDegree) {
    OpenUnder(4);
    form.RadioButton5Click();   // Mortal
    form.RadioButton13Click();  // Continuada
    form.cmbSelect("01");       // degree M: Deficiente
    EXPECT_EQ(form.Selected(kDeficiency), 1);
    EXPECT_EQ(Written(), "00001");
    EXPECT_EQ(U(form.ItemText()), "1. Ítem 1");
    EXPECT_EQ(U(form.Recommendation()), "Recomendación 1");

    form.SetDetected("Suelo resbaladizo");
    form.RadioButton19Click();  // Mejorable overrides the item's degree and keeps the texts
    EXPECT_EQ(Written(), "00202");
    EXPECT_EQ(U(form.ItemText()), "1. Ítem 1");
    EXPECT_EQ(U(form.Recommendation()), "Recomendación 1");

    form.cmbSelect("02");  // D
    EXPECT_EQ(form.Selected(kDeficiency), 0);
    form.cmbSelect("03");  // no degree line
    EXPECT_EQ(form.Selected(kDeficiency), 2);
    EXPECT_EQ(U(form.Recommendation()), "");
    form.cmbSelect("12");  // N
    EXPECT_EQ(form.Selected(kDeficiency), 2);
    EXPECT_EQ(U(form.ItemText()), "12. Ítem 12");
    EXPECT_EQ(U(form.Detected()), "Suelo resbaladizo");

    form.SetItemText("a mano");
    form.cmbSelect("00");  // no item: nothing happens
    EXPECT_EQ(form.ItemText(), "a mano");
}

TEST_F(DeficiencyFormTest, WritesBackTheEnteredTexts) {
    oToken record;
    record.SetFieldInt(field::kParent, 5);
    record.SetField(field::kItem, "viejo");
    form.Open(session.Table(), catalogue, record, port);
    EXPECT_EQ(form.ItemText(), "viejo");
    form.SetItemText("1. Uno");
    form.SetRecommendation("Rec\r\nsegunda");
    form.SetDetected("Visto");
    form.WriteBack(record);
    EXPECT_EQ(record.GetField(field::kItem), "1. Uno");
    EXPECT_EQ(record.GetField(field::kRecommendation), "Rec\r\nsegunda");
    EXPECT_EQ(record.GetField(field::kValuationCode), "     ") << "nothing chosen: five blanks";
    EXPECT_EQ(record.GetField(field::kDeficiencyDetected), "Visto");
    EXPECT_EQ(record.GetField(field::kParent), "5");
}

TEST_F(DeficiencyFormTest, LocationRunsFromTheFirmToTheQuestionnairesHolder) {
    OpenUnder(4);
    EXPECT_EQ(form.Location(), "Talleres Ruiz/Nave/Soldadura");
    OpenUnder(5);
    EXPECT_EQ(form.Location(), "Talleres Ruiz") << "a questionnaire of the firm itself";
}

TEST(LocationPath, ParentNumbersThatGoNowhereOrRoundEndTheWalk) {
    DocumentSession session;
    LoadLines(session, {"1\t0\tE\tF", "2\t3\tZ\tA", "3\t2\tZ\tB", "4\t3\tC\t00.- G", "5\t4\tD\tdef",
                        "6\t40\tC\t00.- H"});
    const NodeTable& table = session.Table();
    EXPECT_EQ(QuestionnaireLocation(table, *table.Record(4)), "A/B") << "each ancestor once";
    EXPECT_EQ(DeficiencyLocation(table, *table.Record(5)), "A/B/00.- G/def");
    EXPECT_EQ(QuestionnaireLocation(table, *table.Record(6)), "");
}

TEST(LocationPath, MeasureSideEndsBelowTheFirm) {
    DocumentSession session;
    LoadLines(session, kFirmLines);
    auto add = [&](const std::string& line) {
        auto record = std::make_unique<oToken>();
        record->ParseLine(W(line));
        return session.Table().Append(std::move(record));
    };
    const oToken* deep = add("6\t4\tD\t3. Ítem 3");
    const oToken* own = add("7\t5\tD\t1. Política");
    EXPECT_EQ(U(DeficiencyLocation(session.Table(), *deep)),
              "Nave/Soldadura/01.- Lugares de trabajo/3. Ítem 3");
    EXPECT_EQ(U(DeficiencyLocation(session.Table(), *own)), "00.- Gestión Preventiva/1. Política");
}
