#include <gtest/gtest.h>

#include "kinds.h"
#include "plan_fixture.h"
#include "plan_summary.h"

using plan::Column;
using plan::Level;
using plan::State;

namespace {

// The cells of a row in UTF-8, column by column.
std::vector<std::string> Cells(const plan::PlanRow& row) {
    std::vector<std::string> cells;
    for (int c = 0; c < plan::kColumnCount; ++c)
        cells.push_back(U(row.Text(static_cast<Column>(c))));
    return cells;
}

}  // namespace

TEST_F(PlanDocument, RowsGoByLevelThenPlannedDateThenDocumentOrder) {
    const plan::ActionPlan plan = Plan();
    std::vector<int> slots;
    for (const plan::PlanRow& row : plan.rows)
        slots.push_back(row.slot);
    // Crítico: 01/12 before 08/12. A corregir: both without a readable date, so in the file's
    // order, the deficiency without measure (3) first. Then A mejorar, No imprescindible, and
    // the deficiency without level last.
    EXPECT_EQ(slots, (std::vector<int>{8, 9, 3, 15, 11, 18, 13}));
    EXPECT_EQ(U(plan.firm), "Construcciones Ávila, S.L.");
    EXPECT_EQ(plan.asOfText, "08/12/2026");
}

TEST_F(PlanDocument, EveryColumnOfAMeasureAndOfADeficiencyWithoutMeasure) {
    const plan::ActionPlan plan = Plan();
    EXPECT_EQ(Cells(plan.rows[0]),
              (std::vector<std::string>{
                  "Crítico", "Construcciones Ávila, S.L. / Nave / Soldadura", "01.- Lugares de trabajo",
                  "5. ¿Están protegidas las escaleras? — Escalera sin barandilla", "Instalar barandilla",
                  "Cerrajero; 450 €", "Ana Ruiz", "01/12/2026", "", "", "Vencida",
                  "Pedir presupuesto\r\nUrgente: con \"comillas\"", "", ""}));
    EXPECT_EQ(plan.rows[0].kind, kind::kMeasure);
    EXPECT_EQ(plan.rows[0].planned.date, (Date{2026, 12, 1}));
    EXPECT_FALSE(plan.rows[0].done.date);

    EXPECT_EQ(Cells(plan.rows[2]),
              (std::vector<std::string>{"A corregir", "Construcciones Ávila, S.L.", "00.- Gestión Preventiva",
                                        "1. ¿Existe una política de prevención? — No hay política escrita",
                                        "", "", "", "", "", "", "Sin medida", "", "", ""}));
    EXPECT_EQ(plan.rows[2].kind, kind::kDeficiency);
    // A deficiency without detected text shows its item alone.
    EXPECT_EQ(U(plan.rows[4].deficiency), "7. ¿Es suficiente la iluminación?");
}

TEST_F(PlanDocument, StatesOnThePlansDate) {
    const plan::ActionPlan plan = Plan();
    const std::vector<std::pair<int, State>> expected = {
        {8, State::kOverdue}, {9, State::kPending},  {3, State::kNoMeasure}, {15, State::kUndated},
        {11, State::kDone},   {18, State::kOverdue}, {13, State::kUndated},
    };
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(plan.rows[i].slot, expected[i].first);
        EXPECT_EQ(plan.rows[i].state, expected[i].second) << "slot " << expected[i].first;
    }
    // A planned date that is no date keeps its text and has no date.
    EXPECT_EQ(plan.rows[3].planned.text, "pronto");
    EXPECT_FALSE(plan.rows[3].planned.date);
    // Done before it was due, and counted done whatever its planned date.
    EXPECT_EQ(plan.rows[4].done.date, (Date{2026, 11, 20}));
    EXPECT_EQ(plan.rows[6].level, Level::kNotValued);
}

TEST_F(PlanDocument, TheSameDocumentOnOtherDates) {
    // A day later the measure planned for 08/12 is overdue too; a year earlier nothing is.
    EXPECT_EQ(Plan({2026, 12, 9}).counts.Of(State::kOverdue), 3);
    const plan::ActionPlan early = Plan({2025, 12, 8});
    EXPECT_EQ(early.counts.Of(State::kOverdue), 0);
    // Measure 11, done on 20/11/2026, was still to be done then.
    EXPECT_EQ(early.counts.Of(State::kPending), 4);
    EXPECT_EQ(early.counts.Of(State::kDone), 0);
}

TEST_F(PlanDocument, AMeasureIsDoneFromItsDoneDateOn) {
    auto stateOf11 = [this](Date asOf) {
        for (const plan::PlanRow& row : Plan(asOf).rows) {
            if (row.slot == 11) return row.state;
        }
        return State::kNoMeasure;
    };
    EXPECT_EQ(stateOf11({2026, 11, 19}), State::kPending) << "the day before";
    EXPECT_EQ(stateOf11({2026, 11, 20}), State::kDone) << "the day itself";
    EXPECT_EQ(stateOf11({2027, 2, 1}), State::kDone) << "after its planned date too";
    // Done after it was due: overdue on a date between the two.
    session.Table().Record(11)->SetField(field::kDoneDate, "20/01/2027");
    EXPECT_EQ(stateOf11({2027, 1, 16}), State::kOverdue);
    EXPECT_EQ(stateOf11({2027, 1, 20}), State::kDone);
}

TEST_F(PlanDocument, ADoneFieldThatIsNoDateIsNotDone) {
    // "hecho" and an impossible date: the text is shown, the state follows the planned date.
    session.Table().Record(8)->SetField(field::kDoneDate, "hecho");
    session.Table().Record(9)->SetField(field::kDoneDate, "31/02/2026");
    session.Table().Record(13)->SetField(field::kDoneDate, "ya");
    const plan::ActionPlan plan = Plan();
    EXPECT_EQ(plan.rows[0].slot, 8);
    EXPECT_EQ(plan.rows[0].Text(Column::kDoneDate), "hecho");
    EXPECT_FALSE(plan.rows[0].done.date);
    EXPECT_EQ(plan.rows[0].state, State::kOverdue);
    EXPECT_EQ(plan.rows[1].Text(Column::kDoneDate), "31/02/2026");
    EXPECT_EQ(plan.rows[1].state, State::kPending);
    EXPECT_EQ(plan.rows[6].slot, 13);
    EXPECT_EQ(plan.rows[6].state, State::kUndated);
    EXPECT_EQ(plan.counts.Of(State::kDone), 1);
    EXPECT_EQ(U(plan::OverdueText(plan)), "2 medidas vencidas · próxima: 08/12/2026 Señalizar el paso");
}

TEST_F(PlanDocument, CountsByStateAndByLevelAndState) {
    const plan::ActionPlan plan = Plan();
    EXPECT_EQ(plan.counts.total, 7);
    EXPECT_EQ(U(plan::CountsText(plan.counts)),
              "2 vencidas · 1 pendiente · 2 sin fecha · 1 realizada · 1 sin medida");
    EXPECT_EQ(plan.counts.Of(Level::kCritical, State::kOverdue), 1);
    EXPECT_EQ(plan.counts.Of(Level::kCritical, State::kPending), 1);
    EXPECT_EQ(plan.counts.Of(Level::kToCorrect, State::kNoMeasure), 1);
    EXPECT_EQ(plan.counts.Of(Level::kToCorrect, State::kUndated), 1);
    EXPECT_EQ(plan.counts.Of(Level::kNotEssential, State::kOverdue), 1);
    EXPECT_EQ(plan.counts.Of(Level::kNotValued, State::kUndated), 1);
}

TEST_F(PlanDocument, OverdueTextNamesTheNextPendingMeasure) {
    EXPECT_EQ(U(plan::OverdueText(Plan())), "2 medidas vencidas · próxima: 08/12/2026 Señalizar el paso");
    // With nothing pending left, only the count.
    EXPECT_EQ(U(plan::OverdueText(Plan({2027, 1, 1}))), "3 medidas vencidas");
    EXPECT_EQ(plan::OverdueText(Plan({2026, 11, 1})), "") << "nothing overdue, nothing said";
    EXPECT_EQ(U(plan::TitleText(Plan())),
              "Plan de acción · Construcciones Ávila, S.L. · a fecha de 08/12/2026");
}

// Of several pending measures the one due first is named, wherever its level puts its row.
TEST_F(PlanDocument, TheNextMeasureIsTheEarliestPendingOne) {
    session.Table().Record(11)->SetField(field::kDoneDate, "");               // due 15/01/2027, A mejorar
    session.Table().Record(15)->SetField(field::kPlannedDate, "03/12/2026");  // A corregir
    // On 02/12: 8 and 18 overdue; 9 (Crítico, 08/12), 15 and 11 pending.
    EXPECT_EQ(U(plan::OverdueText(Plan({2026, 12, 2}))),
              "2 medidas vencidas · próxima: 03/12/2026 Reparar el suelo");
}

// Within a level the dated rows come first, the undated after them whatever the file's order.
TEST_F(PlanDocument, UndatedRowsOfALevelGoLast) {
    session.Table().Record(8)->SetField(field::kPlannedDate, "");
    session.Table().Record(15)->SetField(field::kPlannedDate, "10/12/2026");
    std::vector<int> slots;
    for (const plan::PlanRow& row : Plan().rows)
        slots.push_back(row.slot);
    EXPECT_EQ(slots, (std::vector<int>{9, 8, 15, 3, 11, 18, 13}));
}

TEST_F(PlanDocument, ADeficiencyWhoseMeasureIsDeletedGetsARowAndTheViewsChangeNothing) {
    // Deleting measure 18 leaves its deficiency without measure.
    session.DeleteSubtree(session.Table().Node(18));
    plan::ActionPlan plan = Plan();
    EXPECT_EQ(plan.rows[5].slot, 17);
    EXPECT_EQ(plan.rows[5].state, State::kNoMeasure);
    const auto before = plan.rows.size();
    session.SetViewMode(view::kTemporal);
    plan = Plan();
    EXPECT_EQ(plan.rows.size(), before);
}

TEST(ActionPlan, DocumentOrderIsTheTreesWhileItIsShown) {
    // Two measures of one deficiency with the same date: slot 4 hangs before slot 3 in the tree
    // (as after a drop that is not saved yet); the table's order is used in the other views.
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    for (const char* line : {"1\t0\tE\tF", "2\t1\tC\t01.- Q", "3\t2\tD\t1. d\t\t\t\t\t\t\t1",
                             "4\t3\tR\tA\t\t01/01/2027", "5\t3\tR\tB\t\t01/01/2027"}) {
        auto record = std::make_unique<oToken>();
        record->ParseLine(line);
        session.Table().Append(std::move(record));
    }
    session.RebuildTree();
    TreeNode* deficiency = session.Table().Node(3);
    ASSERT_TRUE(session.Tree().Move(session.Table().Node(5), deficiency, 0));
    auto order = [&] {
        std::string out;
        for (const plan::PlanRow& row : plan::BuildActionPlan(session, dates, {2026, 1, 1}).rows)
            out += row.measure;
        return out;
    };
    EXPECT_EQ(order(), "BA");
    session.SetViewMode(view::kRisk);
    EXPECT_EQ(order(), "AB");
}

TEST(ActionPlan, AnEmptyDocumentHasNoRows) {
    DocumentSession session;
    FixedDates dates;
    const plan::ActionPlan plan = plan::BuildActionPlan(session, dates, dates.today);
    EXPECT_TRUE(plan.rows.empty());
    EXPECT_EQ(plan::CountsText(plan.counts), "Ninguna deficiencia");
    EXPECT_EQ(plan::OverdueText(plan), "");
}

TEST(ActionPlan, TheLevelOfAValuationCode) {
    EXPECT_EQ(plan::LevelOfCode("0...."), Level::kCritical);
    EXPECT_EQ(plan::LevelOfCode("13021"), Level::kToCorrect);
    EXPECT_EQ(plan::LevelOfCode("2"), Level::kToImprove);
    EXPECT_EQ(plan::LevelOfCode("3 1 2"), Level::kNotEssential);
    for (const char* none : {"", " 3021", "43021", "x"})
        EXPECT_EQ(plan::LevelOfCode(none), Level::kNotValued) << none;
}
