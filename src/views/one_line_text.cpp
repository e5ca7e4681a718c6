#include "one_line_text.h"

#include "cp1252.h"

std::string OneLineText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "~~";
            ++i;
        } else if (cp1252::IsControl(c)) {
            cp1252::AppendEscaped(out, c);
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
