#include "questionnaire_valuation.h"

#include "cp1252.h"
#include "valuation_code.h"

namespace questionnaire_valuation {

char Read(const std::string& field) {
    if (field.empty() || field[0] < '0' || field[0] > '4') return '0';
    return field[0];
}

std::string Name(const std::string& field) {
    static const char* const kNames[] = {"Sin Valorar", "Aplicado", "Mejorable", "Deficiente",
                                         "Muy Deficiente"};
    return W(kNames[Read(field) - '0']);
}

std::optional<char> FromDeficiencyLevel(char level) {
    if (!valuation::IsSet(valuation::kDeficiency, level)) return std::nullopt;
    return static_cast<char>('4' - (level - '0'));
}

std::string Raised(const std::string& field, const std::string& deficiencyCode) {
    const std::string code = valuation::WorkingCopy(deficiencyCode);
    const std::optional<char> mapped = FromDeficiencyLevel(code[valuation::kDeficiency]);
    if (!mapped) return field;
    // Compared as bytes, as stored: whatever the field holds is only replaced by a higher value.
    const unsigned char current = field.empty() ? 0 : static_cast<unsigned char>(field[0]);
    return current < static_cast<unsigned char>(*mapped) ? std::string(1, *mapped) : field;
}

}  // namespace questionnaire_valuation
