#pragma once

#include <optional>
#include <string>

// The valuation code of a deficiency (field::kValuationCode): five characters, each '0'.. or a blank,
// for the intervention level, consequences, probability, exposure and deficiency level.
namespace valuation {

enum Position { kLevel = 0, kConsequences = 1, kProbability = 2, kExposure = 3, kDeficiency = 4 };
constexpr int kPositions = 5;

// How many values a position takes: four ('0'..'3'), three for the deficiency level.
int ValueCount(int position);
// A position is set only when it holds one of its values; a blank or anything else is not.
bool IsSet(int position, char c);
// The first five characters of a stored code, blanks where it is shorter.
std::string WorkingCopy(const std::string& field);
// The name of a value ("Crítico", "Mortal", ...); the empty text when the character is not set.
std::string ValueName(int position, char c);
inline std::string InterventionLevelName(char c) {
    return ValueName(kLevel, c);
}
// The intervention level that a stored code holds, 0 (Crítico) to 3 (No imprescindible); nothing
// when its first position is not set. The one reading of a deficiency's level.
std::optional<int> InterventionLevel(const std::string& storedCode);

}  // namespace valuation
