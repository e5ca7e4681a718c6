#include "checklist_form.h"

#include "catalogue.h"
#include "cp1252.h"
#include "otoken.h"
#include "valuation_code.h"

using checklist::Answer;

void ChecklistForm::Open(const Catalogue& catalogue, int q, const oToken& questionnaire,
                         const std::set<int>& itemsWithDeficiency) {
    caption_ = "Cuestionario " + questionnaire.GetField(field::kTitle);
    notes_.clear();
    for (int line = 1; line <= 3; ++line) {
        const std::string note = catalogue.Note(q, line);
        if (note.find_first_not_of(' ') != std::string::npos) notes_.push_back(note);
    }
    const int count = catalogue.ItemCount(q);
    const checklist::ChecklistAnswers stored(questionnaire.GetField(field::kChecklistAnswers), count);
    items_.clear();
    opened_.clear();
    for (int n = 1; n <= count; ++n) {
        Item item;
        item.number = n;
        item.text = catalogue.ItemText(q, n);
        item.degree = catalogue.ItemDegree(q, n);
        item.answer = stored.At(n);
        opened_.push_back(item.answer);
        item.locked = itemsWithDeficiency.count(n) > 0;
        if (item.locked) item.answer = Answer::kNo;
        items_.push_back(item);
    }
    current_ = items_.empty() ? -1 : 0;
}

void ChecklistForm::SetCurrent(int index) {
    if (index >= 0 && index < static_cast<int>(items_.size())) current_ = index;
}

void ChecklistForm::MoveNext() {
    SetCurrent(current_ + 1);
}

void ChecklistForm::MovePrevious() {
    SetCurrent(current_ - 1);
}

bool ChecklistForm::SetAnswer(int index, Answer answer) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return false;
    Item& item = items_[index];
    if (item.locked) return answer == Answer::kNo;
    item.answer = answer;
    return true;
}

bool ChecklistForm::KeyTyped(char key) {
    Answer answer;
    switch (key) {
        case 'S':
        case 's':
            answer = Answer::kYes;
            break;
        case 'N':
        case 'n':
            answer = Answer::kNo;
            break;
        case 'P':
        case 'p':
            answer = Answer::kNotApplicable;
            break;
        default:
            return false;
    }
    // A locked item keeps its "No"; the user still moves on, as with any other answer.
    SetAnswer(current_, answer);
    MoveNext();
    return true;
}

void ChecklistForm::MarkPendingAsYes() {
    for (Item& item : items_) {
        if (item.answer == Answer::kNone && !item.locked) item.answer = Answer::kYes;
    }
}

checklist::Tally ChecklistForm::Counts() const {
    return checklist::Count(Answers());
}

std::string ChecklistForm::CountText() const {
    const checklist::Tally tally = Counts();
    return std::to_string(tally.Answered()) + " de " + std::to_string(tally.items) + " respondidos";
}

std::string ChecklistForm::DegreeName(char degree) {
    // As the deficiency dialog preselects the level when the item is picked.
    const char level = degree == 'D' ? '0' : degree == 'M' ? '1' : '2';
    return valuation::ValueName(valuation::kDeficiency, level);
}

std::vector<Answer> ChecklistForm::Answers() const {
    std::vector<Answer> answers;
    for (const Item& item : items_)
        answers.push_back(item.answer);
    return answers;
}

std::vector<int> ChecklistForm::NewlyNo() const {
    std::vector<int> items;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].answer == Answer::kNo && opened_[i] != Answer::kNo && !items_[i].locked)
            items.push_back(items_[i].number);
    }
    return items;
}
