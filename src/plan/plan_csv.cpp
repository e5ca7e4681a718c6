#include "plan_csv.h"

#include "cp1252.h"

namespace plan {

namespace {

// A spreadsheet runs a cell that begins with one of these as a formula (TAB and CR are
// skipped before the sign by some of them).
bool StartsLikeAFormula(const std::string& text) {
    return !text.empty() && std::string("=+-@\t\r").find(text.front()) != std::string::npos;
}

// The text with its line breaks kept and every other control byte written as "\x1b", as the
// terminal output of the tree writes it: no byte of a field can reach the spreadsheet as a
// control character.
std::string Visible(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lineBreak = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        if (!lineBreak && cp1252::IsControl(c)) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void AppendField(std::string& out, const std::string& text) {
    const bool formula = StartsLikeAFormula(text);
    const std::string utf8 = cp1252::ToUtf8(Visible(text));
    if (!formula && utf8.find_first_of(";\"\r\n") == std::string::npos) {
        out += utf8;
        return;
    }
    out += '"';
    if (formula) out += '\'';
    for (const char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendLine(std::string& out, const auto& cellOf) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (c > 0) out += ';';
        AppendField(out, cellOf(static_cast<Column>(c)));
    }
    out += "\r\n";
}

}  // namespace

std::string PlanCsv(const ActionPlan& plan) {
    std::string out = "\xEF\xBB\xBF";
    // The states are those of the plan's date, which the file would not say otherwise.
    const std::string state = ColumnHeading(Column::kState) + " a " + plan.asOfText;
    AppendLine(out, [&state](Column c) -> const std::string& {
        return c == Column::kState ? state : ColumnHeading(c);
    });
    for (const PlanRow& row : plan.rows)
        AppendLine(out, [&row](Column c) -> const std::string& { return row.Text(c); });
    return out;
}

}  // namespace plan
