#include "assignment_flags.h"

namespace assignment_flags {

bool IsAssigned(const std::string& flags, int questionnaire) {
    if (questionnaire < 0 || questionnaire >= kQuestionnaires) return false;
    return static_cast<std::size_t>(questionnaire) < flags.size() && flags[questionnaire] == '1';
}

std::string Normalised(const std::string& flags) {
    std::string out(kQuestionnaires, '0');
    for (int n = 0; n < kQuestionnaires; ++n) {
        if (IsAssigned(flags, n)) out[n] = '1';
    }
    return out;
}

std::string With(const std::string& flags, int questionnaire, bool assigned) {
    std::string out = Normalised(flags);
    if (questionnaire >= 0 && questionnaire < kQuestionnaires) out[questionnaire] = assigned ? '1' : '0';
    return out;
}

}  // namespace assignment_flags
