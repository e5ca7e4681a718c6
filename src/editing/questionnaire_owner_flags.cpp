#include "questionnaire_owner_flags.h"

#include "assignment_flags.h"
#include "kinds.h"
#include "otoken.h"

namespace owner_flags {

namespace {
constexpr int kFlagsField = 12;

bool InCatalogue(int n) {
    return n >= 0 && n < assignment_flags::kQuestionnaires;
}
}  // namespace

std::optional<int> QuestionnaireNumber(const oToken& questionnaire) {
    const auto number = ParseWholeInt(questionnaire.GetField(4).substr(0, 2));
    if (!number) return std::nullopt;
    return *number;
}

void Clear(oToken& owner, int n) {
    const std::string flags = owner.GetField(kFlagsField);
    if (!InCatalogue(n) || flags.size() <= static_cast<std::size_t>(n)) return;
    owner.SetField(kFlagsField, assignment_flags::With(flags, n, false));
}

void Set(oToken& owner, int n) {
    const char kind = owner.GetKind(3);
    if (!InCatalogue(n)) return;
    if (kind != kind::kFirm && kind != kind::kZone && kind != kind::kWorkstation) return;
    owner.SetField(kFlagsField, assignment_flags::With(owner.GetField(kFlagsField), n, true));
}

}  // namespace owner_flags
