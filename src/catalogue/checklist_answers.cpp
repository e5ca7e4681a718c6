#include "checklist_answers.h"

#include <algorithm>

#include "catalogue.h"
#include "cp1252.h"
#include "kinds.h"
#include "otoken.h"

namespace checklist {

Answer FromCharacter(char c) {
    switch (c) {
        case 'S':
            return Answer::kYes;
        case 'N':
            return Answer::kNo;
        case 'X':
            return Answer::kNotApplicable;
        default:
            return Answer::kNone;
    }
}

Tally Count(const std::vector<Answer>& answers) {
    Tally tally;
    tally.items = static_cast<int>(answers.size());
    for (const Answer answer : answers) {
        tally.yes += answer == Answer::kYes;
        tally.no += answer == Answer::kNo;
        tally.notApplicable += answer == Answer::kNotApplicable;
    }
    return tally;
}

ChecklistAnswers::ChecklistAnswers(std::string stored, int itemCount)
    : stored_(std::move(stored)), itemCount_(std::max(itemCount, 0)) {}

ChecklistAnswers ChecklistAnswers::Of(const oToken& questionnaire, const Catalogue& catalogue) {
    // The catalogue has no items for a title that does not begin with 00..22.
    const int q = UncheckedTwoDigitNumber(questionnaire.GetField(field::kTitle));
    return ChecklistAnswers(questionnaire.GetField(field::kChecklistAnswers), catalogue.ItemCount(q));
}

Answer ChecklistAnswers::At(int item) const {
    if (item < 1 || item > itemCount_ || item > static_cast<int>(stored_.size())) return Answer::kNone;
    return FromCharacter(stored_[item - 1]);
}

Tally ChecklistAnswers::Counts() const {
    std::vector<Answer> answers;
    for (int item = 1; item <= itemCount_; ++item)
        answers.push_back(At(item));
    return Count(answers);
}

std::vector<int> ChecklistAnswers::Items(Answer answer) const {
    std::vector<int> items;
    for (int item = 1; item <= itemCount_; ++item) {
        if (At(item) == answer) items.push_back(item);
    }
    return items;
}

std::string ChecklistAnswers::Counted() const {
    const Tally t = Counts();
    return std::to_string(t.Answered()) + " de " + std::to_string(t.items) + W(" (Sí ") +
           std::to_string(t.yes) + ", No " + std::to_string(t.no) + ", No procede " +
           std::to_string(t.notApplicable) + ")";
}

std::string ChecklistAnswers::Summary() const {
    return W("Respondidos: ") + Counted();
}

std::string ReportLine(const oToken& record, const Catalogue& catalogue) {
    if (record.GetKind(field::kKind) != kind::kQuestionnaire) return {};
    const ChecklistAnswers answers = ChecklistAnswers::Of(record, catalogue);
    return answers.Stored() ? answers.Summary() : std::string();
}

std::string StoredText(const std::vector<Answer>& answers, const std::string& previous) {
    std::string text = previous;
    if (text.size() < answers.size()) text.resize(answers.size(), ' ');
    for (std::size_t i = 0; i < answers.size(); ++i)
        text[i] = static_cast<char>(answers[i]);
    const bool anyAnswer =
        std::any_of(text.begin(), text.end(), [](char c) { return FromCharacter(c) != Answer::kNone; });
    return anyAnswer ? text : std::string();
}

}  // namespace checklist
