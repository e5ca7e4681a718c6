#include "questionnaire_owner_flags.h"

#include "assignment_flags.h"
#include "kinds.h"
#include "otoken.h"

namespace owner_flags {

namespace {
bool InCatalogue(int n) {
    return n >= 0 && n < assignment_flags::kQuestionnaires;
}
}  // namespace

std::optional<int> QuestionnaireNumber(const oToken& questionnaire) {
    const auto number = ParseWholeInt(questionnaire.GetField(field::kTitle).substr(0, 2));
    if (!number) return std::nullopt;
    return *number;
}

void Clear(oToken& owner, int n) {
    const std::string flags = owner.GetField(field::kAssignmentFlags);
    if (!InCatalogue(n) || flags.size() <= static_cast<std::size_t>(n)) return;
    owner.SetField(field::kAssignmentFlags, assignment_flags::With(flags, n, false));
}

void Set(oToken& owner, int n) {
    const char kind = owner.GetKind(field::kKind);
    if (!InCatalogue(n)) return;
    if (!kind::IsPlace(kind)) return;
    owner.SetField(field::kAssignmentFlags,
                   assignment_flags::With(owner.GetField(field::kAssignmentFlags), n, true));
}

}  // namespace owner_flags
