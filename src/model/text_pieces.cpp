#include "text_pieces.h"

std::vector<std::string> SplitText(const std::string& text, std::string_view separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
         start = end + separator.size())
        pieces.push_back(text.substr(start, end - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string CollapseBlanks(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) {
            out += c;
        } else if (!out.empty() && out.back() != ' ') {
            out += ' ';
        }
    }
    return out;
}

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(from, start)) != std::string::npos; start = at + from.size()) {
        out.append(text, start, at - start);
        out.append(to);
    }
    out.append(text, start);
    return out;
}
