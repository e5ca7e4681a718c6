#include <gtest/gtest.h>

#include "assessment_fixture.h"
#include "catalogue.h"
#include "kinds.h"
#include "view_commands.h"

namespace {

struct AssessmentTest : ::testing::Test {
    DocumentSession session;
    FixedDates dates;

    AssessmentTest() { LoadLines(session, kAssessedFirm); }
    assessment::Assessment Gathered() {
        return assessment::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25});
    }
};

}  // namespace

TEST_F(AssessmentTest, TheFirmItsDataAndItsDates) {
    const assessment::Assessment a = Gathered();
    EXPECT_EQ(a.firmName, "Talleres Norte");
    EXPECT_EQ(U(a.firm.address), "C/ Mayor 3, Ávila");
    EXPECT_EQ(a.firm.modality, firm_data::Modality::kExternalService);
    EXPECT_EQ(a.planned, "02/03/2026");
    EXPECT_EQ(a.plannedBy, "Marta");
    EXPECT_EQ(a.done, "20/03/2026");
    EXPECT_EQ(a.date, "25/03/2026");
}

TEST_F(AssessmentTest, PlacesInTheTreesOrderWithWhatHangsFromEach) {
    const assessment::Assessment a = Gathered();
    ASSERT_EQ(a.places.size(), 3u);
    const assessment::Place& firm = a.places[0];
    const assessment::Place& zone = a.places[1];
    const assessment::Place& workstation = a.places[2];
    EXPECT_EQ(firm.kind, kind::kFirm);
    EXPECT_EQ(firm.path, "Talleres Norte");
    EXPECT_EQ(zone.path, "Nave");
    EXPECT_EQ(workstation.path, "Nave / Soldador");
    EXPECT_EQ(workstation.depth, 2);
    EXPECT_EQ(workstation.exposedWorkers, "2");
    EXPECT_TRUE(zone.questionnaires.empty());

    ASSERT_EQ(workstation.questionnaires.size(), 1u);
    const assessment::Questionnaire& q = workstation.questionnaires[0];
    EXPECT_EQ(U(q.valuation), "Muy deficiente");
    ASSERT_EQ(q.deficiencies.size(), 3u);
    EXPECT_EQ(U(q.deficiencies[0].item), "1. ¿Hay pantallas?");
    EXPECT_EQ(q.deficiencies[0].detected, "Cortina rota");
    EXPECT_EQ(q.deficiencies[0].comments, "comentario D");
    EXPECT_EQ(q.deficiencies[0].level, plan::Level::kCritical);
    EXPECT_EQ(q.deficiencies[1].level, plan::Level::kNotEssential);
    EXPECT_EQ(q.deficiencies[2].level, plan::Level::kNotValued);
    EXPECT_EQ(q.deficiencies[2].code, "     ");

    // A deficiency's measures in the tree's order, each with its plan row (and state).
    ASSERT_EQ(q.deficiencies[0].measures.size(), 2u);
    const plan::PlanRow& first = a.plan.rows[q.deficiencies[0].measures[0]];
    const plan::PlanRow& second = a.plan.rows[q.deficiencies[0].measures[1]];
    EXPECT_EQ(first.measure, "Reponer la cortina");
    EXPECT_EQ(first.state, plan::State::kOverdue);
    EXPECT_EQ(U(second.measure), "Señalizar el puesto");
    EXPECT_EQ(second.state, plan::State::kDone);
    const plan::PlanRow& firmMeasure = a.plan.rows[firm.questionnaires[0].deficiencies[0].measures.at(0)];
    EXPECT_EQ(U(firmMeasure.resources), "Consultora; 900 €");
    EXPECT_EQ(firmMeasure.state, plan::State::kPending);
}

// The checklist's answers: their summary, and the items answered "Sí" with the catalogue's
// texts, as evidence of what was checked.
TEST_F(AssessmentTest, TheItemsAnsweredYesWithTheirTexts) {
    const assessment::Assessment a = Gathered();
    const assessment::Questionnaire& answered = a.places[2].questionnaires[0];
    const Catalogue& catalogue = ShippedCatalogue();
    ASSERT_GT(catalogue.ItemCount(18), 4);
    EXPECT_EQ(U(answered.answers),
              "4 de " + std::to_string(catalogue.ItemCount(18)) + " (Sí 2, No 1, No procede 1)");
    EXPECT_EQ(answered.checked, (std::vector<std::string>{"2. " + catalogue.ItemText(18, 2),
                                                          "3. " + catalogue.ItemText(18, 3)}));
    const assessment::Questionnaire& unanswered = a.places[0].questionnaires[0];
    EXPECT_EQ(unanswered.answers, "");
    EXPECT_TRUE(unanswered.checked.empty());
}

TEST_F(AssessmentTest, CountsByLevelForEachPlaceAndTheWholeFirm) {
    const assessment::Assessment a = Gathered();
    using L = assessment::LevelCounts;
    EXPECT_EQ(a.places[0].levels, (L{0, 1, 0, 0, 0}));
    EXPECT_EQ(a.places[1].levels, (L{0, 0, 0, 0, 0})) << "a zone counts its own, not its workstations'";
    EXPECT_EQ(a.places[2].levels, (L{1, 0, 0, 1, 1}));
    EXPECT_EQ(a.levels, (L{1, 1, 0, 1, 1}));
    EXPECT_EQ(a.Deficiencies(), 4);
    EXPECT_EQ(a.plan.counts.Of(plan::State::kNoMeasure), 2);
}

// The views replace the tree but not the document: the assessment is the same in all of them.
TEST_F(AssessmentTest, TheSameWhateverTheTreeShows) {
    // A measure moved in the tree and not yet saved: its parent number names its new place.
    session.Table().Record(10)->SetField(field::kParent, "3");
    session.RebuildTree();
    const assessment::Assessment geographic = Gathered();
    EXPECT_EQ(geographic.places[0].questionnaires[0].deficiencies[0].measures.size(), 2u);
    const Catalogue catalogue;
    for (const view::Mode mode : {view::kTemporal, view::kValuation, view::kRisk}) {
        ShowView(session, catalogue, mode);
        const assessment::Assessment inView = Gathered();
        ASSERT_EQ(inView.places.size(), geographic.places.size());
        for (std::size_t p = 0; p < inView.places.size(); ++p) {
            EXPECT_EQ(inView.places[p].path, geographic.places[p].path);
            EXPECT_EQ(inView.places[p].levels, geographic.places[p].levels);
        }
        EXPECT_EQ(inView.places[0].questionnaires[0].deficiencies[0].measures,
                  geographic.places[0].questionnaires[0].deficiencies[0].measures);
    }
}

// Lines moved by hand: a deficiency straight under a zone, a questionnaire at the top level.
// Neither is left out.
TEST_F(AssessmentTest, WhatHangsInTheWrongPlaceIsStillThere) {
    LoadLines(session, {"1\t0\tE\tFirma", "2\t1\tZ\tNave", "3\t2\tD\t5. Suelo\t\t\t\t\t\t\t10332",
                        "4\t0\tC\t01.- Lugares de trabajo", "5\t4\tD\t6. Luz\t\t\t\t\t\t\t21332"});
    const assessment::Assessment a = Gathered();
    EXPECT_EQ(a.Deficiencies(), 2);
    ASSERT_EQ(a.places.size(), 3u);
    EXPECT_EQ(a.places[1].questionnaires.at(0).title, "") << "a questionnaire without title for it";
    EXPECT_EQ(a.places[1].questionnaires[0].deficiencies.at(0).item, "5. Suelo");
    EXPECT_EQ(a.places[2].kind, ' ') << "a place without name for the homeless questionnaire";
    EXPECT_EQ(a.places[2].questionnaires.at(0).deficiencies.at(0).item, "6. Luz");
}

TEST_F(AssessmentTest, AnEmptyDocumentGivesAnEmptyAssessment) {
    session.ClearDocument();
    const assessment::Assessment a = Gathered();
    EXPECT_EQ(a.firmName, "");
    EXPECT_TRUE(a.places.empty());
    EXPECT_EQ(a.Deficiencies(), 0);
}
