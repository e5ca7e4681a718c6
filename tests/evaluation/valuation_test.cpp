#include <gtest/gtest.h>

#include <array>
#include <string>

#include "deficiency_form.h"
#include "evaluation_fixture.h"
#include "questionnaire_valuation.h"
#include "valuation_code.h"
#include "valuation_tables.h"

using namespace valuation;

namespace {

// The method's two grids as the safety technician reads them.
const char* const kExposureNames[] = {"Continuada", "Frecuente", "Ocasional", "Esporádica"};
const char* const kDeficiencyNames[] = {"Muy deficiente", "Deficiente", "Mejorable"};
const char* const kProbabilityGrid[4][3] = {
    {"Muy alta", "Muy alta", "Moderada"},
    {"Muy alta", "Alta", "Moderada"},
    {"Alta", "Alta", "Baja"},
    {"Alta", "Moderada", "Baja"},
};
const char* const kConsequenceNames[] = {"Mortal", "Muy grave", "Grave", "Leve"};
const char* const kProbabilityNames[] = {"Muy alta", "Alta", "Moderada", "Baja"};
const char* const kInterventionGrid[4][4] = {
    {"Crítico", "Crítico", "Crítico", "A corregir"},
    {"Crítico", "Crítico", "A corregir", "A mejorar"},
    {"Crítico", "A corregir", "A corregir", "A mejorar"},
    {"A corregir", "A mejorar", "A mejorar", "No imprescindible"},
};

int IndexOf(const char* const* names, int size, const std::string& name) {
    for (int i = 0; i < size; ++i) {
        if (name == names[i]) return i;
    }
    return -1;
}

}  // namespace

TEST(ValuationTables, EveryChoiceGivesTheLevelOfTheGrids) {
    const std::array<void (DeficiencyForm::*)(), 4> consequences = {
        &DeficiencyForm::RadioButton5Click, &DeficiencyForm::RadioButton6Click,
        &DeficiencyForm::RadioButton7Click, &DeficiencyForm::RadioButton8Click};
    const std::array<void (DeficiencyForm::*)(), 4> exposures = {
        &DeficiencyForm::RadioButton13Click, &DeficiencyForm::RadioButton14Click,
        &DeficiencyForm::RadioButton15Click, &DeficiencyForm::RadioButton16Click};
    const std::array<void (DeficiencyForm::*)(), 3> deficiencies = {&DeficiencyForm::RadioButton17Click,
                                                                    &DeficiencyForm::RadioButton18Click,
                                                                    &DeficiencyForm::RadioButton19Click};
    int checked = 0;
    for (int c = 0; c < 4; ++c) {
        for (int e = 0; e < 4; ++e) {
            for (int d = 0; d < 3; ++d) {
                SCOPED_TRACE(std::string(kConsequenceNames[c]) + " / " + kExposureNames[e] + " / " +
                             kDeficiencyNames[d]);
                DeficiencyForm form;
                (form.*consequences[c])();
                (form.*exposures[e])();
                (form.*deficiencies[d])();
                const std::string probability = kProbabilityGrid[e][d];
                const std::string level = kInterventionGrid[c][IndexOf(kProbabilityNames, 4, probability)];
                EXPECT_EQ(U(ValueName(kProbability, form.Code()[kProbability])), probability);
                EXPECT_EQ(U(InterventionLevelName(form.Code()[kLevel])), level);
                EXPECT_EQ(form.Selected(kProbability), IndexOf(kProbabilityNames, 4, probability));
                EXPECT_EQ(U(ValueName(kLevel, static_cast<char>('0' + form.Selected(kLevel)))), level);
                EXPECT_EQ(form.Code()[kConsequences], '0' + c);
                EXPECT_EQ(form.Code()[kExposure], '0' + e);
                EXPECT_EQ(form.Code()[kDeficiency], '0' + d);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 48);
}

TEST(ValuationTables, NothingIsDerivedFromAnUnsetInput) {
    EXPECT_EQ(ProbabilityFor(' ', '0'), std::nullopt);
    EXPECT_EQ(ProbabilityFor('0', ' '), std::nullopt);
    EXPECT_EQ(ProbabilityFor('4', '0'), std::nullopt) << "exposure has four values";
    EXPECT_EQ(ProbabilityFor('0', '3'), std::nullopt) << "the deficiency level has three";
    EXPECT_EQ(InterventionLevelFor('0', '4'), std::nullopt);
    EXPECT_EQ(InterventionLevelFor('/', '0'), std::nullopt);
    EXPECT_EQ(InterventionLevelName(' '), "") << "no level, no name";
    EXPECT_EQ(ValueName(kDeficiency, '3'), "");
    EXPECT_EQ(ProbabilityFor('3', '2'), '3');
    EXPECT_EQ(InterventionLevelFor('3', '3'), '3');
}

TEST(ValuationCode, WorkingCopyIsAlwaysFiveCharacters) {
    EXPECT_EQ(WorkingCopy(""), "     ");
    EXPECT_EQ(WorkingCopy("1"), "1    ");
    EXPECT_EQ(WorkingCopy("1033299"), "10332");
}

TEST(QuestionnaireValuation, ReadsAndNamesTheScale) {
    EXPECT_EQ(questionnaire_valuation::Read(""), '0');
    EXPECT_EQ(questionnaire_valuation::Read("x"), '0');
    EXPECT_EQ(questionnaire_valuation::Read("5"), '0');
    EXPECT_EQ(questionnaire_valuation::Read("3"), '3');
    EXPECT_EQ(U(questionnaire_valuation::Name("")), "Sin Valorar");
    EXPECT_EQ(U(questionnaire_valuation::Name("1")), "Aplicado");
    EXPECT_EQ(U(questionnaire_valuation::Name("4")), "Muy Deficiente");
}

TEST(QuestionnaireValuation, OnlyRisesWithMoreSevereLevels) {
    using questionnaire_valuation::Raised;
    std::string field = "0";
    field = Raised(field, "33322");  // Mejorable
    EXPECT_EQ(field, "2");
    field = Raised(field, "02000");  // Muy deficiente
    EXPECT_EQ(field, "4");
    field = Raised(field, "11231");  // Deficiente
    EXPECT_EQ(field, "4");
    EXPECT_EQ(Raised("0", " 0   "), "0") << "no deficiency level chosen";
    EXPECT_EQ(Raised("", ""), "");
    EXPECT_EQ(Raised("1", "    1"), "3") << "Aplicado is below Deficiente";
}
