#include <gtest/gtest.h>

#include "editing_fixture.h"
#include "kinds.h"

namespace {

// Firm > zone "Nave" > workstation "Torno" > questionnaire 07 > deficiency > measure.
struct NodeDataFormTest : EditingFixture, ::testing::Test {
    NodeDataFormTest() {
        LoadLines(session,
                  {
                      "1\t0\tE\tFirma\tcomE\t01/02/2026\tAna\t\t\tobsE\t\t10000000000000000000000",
                      "2\t1\tZ\tNave\tcomZ\t\t\t\t\tobsZ",
                      "3\t2\tP\tTorno",
                      "4\t3\tC\t07.- Máquinas\tagentes\t10/03/2026\tLuis\t\t\tobsC\t3",
                      "5\t4\tD\t3. Protecciones\trecomendación\t\t\t\t\tcomD\t13021\t\tSin resguardo",
                      "6\t5\tR\tColocar resguardo\tcomR\t20/03/2026\tPepe\t25/03/2026\tJuan\tobsR",
                  });
    }
};

}  // namespace

TEST(NodeDataAdaptation, EachKindRelabelsAndShowsItsOwnControls) {
    const NodeDataAdaptation firm = AdaptationFor(kind::kFirm);
    EXPECT_EQ(firm.captionPrefix, "");
    EXPECT_EQ(U(firm.nameLabel), "Nombre:");
    EXPECT_EQ(U(firm.commentsLabel), "Comentarios:");
    EXPECT_EQ(U(firm.observationsLabel), "Observaciones:");
    EXPECT_TRUE(firm.showsObservations && firm.showsFirmData);
    EXPECT_FALSE(firm.showsLevels || firm.showsLocation || firm.showsPrintBlank || firm.nameReadOnly ||
                 firm.commentsLabelWraps);

    for (char k : {kind::kZone, kind::kWorkstation}) {
        NodeDataAdaptation expected = firm;
        expected.showsObservations = false;
        expected.showsFirmData = false;
        expected.showsExposedWorkers = k == kind::kWorkstation;
        expected.showsWorkstationData = k == kind::kWorkstation;
        EXPECT_EQ(AdaptationFor(k), expected) << k;
    }

    const NodeDataAdaptation questionnaire = AdaptationFor(kind::kQuestionnaire);
    EXPECT_EQ(U(questionnaire.captionPrefix), "Cuestionario: ");
    EXPECT_EQ(U(questionnaire.commentsLabel), "Descripción de agentes implicados");
    EXPECT_TRUE(questionnaire.commentsLabelWraps);
    EXPECT_TRUE(questionnaire.showsPrintBlank);
    EXPECT_TRUE(questionnaire.nameReadOnly);
    EXPECT_FALSE(questionnaire.showsObservations);
    EXPECT_FALSE(questionnaire.showsLevels || questionnaire.showsLocation);

    const NodeDataAdaptation deficiency = AdaptationFor(kind::kDeficiency);
    const NodeDataAdaptation measure = AdaptationFor(kind::kMeasure);
    EXPECT_EQ(U(deficiency.nameLabel), "Item:");
    EXPECT_EQ(U(measure.nameLabel), "Medida específica:");
    for (const NodeDataAdaptation& a : {deficiency, measure}) {
        EXPECT_EQ(a.captionPrefix, "");
        EXPECT_EQ(U(a.commentsLabel), "Deficiencia detectada:");
        EXPECT_EQ(U(a.observationsLabel), "Comentarios:");
        EXPECT_TRUE(a.showsLevels && a.showsLocation && a.showsObservations);
        EXPECT_FALSE(a.showsPrintBlank || a.nameReadOnly);
    }
    NodeDataAdaptation other = firm;
    other.showsFirmData = false;
    EXPECT_EQ(AdaptationFor('X'), other);
}

TEST_F(NodeDataFormTest, OpensWithTheRecordsFieldsAndTheKindsCaption) {
    auto firm = Open(1);
    EXPECT_EQ(U(firm->Caption()), "Firma");
    EXPECT_EQ(U(firm->Values().name), "Firma");
    EXPECT_EQ(U(firm->Values().comments), "comE");
    EXPECT_EQ(firm->Values().planned, (Date{2026, 2, 1}));
    EXPECT_EQ(U(firm->Values().plannedBy), "Ana");
    EXPECT_EQ(firm->Values().completion, dates.today) << "an empty completion date opens on today";
    EXPECT_FALSE(firm->CompletionDateSet());
    EXPECT_EQ(U(firm->Values().observations), "obsE");
    EXPECT_FALSE(firm->Level());
    EXPECT_EQ(firm->Location(), "");

    auto zone = Open(2);
    EXPECT_EQ(zone->Values().planned, dates.today) << "an empty planned date opens on today";
    EXPECT_EQ(U(zone->Values().observations), "obsZ") << "hidden, but kept to be written back";

    EXPECT_EQ(U(Open(4)->Caption()), "Cuestionario: 07.- Máquinas");
    EXPECT_EQ(U(Open(5)->Caption()), "3. Protecciones");

    auto measure = Open(6);
    EXPECT_TRUE(measure->CompletionDateSet());
    EXPECT_EQ(measure->Values().completion, (Date{2026, 3, 25}));
    EXPECT_EQ(U(measure->Values().doneBy), "Juan");
}

TEST_F(NodeDataFormTest, LocationRunsFromBelowTheFirmDownToTheParent) {
    EXPECT_EQ(U(Open(5)->Location()), "Nave/Torno/07.- Máquinas");
    EXPECT_EQ(U(Open(6)->Location()), "Nave/Torno/07.- Máquinas/3. Protecciones");

    // A questionnaire hung from the firm itself: the path is its title alone.
    Record(4).SetField(field::kParent, "1");
    EXPECT_EQ(U(Open(5)->Location()), "07.- Máquinas");
    // A branch with no firm above it runs to the top.
    Record(2).SetField(field::kParent, "0");
    Record(4).SetField(field::kParent, "3");
    EXPECT_EQ(U(Open(5)->Location()), "Nave/Torno/07.- Máquinas");
}

TEST_F(NodeDataFormTest, LocationEndsOnParentsThatTurnInACircle) {
    Record(2).SetField(field::kParent, "3");  // Nave under Torno, Torno under Nave
    EXPECT_EQ(U(Open(5)->Location()), "Nave/Torno/07.- Máquinas") << "each name is taken once";
    Record(4).SetField(field::kParent, "40");  // a parent that is not there
    EXPECT_EQ(U(Open(5)->Location()), "07.- Máquinas");
}

TEST_F(NodeDataFormTest, DeficiencyShowsItsDetectedTextAndLevelAndKeepsTheRest) {
    auto form = Open(5);
    EXPECT_EQ(U(form->Values().comments), "Sin resguardo");
    EXPECT_EQ(form->Level(), 1);
    form->Values().comments = W("Sin resguardo fijo");
    form->Values().observations = "nuevo";
    form->Accept(session.Tree());
    EXPECT_EQ(Field(5, field::kDeficiencyDetected), "Sin resguardo fijo");
    EXPECT_EQ(Field(5, field::kRecommendation), "recomendación")
        << "the generic recommendation is not edited here";
    EXPECT_EQ(Field(5, field::kValuationCode), "13021") << "nor the valuation code";
    EXPECT_EQ(Field(5, field::kObservations), "nuevo");
}

TEST_F(NodeDataFormTest, MeasureShowsItsDeficiencysTextWithoutStoringIt) {
    auto form = Open(6);
    EXPECT_EQ(U(form->Values().comments), "Sin resguardo");
    EXPECT_EQ(form->Level(), 1) << "the deficiency's level";
    EXPECT_EQ(U(form->Values().observations), "obsR") << "its \"Comentarios:\" are field 10";
    form->Values().comments = "cambiado";
    form->Values().observations = "hecho";
    form->Accept(session.Tree());
    EXPECT_EQ(Field(6, field::kComments), "comR");
    EXPECT_EQ(Field(5, field::kDeficiencyDetected), "Sin resguardo");
    EXPECT_EQ(Field(6, field::kObservations), "hecho");
}

TEST_F(NodeDataFormTest, OnlyTheFourLevelsSelectAButton) {
    for (const auto& [code, level] : std::vector<std::pair<std::string, std::optional<int>>>{
             {"0", 0}, {"3xxxx", 3}, {"4", std::nullopt}, {" 3021", std::nullopt}, {"", std::nullopt}}) {
        Record(5).SetField(field::kValuationCode, code);
        EXPECT_EQ(Open(5)->Level(), level) << '"' << code << '"';
        EXPECT_EQ(Open(6)->Level(), level) << '"' << code << '"';
    }
}

TEST_F(NodeDataFormTest, AcceptingWritesTheValuesAndRenamesTheNode) {
    auto form = Open(3);
    NodeDataValues& values = form->Values();
    values.name = "Torno CNC";
    values.comments = "com";
    values.planned = {2026, 4, 1};
    values.plannedBy = "Ana";
    values.doneBy = "Luis";
    form->Accept(session.Tree());
    EXPECT_EQ(Node(3)->text, "Torno CNC");
    const oToken& r = Record(3);
    EXPECT_EQ(r.GetField(field::kName), "Torno CNC");
    EXPECT_EQ(r.GetField(field::kComments), "com");
    EXPECT_EQ(r.GetField(field::kPlannedDate), "01/04/2026");
    EXPECT_EQ(r.GetField(field::kPlannedBy), "Ana");
    EXPECT_EQ(r.GetField(field::kDoneDate), "") << "no completion date was picked";
    EXPECT_EQ(r.GetField(field::kDoneBy), "Luis");
    EXPECT_EQ(r.count(), 10) << "field 10 is written back, empty as it was";
}

TEST_F(NodeDataFormTest, AZoneAcceptedUnchangedOnlyGainsTodaysPlannedDate) {
    const oToken before = Record(2);
    Open(2)->Accept(session.Tree());
    oToken expected = before;
    expected.SetField(field::kPlannedDate, "15/03/2026");
    EXPECT_EQ(Record(2), expected);
    EXPECT_EQ(Node(2)->text, "Nave");
}

TEST_F(NodeDataFormTest, TheCompletionDateIsStoredOnceTheUserPicksOne) {
    auto untouched = Open(4);
    EXPECT_FALSE(untouched->CompletionDateSet());
    untouched->Values().completion = {2026, 3, 1};  // moved without the change being reported
    untouched->Accept(session.Tree());
    EXPECT_EQ(Field(4, field::kDoneDate), "");

    auto picked = Open(4);
    picked->Values().completion = {2026, 3, 14};
    picked->CompletionDateChanged();
    picked->Accept(session.Tree());
    EXPECT_EQ(Field(4, field::kDoneDate), "14/03/2026");

    auto again = Open(4);
    EXPECT_TRUE(again->CompletionDateSet()) << "a stored completion date stays";
    EXPECT_EQ(again->Values().completion, (Date{2026, 3, 14}));
    again->Accept(session.Tree());
    EXPECT_EQ(Field(4, field::kDoneDate), "14/03/2026");
}

TEST_F(NodeDataFormTest, UnreadableDatesAreReportedAndTheEditorDoesNotOpen) {
    for (int date : {field::kPlannedDate, field::kDoneDate}) {
        LoadLines(session, {"1\t0\tE\tFirma", "2\t1\tZ\tNave"});
        Record(2).SetField(date, "31/02/2026");
        const oToken before = Record(2);
        port.errors.clear();
        dialog.Accept();
        session.Tree().Select(Node(2));
        EXPECT_FALSE(editor.EditNodeData(*Node(2))) << date;
        EXPECT_EQ(port.errors, std::vector<std::string>{"'31/02/2026' is not a valid date"}) << date;
        EXPECT_TRUE(dialog.captions.empty()) << "the window never showed";
        EXPECT_EQ(Record(2), before);
        dialog.steps.clear();
    }
}

TEST_F(NodeDataFormTest, CancellingChangesNothing) {
    const oToken before = Record(3);
    dialog.steps.push_back([](NodeDataForm& form) {
        form.Values().name = "otro";
        form.Values().plannedBy = "otro";
        form.CompletionDateChanged();
        return false;
    });
    EXPECT_FALSE(editor.EditNodeData(*Node(3)));
    EXPECT_EQ(Record(3), before);
    EXPECT_EQ(Node(3)->text, "Torno");
}

TEST_F(NodeDataFormTest, BlankPrintoutTakesTheNumberFromTheTitleAndTheHeadingFromTheOwner) {
    auto form = Open(4);
    EXPECT_EQ(form->BlankQuestionnaireNumber(), 7);
    EXPECT_EQ(form->BlankHeading(), "Torno");
    for (const auto& [title, number] : std::vector<std::pair<std::string, int>>{
             {"22.- x", 22}, {"7x", 7}, {"x7", 7}, {"xx", 0}, {"9", 9}, {"", 0}}) {
        form->Values().name = title;
        EXPECT_EQ(form->BlankQuestionnaireNumber(), number) << '"' << title << '"';
    }

    // A questionnaire at the top level is its own heading.
    LoadLines(session, {"1\t0\tE\tFirma", "2\t0\tC\t03.- Ruido"});
    EXPECT_EQ(Open(2)->BlankHeading(), "03.- Ruido");
}

TEST_F(NodeDataFormTest, OnlyAMeasureHasResourcesAndNoneAddsNoField) {
    EXPECT_TRUE(AdaptationFor(kind::kMeasure).showsResources);
    for (char k : {kind::kFirm, kind::kZone, kind::kWorkstation, kind::kQuestionnaire, kind::kDeficiency})
        EXPECT_FALSE(AdaptationFor(k).showsResources) << k;

    // Accepted without resources, the measure's line is as it was.
    const std::string line = Record(6).WriteLine();
    Open(6)->Accept(session.Tree());
    EXPECT_EQ(Record(6).WriteLine(), line);

    auto form = Open(6);
    form->Values().resources = "Cerrajero\r\n450 \x80";
    form->Accept(session.Tree());
    EXPECT_EQ(Record(6).GetField(field::kResources), "Cerrajero\r\n450 \x80");
    EXPECT_EQ(Open(6)->Values().resources, "Cerrajero\r\n450 \x80");

    // Emptied again, the field stays, empty.
    form = Open(6);
    form->Values().resources.clear();
    form->Accept(session.Tree());
    EXPECT_EQ(Record(6).GetField(field::kResources), "");

    // A deficiency's values have no resources to write, whatever they hold.
    form = Open(5);
    form->Values().resources = "x";
    form->Accept(session.Tree());
    EXPECT_LT(Record(5).count(), field::kResources);
}

TEST_F(NodeDataFormTest, AMeasuresCostIsCheckedBeforeAcceptingAndNoneAddsNoField) {
    const std::string line = Record(6).WriteLine();
    auto form = Open(6);
    NodeDataValues values = form->Values();
    EXPECT_EQ(values.cost, "");
    EXPECT_FALSE(form->CheckFigures(values));
    form->Values() = values;
    form->Accept(session.Tree());
    EXPECT_EQ(Record(6).WriteLine(), line) << "accepted without cost, the line is as it was";

    form = Open(6);
    values = form->Values();
    values.cost = "-30";
    const auto problem = form->CheckFigures(values);
    ASSERT_TRUE(problem);
    EXPECT_NE(U(*problem).find("Coste previsto (€)"), std::string::npos);

    values.cost = "85,9";
    EXPECT_FALSE(form->CheckFigures(values));
    EXPECT_EQ(values.cost, "85,90");
    form->Values() = values;
    form->Accept(session.Tree());
    EXPECT_EQ(Record(6).GetField(field::kCost), "85,90");

    // A deficiency has no cost to check or write, whatever the values hold.
    form = Open(5);
    values = form->Values();
    values.cost = "mil";
    EXPECT_FALSE(form->CheckFigures(values));
    form->Values() = values;
    form->Accept(session.Tree());
    EXPECT_LT(Record(5).count(), field::kCost);
}
