#include "valuation_tables.h"

#include "valuation_code.h"

namespace valuation {

namespace {

constexpr std::string_view kInterventionTable = kTables.substr(0, 16);
constexpr std::string_view kProbabilityTable = kTables.substr(16, 12);

}  // namespace

std::optional<char> ProbabilityFor(char exposure, char deficiency) {
    if (!IsSet(kExposure, exposure) || !IsSet(kDeficiency, deficiency)) return std::nullopt;
    return kProbabilityTable[3 * (exposure - '0') + (deficiency - '0')];
}

std::optional<char> InterventionLevelFor(char consequences, char probability) {
    if (!IsSet(kConsequences, consequences) || !IsSet(kProbability, probability)) return std::nullopt;
    return kInterventionTable[4 * (consequences - '0') + (probability - '0')];
}

}  // namespace valuation
