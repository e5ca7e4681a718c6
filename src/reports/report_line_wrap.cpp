#include "report_line_wrap.h"

#include "canvas.h"

namespace {

bool IsBreak(char c) {
    return c == ' ' || c == '-' || c == '\t';
}

bool IsLineBreakAt(const std::string& text, std::size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
}

// True when a character other than a blank, hyphen, tab or line break comes after position i.
bool TextFollows(const std::string& text, std::size_t i) {
    for (std::size_t j = i + 1; j < text.size(); ++j) {
        if (IsLineBreakAt(text, j)) {
            ++j;
        } else if (!IsBreak(text[j])) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::size_t> ReportSplitPoint(const std::string& line) {
    if (line.size() < kReportWrapColumn) return std::nullopt;
    std::size_t lineStart = 0;  // first character of the current wrapped line
    constexpr std::size_t kNone = std::string::npos;
    std::size_t candidate = kNone;  // the latest blank, hyphen or tab outside quotes
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote == 0 && IsLineBreakAt(line, i)) {
            // The text's own line break ends this wrapped line without a cut.
            ++i;
            lineStart = i + 1;
            candidate = kNone;
            continue;
        }
        if (IsBreak(c)) {
            if (quote == 0) candidate = i;
        } else if (c == '\'' || c == '"') {
            if (quote == c) {
                quote = 0;
            } else if (quote == 0) {
                quote = c;
            }
        }
        const std::size_t column = i - lineStart + 1;
        if (quote == 0 && column >= kReportWrapColumn && candidate != kNone && candidate > lineStart) {
            if (TextFollows(line, i)) return candidate + 1;
            // Only breaks are left: this wrapped line ends here, and no later cut can follow.
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<std::string> FitToWidth(Canvas& canvas, const std::string& line, int width) {
    std::vector<std::string> lines;
    std::string rest = line;
    while (rest.size() > 1 && canvas.TextWidth(rest) > width) {
        // The longest start that fits, in whole characters, found by halving (a longer start is
        // never narrower); then back to a break inside it.
        std::size_t fits = 1, tooLong = rest.size();  // rest itself is known to be too wide
        while (tooLong - fits > 1) {
            const std::size_t middle = fits + (tooLong - fits) / 2;
            if (canvas.TextWidth(rest.substr(0, middle)) <= width) {
                fits = middle;
            } else {
                tooLong = middle;
            }
        }
        std::size_t cut = fits;
        for (std::size_t i = fits; i > 1; --i) {
            if (IsBreak(rest[i - 1])) {
                cut = i;
                break;
            }
        }
        // A blank just after the cut would open the next line: it ends this one instead.
        while (cut < rest.size() && rest[cut] == ' ')
            ++cut;
        lines.push_back(rest.substr(0, cut));
        rest.erase(0, cut);
    }
    lines.push_back(rest);
    return lines;
}

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}
