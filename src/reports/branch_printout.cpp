#include "branch_printout.h"

#include "canvas.h"
#include "checklist_answers.h"
#include "cp1252.h"
#include "display_text.h"
#include "document_session.h"
#include "header_texts.h"
#include "kinds.h"
#include "report_line_wrap.h"
#include "text_pieces.h"

namespace printout_text {

const std::string kMeasure = W("Medida específica: ");
const std::string kDeficiency = "Deficiencia detectada: ";

std::string LevelLine(char level) {
    switch (level) {
        case '0':
            return W("Nivel de intervención: Crítico");
        case '1':
            return W("Nivel de intervención: A Corregir");
        case '2':
            return W("Nivel de intervención: A mejorar");
        case '3':
            return W("Nivel de intervención: No imprescindible");
        default:
            return {};
    }
}

}  // namespace printout_text

BranchPrintout::BranchPrintout(const DocumentSession& session, const Catalogue& catalogue, Canvas& canvas,
                               std::string today)
    : session_(session), catalogue_(catalogue), canvas_(canvas), today_(std::move(today)) {}

bool BranchPrintout::Print(const TreeNode& node, std::string* error) {
    if (!canvas_.BeginJob("Informe", error)) return false;
    canvas_.SetFontSize(kFontSize);
    canvas_.SetFontStyle(FontStyle::Regular);
    headerHeight_ = 3 * canvas_.TextHeight("p");
    bottomLimit_ = canvas_.PageHeight() - headerHeight_;
    lineHeight_ = canvas_.TextHeight("W") + 4;
    leftMargin_ = 4 * canvas_.TextWidth("W");
    rightEdge_ = canvas_.PageWidth() - leftMargin_;
    indent_ = 0;
    y_ = bottomLimit_ + 1;  // the first line starts the first page
    page_ = 0;
    firstPage_ = true;
    pageEmpty_ = false;
    const bool topLevel = node.parent == session_.Tree().Root() || node.parent == nullptr;
    headerLeft_ = topLevel ? std::string() : ShownText(session_, *node.parent);
    const oToken* firm = session_.Table().Record(1);
    headerRight_ = firm ? firm->GetField(field::kName) : std::string();

    PrintNode(node);
    return canvas_.EndJob(error);
}

void BranchPrintout::PrintNode(const TreeNode& node) {
    const bool geographic = session_.ViewMode() == view::kGeographic && node.record;
    std::string text = ShownText(session_, node);
    if (geographic) {
        const oToken& record = *node.record;
        if (record.GetKind(field::kKind) == kind::kMeasure) {
            canvas_.SetFontStyle(FontStyle::Italic);
            text = printout_text::kMeasure + record.GetField(field::kMeasure);
        } else if (record.GetKind(field::kKind) == kind::kDeficiency) {
            text = record.GetField(field::kItem);
        }
    }
    PrintLine(text);
    if (geographic) {
        canvas_.SetFontStyle(FontStyle::Regular);
        const oToken& record = *node.record;
        if (record.GetKind(field::kKind) == kind::kDeficiency) {
            PrintLine(printout_text::kDeficiency + record.GetField(field::kDeficiencyDetected));
            const std::string level = printout_text::LevelLine(record.GetKind(field::kValuationCode));
            if (!level.empty()) PrintLine(level);
        }
        if (const std::string answers = checklist::ReportLine(record, catalogue_); !answers.empty())
            PrintLine(answers);
    }
    // Children are indented by the depth of their parent in the whole tree, so the reported node
    // and its children share the left margin when the firm is reported.
    for (const auto& child : node.children) {
        indent_ = node.Depth() * kIndentPerLevel;
        PrintNode(*child);
    }
}

std::vector<std::string> BranchPrintout::PrintedLines(const std::string& text) {
    std::vector<std::string> lines;
    if (const auto split = ReportSplitPoint(text)) {
        lines = SplitText(text.substr(0, *split), "\r\n");
        for (std::string& line : SplitText(text.substr(*split), "\r\n"))
            lines.push_back(std::move(line));
    } else {
        lines = SplitText(text, "\r\n");
    }
    // On a page too narrow for that, the text flows by width instead, so that nothing runs past
    // the right edge however deep the indent.
    const int width = rightEdge_ - leftMargin_ - indent_;
    bool fits = true;
    for (const std::string& line : lines)
        fits = fits && canvas_.TextWidth(line) <= width;
    if (fits) return lines;
    std::vector<std::string> flowed;
    for (const std::string& piece : SplitText(text, "\r\n")) {
        for (std::string& line : FitToWidth(canvas_, piece, width))
            flowed.push_back(std::move(line));
    }
    return flowed;
}

void BranchPrintout::PrintLine(const std::string& text) {
    const std::vector<std::string> lines = PrintedLines(text);
    // The lines of one text stay together and end above the footer; a text longer than a whole
    // page is printed from the top of a fresh page and runs past it.
    const int needed = static_cast<int>(lines.size()) * lineHeight_;
    if (y_ + needed > bottomLimit_ && !pageEmpty_) StartPage();
    for (const std::string& line : lines) {
        canvas_.DrawText(leftMargin_ + indent_, y_, line);
        y_ += lineHeight_;
    }
    pageEmpty_ = false;
}

void BranchPrintout::StartPage() {
    if (firstPage_) {
        firstPage_ = false;
    } else {
        canvas_.NewPage();
    }
    ++page_;
    const FontStyle style = canvas_.Style();
    canvas_.SetFontStyle(FontStyle::Bold);
    // Long names are shortened so that the two neither overprint each other nor leave the paper.
    const HeaderTexts header =
        FitHeaderTexts(canvas_, headerLeft_, headerRight_, rightEdge_ - leftMargin_, canvas_.TextWidth("W"));
    canvas_.DrawText(leftMargin_, 20, header.left);
    canvas_.DrawText(rightEdge_ - canvas_.TextWidth(header.right), 20, header.right);
    const int footerY = bottomLimit_ + 10;
    canvas_.DrawText(canvas_.PageWidth() / 2, footerY, std::to_string(page_));
    canvas_.DrawText(rightEdge_ - canvas_.TextWidth(today_), footerY, today_);
    canvas_.SetFontStyle(style);
    y_ = headerHeight_ + lineHeight_;
    pageEmpty_ = true;
}
