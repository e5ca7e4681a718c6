#include "report_line_wrap.h"

#include <algorithm>

#include "canvas.h"
#include "spanish_syllables.h"

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

// The longest start of a word, ending at a syllable, that fits in the width with a hyphen after
// it; 0 when none does or the word may not be hyphenated (a number, an acronym). Only the part
// of the word that could fit is split, so that a long run without blanks costs no more.
std::size_t SyllableCut(Canvas& canvas, const std::string& word, int width) {
    if (!MayHyphenate(word)) return 0;
    std::string rest = word;
    std::size_t taken = 0, best = 0;
    while (taken < word.size()) {
        const std::string syllable = SplitFirstSyllable(rest);
        if (syllable.empty()) break;
        taken += syllable.size();
        rest.erase(rest.find_last_not_of(' ') + 1);
        if (taken >= word.size()) break;  // the word's end: no hyphen there
        if (canvas.TextWidth(word.substr(0, taken) + "-") > width) break;
        best = taken;
    }
    return best;
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
    std::size_t start = 0;
    const auto fitsIn = [&](std::size_t length) { return canvas.TextWidth(line.substr(start, length)) <= width; };
    while (line.size() - start > 1) {
        // The longest start of the rest that fits, in whole characters: doubled until too wide,
        // then halved between (a longer start is never narrower). Only about twice a line's
        // length is ever measured, so that a long text costs in proportion to its length.
        const std::size_t restSize = line.size() - start;
        std::size_t fits = 1, tooLong = 0;
        for (std::size_t probe = 2; tooLong == 0; probe *= 2) {
            const std::size_t length = std::min(probe, restSize);
            if (!fitsIn(length)) {
                tooLong = length;
            } else if (length == restSize) {
                break;
            } else {
                fits = length;
            }
        }
        if (tooLong == 0) break;  // the rest fits whole
        while (tooLong - fits > 1) {
            const std::size_t middle = fits + (tooLong - fits) / 2;
            if (fitsIn(middle)) {
                fits = middle;
            } else {
                tooLong = middle;
            }
        }
        std::size_t cut = 0;
        for (std::size_t i = fits; i > 1 && cut == 0; --i) {
            if (IsBreak(line[start + i - 1])) cut = i;
        }
        // A word that fits up to its end, but not with the blank after it.
        if (cut == 0 && IsBreak(line[start + fits])) cut = fits;
        if (cut == 0) {
            // A word wider than the line: cut at a syllable with a hyphen, as a typesetter
            // would, or where it stops fitting when no syllable does.
            std::size_t wordEnd = fits;
            while (start + wordEnd < line.size() && wordEnd < fits + 24 && !IsBreak(line[start + wordEnd]))
                ++wordEnd;
            if (const std::size_t syllables = SyllableCut(canvas, line.substr(start, wordEnd), width)) {
                lines.push_back(line.substr(start, syllables) + "-");
                start += syllables;
                continue;
            }
            cut = fits;
        }
        // A blank just after the cut would open the next line: it ends this one instead.
        while (cut < restSize && line[start + cut] == ' ')
            ++cut;
        lines.push_back(line.substr(start, cut));
        start += cut;
    }
    lines.push_back(line.substr(start));
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
