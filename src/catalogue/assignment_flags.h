#pragma once

#include <string>

// The assignment flags of a firm, zone or workstation (field::kAssignmentFlags): 23 characters '0'/'1',
// position n + 1 standing for questionnaire n. Only the first 23 characters count; a position
// beyond the end of a shorter text, or holding anything but '1', reads as not assigned.
namespace assignment_flags {

constexpr int kQuestionnaires = 23;

bool IsAssigned(const std::string& flags, int questionnaire);
// The flags normalised to exactly 23 characters with questionnaire n set or cleared.
std::string With(const std::string& flags, int questionnaire, bool assigned);
// Exactly 23 characters, each '1' or '0', as read.
std::string Normalised(const std::string& flags);

}  // namespace assignment_flags
