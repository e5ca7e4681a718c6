#pragma once

#include <string>
#include <vector>

class Catalogue;
class oToken;

// The answers given to a questionnaire's checklist, as its record keeps them
// (field::kChecklistAnswers): one character per item in item order, 'S' "Sí", 'N' "No",
// 'X' "No procede" and a blank for an item not answered. An empty field is a questionnaire never
// answered. The items are the catalogue's: a text shorter than the item count leaves the later
// items unanswered, and characters beyond it (a catalogue that has lost items) are kept as they
// are but neither shown nor counted.
namespace checklist {

enum class Answer : char { kNone = ' ', kYes = 'S', kNo = 'N', kNotApplicable = 'X' };

// How many of a questionnaire's items have each answer.
struct Tally {
    int items = 0;
    int yes = 0;
    int no = 0;
    int notApplicable = 0;

    int Answered() const { return yes + no + notApplicable; }
    // Every item answered and none "No": the questionnaire was found compliant.
    bool Compliant() const { return items > 0 && Answered() == items && no == 0; }
    bool operator==(const Tally&) const = default;
};

// How many of these answers, one per item, are of each kind.
Tally Count(const std::vector<Answer>& answers);

// The answers of one questionnaire read against its catalogue items: what the data editor, the
// reports and the evaluation report show.
class ChecklistAnswers {
public:
    ChecklistAnswers(std::string stored, int itemCount);
    // The answers of a questionnaire record, for the items that the catalogue gives its number.
    static ChecklistAnswers Of(const oToken& questionnaire, const Catalogue& catalogue);

    int ItemCount() const { return itemCount_; }
    // Whether anything is stored at all; a questionnaire never answered has nothing.
    bool Stored() const { return !stored_.empty(); }
    // The answer to item n, from 1; kNone outside 1..ItemCount().
    Answer At(int item) const;
    Tally Counts() const;
    // The numbers of the items with this answer, in item order.
    std::vector<int> Items(Answer answer) const;
    // "24 de 24 (Sí 20, No 2, No procede 2)": the items answered, in Windows-1252.
    std::string Counted() const;
    // "Respondidos: " and the same.
    std::string Summary() const;

private:
    std::string stored_;
    int itemCount_;
};

// The line that the reports print under a record: the summary of a questionnaire's answers. Empty
// for any other kind and for a questionnaire never answered, so that the report of a document
// without answers stays as it was.
std::string ReportLine(const oToken& record, const Catalogue& catalogue);

// The answer a stored character stands for; anything but 'S', 'N' and 'X' is no answer.
Answer FromCharacter(char c);

// The text to store for these answers (one per item, from item 1): the previous text with its
// first answers.size() characters replaced, so that answers beyond the items are kept. Empty
// when it would hold no answer at all.
std::string StoredText(const std::vector<Answer>& answers, const std::string& previous);

}  // namespace checklist
