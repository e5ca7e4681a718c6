#pragma once

#include <optional>

class oToken;

// The link between a questionnaire node and the assignment flags (field::kAssignmentFlags) of the firm, zone
// or workstation that it hangs from.
namespace owner_flags {

// The questionnaire number that the node's title begins with: the whole number in its first two
// characters ("00.- Gestión Preventiva" gives 0); nothing when they are not a whole number.
std::optional<int> QuestionnaireNumber(const oToken& questionnaire);
// Marks questionnaire n as no longer assigned to the owner. Flags too short to hold it already
// read as not assigned and are left as they are.
void Clear(oToken& owner, int n);
// Marks questionnaire n as assigned when the owner is a firm, zone or workstation.
void Set(oToken& owner, int n);

}  // namespace owner_flags
