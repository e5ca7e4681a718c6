#pragma once

#include <string>

class Canvas;
class Catalogue;

// The texts of the header of a blank questionnaire.
namespace blank_text {
extern const std::string kPeople;
extern const std::string kArea;       // followed by the area's name
extern const std::string kEmptyArea;  // the area line to fill in by hand
// The "Cumplimentado por:" line with a blank of the given length (50 on a wide enough page).
std::string FilledInLine(int blank);
// The line with the longest blank, up to 50, that lets it fit the width in the current font.
std::string FilledIn(Canvas& canvas, int width);
}  // namespace blank_text

// The job title of a blank printout: "Imp.Cuest. " and the number without leading zeros.
std::string BlankJobTitle(int questionnaire);

// Prints a catalogue questionnaire as an empty form to fill in on an inspection: a header with
// group, title and lines for people, area, author and dates, then one row per item with its
// text, a "SI" and a "NO" box placed by the item's degree, its generic recommendation and a
// box for notes. A number outside the catalogue prints the header (with the lookups' error
// texts) and no items. False, with the printer's reason, when the job could not start.
class BlankQuestionnairePrintout {
public:
    BlankQuestionnairePrintout(Canvas& canvas, const Catalogue& catalogue, int questionnaire,
                               const std::string& area);

    bool Print(std::string* error);

private:
    void Measure();
    void PrintHeader();
    void PrintItem(int item);
    int NoBoxX(int siX, char degree) const;
    void DrawAnswerBox(int x, const std::string& answer);
    // Ends the page and starts the next with the title and its page number at the right.
    void StartNextPage();
    void SetFont(int points, bool bold);

    Canvas& canvas_;
    const Catalogue& catalogue_;
    const int q_;
    const std::string area_;

    int w_ = 0;       // width of "W" in the small font
    int step_ = 0;    // line step
    int box_ = 0;     // side of an answer box, less W
    int column_ = 0;  // width of the item and recommendation columns
    int reserve_ = 0;
    int rightEdge_ = 0;
    int bottomEdge_ = 0;
    int y_ = 0;
    int page_ = 1;
    bool pageStarted_ = false;  // a later page holds only its heading yet
};

// The blank printout as one call: PrintBlankQuestionnaire(number, area) on a chosen printer.
bool PrintBlankQuestionnaire(Canvas& canvas, const Catalogue& catalogue, int questionnaire,
                             const std::string& area, std::string* error = nullptr);
