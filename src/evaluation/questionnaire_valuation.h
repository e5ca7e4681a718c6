#pragma once

#include <optional>
#include <string>

// The valuation of a questionnaire (field::kQuestionnaireValuation): one character, '0' Sin Valorar, '1'
// Aplicado, '2' Mejorable, '3' Deficiente, '4' Muy Deficiente. It holds the most severe deficiency level
// recorded under the questionnaire and only ever rises.
namespace questionnaire_valuation {

// The value a field holds; an empty field or any other character reads as '0'.
char Read(const std::string& field);
// "Sin Valorar" ... "Muy Deficiente" for the value of a field.
std::string Name(const std::string& field);
// Where a deficiency level ('0' Muy deficiente .. '2' Mejorable) lies on the scale.
std::optional<char> FromDeficiencyLevel(char level);
// The questionnaire's valuation once a deficiency with this valuation code is counted in it.
std::string Raised(const std::string& field, const std::string& deficiencyCode);
// The questionnaire's valuation once its checklist is found compliant: "1" Aplicado, unless it
// stands higher already.
std::string Applied(const std::string& field);

}  // namespace questionnaire_valuation
