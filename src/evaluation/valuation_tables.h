#pragma once

#include <optional>
#include <string_view>

// The two tables of the simplified risk method, stored one after the other: the intervention
// table (4 x 4, by consequences and probability), then the probability table (4 x 3, by
// exposure and deficiency level). Every level follows from the chosen values through both.
namespace valuation {

inline constexpr std::string_view kTables = "0001001201121223002012113123";

// The probability for an exposure and a deficiency level; nothing unless both are set.
std::optional<char> ProbabilityFor(char exposure, char deficiency);
// The intervention level for consequences and a probability; nothing unless both are set.
std::optional<char> InterventionLevelFor(char consequences, char probability);

}  // namespace valuation
