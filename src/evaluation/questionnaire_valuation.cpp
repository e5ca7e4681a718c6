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

namespace {

// Compared as bytes, as stored: whatever the field holds is only replaced by a higher value.
std::string AtLeast(const std::string& field, char value) {
    const unsigned char current = field.empty() ? 0 : static_cast<unsigned char>(field[0]);
    return current < static_cast<unsigned char>(value) ? std::string(1, value) : field;
}

}  // namespace

std::string Raised(const std::string& field, const std::string& deficiencyCode) {
    const std::string code = valuation::WorkingCopy(deficiencyCode);
    const std::optional<char> mapped = FromDeficiencyLevel(code[valuation::kDeficiency]);
    if (!mapped) return field;
    return AtLeast(field, *mapped);
}

std::string Applied(const std::string& field) {
    return AtLeast(field, '1');
}

}  // namespace questionnaire_valuation
