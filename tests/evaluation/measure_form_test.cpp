#include <gtest/gtest.h>

#include "evaluation_fixture.h"
#include "measure_form.h"

namespace {

struct MeasureFormTest : ::testing::Test {
    DocumentSession session;
    ScriptedPort port;
    FixedDates dates;
    MeasureForm form;

    MeasureFormTest() { LoadLines(session, kFirmLines); }
    oToken& AddDeficiency(int questionnaire, const std::string& code) {
        auto record = std::make_unique<oToken>();
        record->ParseLine(W("0\t" + std::to_string(questionnaire) + "\tD\t3. Ítem 3\tRec\t\t\t\t\t\t" + code +
                            "\t\tEscalón roto"));
        return *session.Table().Append(std::move(record));
    }
    oToken NewMeasureUnder(const oToken& deficiency) {
        oToken record;
        record.SetField(field::kParent, deficiency.GetField(field::kSlot));
        return record;
    }
};

}  // namespace

TEST_F(MeasureFormTest, ShowsTheDeficiencyItBelongsTo) {
    const oToken& deficiency = AddDeficiency(4, "21222");
    oToken record = NewMeasureUnder(deficiency);
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(U(form.Caption()), "Medida Preventiva");
    EXPECT_EQ(U(form.Location()), "Nave/Soldadura/01.- Lugares de trabajo/3. Ítem 3");
    EXPECT_EQ(U(form.Detected()), "Escalón roto");
    EXPECT_EQ(form.Level(), 2) << "A mejorar: the third level button";
    EXPECT_EQ(form.PlannedDate(), dates.today);
    EXPECT_EQ(form.Measure(), "");
}

TEST_F(MeasureFormTest, ADeficiencyWithoutLevelSelectsNoLevelButton) {
    for (const char* code : {" 0   ", "", "4", "x1234"}) {
        SCOPED_TRACE(code);
        oToken record = NewMeasureUnder(AddDeficiency(5, code));
        form.Open(session.Table(), record, dates, port);
        EXPECT_EQ(form.Level(), MeasureForm::kNone);
    }
    oToken record = NewMeasureUnder(AddDeficiency(5, "3"));
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.Level(), 3);
    EXPECT_EQ(U(form.Location()), "00.- Gestión Preventiva/3. Ítem 3") << "the firm's own questionnaire";
}

TEST_F(MeasureFormTest, ThePlannedDateIsAlwaysWritten) {
    oToken record = NewMeasureUnder(AddDeficiency(4, "10332"));
    form.Open(session.Table(), record, dates, port);
    form.SetMeasure(W("Reparar el escalón"));
    form.SetComments("Urgente");
    form.WriteBack(record, dates);
    EXPECT_EQ(record.GetField(field::kMeasure), W("Reparar el escalón"));
    EXPECT_EQ(record.GetField(field::kComments), "Urgente");
    EXPECT_EQ(record.GetField(field::kPlannedDate), "15/03/2026");

    // A stored date is shown; one that is not a date is reported and today's is offered.
    record.SetField(field::kPlannedDate, "02/01/2027");
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.PlannedDate(), (Date{2027, 1, 2}));
    form.SetPlannedDate({2026, 4, 30});
    form.WriteBack(record, dates);
    EXPECT_EQ(record.GetField(field::kPlannedDate), "30/04/2026");

    record.SetField(field::kPlannedDate, W("mañana"));
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.PlannedDate(), dates.today);
    ASSERT_EQ(port.errors.size(), 1u);
    EXPECT_EQ(port.errors[0], "'mañana' is not a valid date");
}

TEST_F(MeasureFormTest, ResourcesAreWrittenOnlyWhenThereAreSome) {
    oToken record = NewMeasureUnder(AddDeficiency(4, "10332"));
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.Resources(), "");
    form.WriteBack(record, dates);
    EXPECT_EQ(record.count(), field::kPlannedDate) << "a measure without resources ends at its planned date";

    form.SetResources(W("Cerrajero; 450 €"));
    form.WriteBack(record, dates);
    EXPECT_EQ(record.GetField(field::kResources), W("Cerrajero; 450 €"));
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.Resources(), W("Cerrajero; 450 €"));
}

TEST_F(MeasureFormTest, TheCostIsCheckedStoredAndWrittenOnlyWhenThereIsOne) {
    oToken record = NewMeasureUnder(AddDeficiency(4, "10332"));
    form.Open(session.Table(), record, dates, port);
    EXPECT_FALSE(form.SetCost(""));
    form.WriteBack(record, dates);
    EXPECT_EQ(record.count(), field::kPlannedDate) << "a measure without cost ends at its planned date";

    // Refused: the message names what was typed, and nothing is taken.
    const auto refused = form.SetCost("12.5");
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->find(W("«12.5»")), std::string::npos);
    EXPECT_EQ(form.Cost(), "");

    EXPECT_FALSE(form.SetCost("1.250,5"));
    form.WriteBack(record, dates);
    EXPECT_EQ(record.GetField(field::kCost), "1250,50");
    EXPECT_EQ(record.GetField(field::kResources), "") << "the field before it is there, empty";
    form.Open(session.Table(), record, dates, port);
    EXPECT_EQ(form.Cost(), "1250,50");

    // A cost written by hand that is no amount stays while it is shown unchanged.
    record.SetField(field::kCost, "mil");
    form.Open(session.Table(), record, dates, port);
    EXPECT_FALSE(form.SetCost("mil"));
    form.WriteBack(record, dates);
    EXPECT_EQ(record.GetField(field::kCost), "mil");
}
