#include "blank_questionnaire.h"

#include <algorithm>

#include "box_text.h"
#include "canvas.h"
#include "catalogue.h"
#include "cp1252.h"
#include "header_texts.h"
#include "measuring_canvas.h"

namespace blank_text {
const std::string kPeople = "Personas afectadas: ______";
const std::string kArea = W("Área de trabajo: ");
const std::string kEmptyArea = W("Área de trabajo: ") + std::string(35, '_') + " ";
std::string FilledInLine(int blank) {
    return "Cumplimentado por: " + std::string(blank, '_') + "      Fecha: " + std::string(9, '_') +
           " Fecha P.R.: " + std::string(7, '_');
}

std::string FilledIn(Canvas& canvas, int width) {
    int blank = 50;
    while (blank > 10 && canvas.TextWidth(FilledInLine(blank)) > width)
        --blank;
    return FilledInLine(blank);
}
}  // namespace blank_text

namespace {

constexpr int kSmall = 8;
constexpr int kMedium = 10;
constexpr int kLarge = 12;
constexpr int kMargin = 10;

}  // namespace

std::string BlankJobTitle(int questionnaire) {
    return "Imp.Cuest. " + std::to_string(questionnaire);
}

BlankQuestionnairePrintout::BlankQuestionnairePrintout(Canvas& canvas, const Catalogue& catalogue,
                                                       int questionnaire, const std::string& area)
    : canvas_(canvas), catalogue_(catalogue), q_(questionnaire), area_(area) {}

void BlankQuestionnairePrintout::SetFont(int points, bool bold) {
    canvas_.SetFontSize(points);
    canvas_.SetFontStyle(bold ? FontStyle::Bold : FontStyle::Regular);
}

bool BlankQuestionnairePrintout::Print(std::string* error) {
    const int items = catalogue_.ItemCount(q_);  // 0 outside the catalogue: the header alone
    if (!canvas_.BeginJob(BlankJobTitle(q_), error)) return false;
    Measure();
    PrintHeader();
    for (int k = 1; k <= items; ++k)
        PrintItem(k);
    return canvas_.EndJob(error);
}

void BlankQuestionnairePrintout::Measure() {
    SetFont(kSmall, false);
    w_ = canvas_.TextWidth("W");
    step_ = 3 * canvas_.TextHeight("W") / 2;
    SetFont(kLarge, true);
    box_ = canvas_.TextWidth("NO") + 2 * w_;
    column_ = (canvas_.PageWidth() - 7 * w_ - 4 * box_) / 2;
    reserve_ = 5 * step_;
    rightEdge_ = canvas_.PageWidth() - kMargin;
    bottomEdge_ = canvas_.PageHeight() - kMargin;
    page_ = 1;
    pageStarted_ = false;
}

void BlankQuestionnairePrintout::PrintHeader() {
    y_ = kMargin;
    SetFont(kLarge, true);
    canvas_.DrawText(kMargin, y_, catalogue_.QuestionnaireGroupName(q_));
    y_ += 4 * step_;
    SetFont(kMedium, true);
    canvas_.DrawText(kMargin, y_, catalogue_.QuestionnaireTitle(q_));
    SetFont(kMedium, false);
    canvas_.DrawText(rightEdge_ - 22 * w_, y_, blank_text::kPeople);
    y_ += 2 * step_;
    // Both lines end inside the printable width: a long area name is shortened, and the blank
    // after "Cumplimentado por:" is as long as the paper allows.
    const int width = rightEdge_ - kMargin;
    canvas_.DrawText(
        kMargin, y_,
        ElideToWidth(canvas_, area_.empty() ? blank_text::kEmptyArea : blank_text::kArea + area_, width));
    y_ += 2 * step_;
    canvas_.DrawText(kMargin, y_, blank_text::FilledIn(canvas_, width));
    y_ += 2 * step_;
    SetFont(kSmall, false);
    step_ = 3 * canvas_.TextHeight("W") / 2;
}

int BlankQuestionnairePrintout::NoBoxX(int siX, char degree) const {
    switch (degree) {
        case 'D':
            return siX + box_ + w_ + box_ / 2;  // half a box between the two
        case 'N':
            return siX + 3 * (box_ + w_);  // two boxes between
        default:
            return siX + 2 * (box_ + w_);  // one box between
    }
}

void BlankQuestionnairePrintout::DrawAnswerBox(int x, const std::string& answer) {
    canvas_.DrawRectangle(x, y_, x + w_ + box_, y_ + w_ + box_);
    canvas_.DrawText(x + w_, y_ + w_, answer);
}

void BlankQuestionnairePrintout::PrintItem(int k) {
    const std::string text = std::to_string(k) + ".- " + catalogue_.ItemText(q_, k);
    const std::string recommendation = catalogue_.ItemRecommendation(q_, k);
    const int siX = kMargin + column_ + w_;
    const int noX = NoBoxX(siX, catalogue_.ItemDegree(q_, k));
    const int recommendationX = noX + box_ + 2 * w_;

    // A row whose boxes would run below the bottom edge goes to the next page, unless it is the
    // first of its page already (taller than a page, it could go nowhere better).
    SetFont(kSmall, false);
    MeasuringCanvas measure(canvas_);
    const int rowHeight =
        std::max({WrapText(measure, kMargin, y_, column_, step_, text),
                  WrapText(measure, recommendationX, y_, column_, step_, recommendation), box_ + w_});
    if (y_ + reserve_ > bottomEdge_ || (y_ + rowHeight > bottomEdge_ && !pageStarted_)) StartNextPage();
    pageStarted_ = false;

    const int h1 = WrapText(canvas_, kMargin, y_, column_, step_, text);

    SetFont(kLarge, true);
    DrawAnswerBox(siX, "SI");
    DrawAnswerBox(noX, "NO");

    SetFont(kSmall, false);
    const int h2 = WrapText(canvas_, recommendationX, y_, column_, step_, recommendation);

    y_ += std::max({h1, h2, box_ + w_}) + step_;
    if (y_ + 2 * step_ > bottomEdge_) StartNextPage();
    canvas_.DrawRectangle(kMargin, y_, rightEdge_ - kMargin, y_ + 2 * step_);
    y_ += 3 * step_;
}

void BlankQuestionnairePrintout::StartNextPage() {
    canvas_.NewPage();
    y_ = kMargin;
    ++page_;
    pageStarted_ = true;
    const std::string heading = catalogue_.QuestionnaireTitle(q_) + "<" + std::to_string(page_) + ">";
    canvas_.DrawText(rightEdge_ - kMargin - canvas_.TextWidth(heading), y_, heading);
    y_ += step_;
}

bool PrintBlankQuestionnaire(Canvas& canvas, const Catalogue& catalogue, int questionnaire,
                             const std::string& area, std::string* error) {
    return BlankQuestionnairePrintout(canvas, catalogue, questionnaire, area).Print(error);
}
