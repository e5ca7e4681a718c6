#include "csv_field.h"

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
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool lineBreak = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        if (!lineBreak && cp1252::IsControl(c)) {
            cp1252::AppendEscaped(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

void AppendCsvField(std::string& out, const std::string& text) {
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

}  // namespace plan
