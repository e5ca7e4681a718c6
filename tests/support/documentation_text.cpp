#include "documentation_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <vector>

#include "cp1252.h"
#include "temp_dir.h"
#include "text_pieces.h"

namespace {

// Groups whose content is not text: picture data, tables of fonts, colours and styles, the
// document's information, and every "\*" destination.
bool IsHiddenDestination(const std::string& word) {
    return word == "pict" || word == "fonttbl" || word == "colortbl" || word == "stylesheet" ||
           word == "info" || word == "*";
}

}  // namespace

std::string RtfText(const std::string& rtf) {
    std::string bytes;  // Windows-1252
    std::vector<bool> hidden{false};
    bool groupStart = false;
    std::size_t i = 0;
    auto emit = [&](const std::string& text) {
        if (!hidden.back()) bytes += text;
    };
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            hidden.push_back(hidden.back());
            groupStart = true;
            ++i;
            continue;
        }
        if (c == '}') {
            if (hidden.size() > 1) hidden.pop_back();
            groupStart = false;
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < rtf.size()) {
            const char next = rtf[i + 1];
            if (next == '\'' && i + 3 < rtf.size()) {
                emit(std::string(1, static_cast<char>(std::stoi(rtf.substr(i + 2, 2), nullptr, 16))));
                i += 4;
            } else if (std::isalpha(static_cast<unsigned char>(next))) {
                std::size_t end = i + 1;
                while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])))
                    ++end;
                const std::string word = rtf.substr(i + 1, end - i - 1);
                std::size_t numberEnd = end;
                if (numberEnd < rtf.size() && rtf[numberEnd] == '-') ++numberEnd;
                while (numberEnd < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[numberEnd])))
                    ++numberEnd;
                const std::string number = rtf.substr(end, numberEnd - end);
                i = numberEnd;
                if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word
                if (groupStart && IsHiddenDestination(word)) hidden.back() = true;
                if (word == "par" || word == "line" || word == "cell" || word == "tab" || word == "row") {
                    emit(" ");
                } else if (word == "u" && !number.empty()) {
                    int code = std::stoi(number);
                    if (code < 0) code += 65536;
                    if (!hidden.back()) bytes += "\x01" + std::to_string(code) + "\x02";
                    if (i < rtf.size() && rtf[i] == '?') ++i;  // the stand-in for older readers
                } else if (word == "endash") {
                    emit("-");
                }
            } else {
                if (next == '*' && groupStart) hidden.back() = true;
                if (next == '\\' || next == '{' || next == '}') emit(std::string(1, next));
                if (next == '~') emit(" ");
                i += 2;
            }
            groupStart = false;
            continue;
        }
        groupStart = false;
        if (c != '\n' && c != '\r') emit(std::string(1, c));
        ++i;
    }
    // Characters given by number were marked while the rest was still Windows-1252.
    std::string utf8;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] == '\x01') {
            const std::size_t end = bytes.find('\x02', k);
            cp1252::AppendUtf8(utf8, static_cast<char32_t>(std::stoi(bytes.substr(k + 1, end - k - 1))));
            k = end;
        } else {
            utf8 += cp1252::ToUtf8(std::string(1, bytes[k]));
        }
    }
    return CollapseBlanks(utf8);
}

std::string HtmlText(const std::string& html) {
    static const std::map<std::string, std::string> kNamed = {
        {"amp", "&"},  {"lt", "<"},    {"gt", ">"},    {"quot", "\""},
        {"#x27", "'"}, {"laquo", "«"}, {"raquo", "»"}, {"nbsp", " "},
    };
    // Tags that end a line of text; the others (emphasis, links, spans) may sit inside a word.
    static const std::vector<std::string> kBlocks = {"p",  "br",  "li", "td", "th",    "tr",    "h1", "h2",
                                                     "h3", "pre", "ul", "ol", "table", "title", "div"};
    std::string text;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            std::string name = html.substr(i + 1, end - i - 1);
            if (!name.empty() && name[0] == '/') name.erase(0, 1);
            name = name.substr(0, name.find_first_of(" \t\n"));
            if (std::find(kBlocks.begin(), kBlocks.end(), name) != kBlocks.end()) text += ' ';
            i = end;
            continue;
        }
        if (c == '&') {
            const std::size_t end = html.find(';', i);
            const std::string name = html.substr(i + 1, end - i - 1);
            if (const auto known = kNamed.find(name); known != kNamed.end()) {
                text += known->second;
            } else if (name.size() > 1 && name[0] == '#') {
                cp1252::AppendUtf8(
                    text, static_cast<char32_t>(name[1] == 'x' ? std::stoi(name.substr(2), nullptr, 16)
                                                               : std::stoi(name.substr(1))));
            }
            i = end;
            continue;
        }
        text += cp1252::ToUtf8(std::string(1, c));
    }
    return CollapseBlanks(text);
}

std::string ManualText() {
    return RtfText(ReadFile(FilePath(KALDO_BINARY_DIR "/docs/manual.rtf")));
}

std::string HelpText() {
    std::vector<std::filesystem::path> pages;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(KALDO_BINARY_DIR "/docs/ayuda", error)) {
        if (entry.path().extension() == ".htm") pages.push_back(entry.path());
    }
    std::sort(pages.begin(), pages.end());
    std::string text;
    for (const auto& page : pages)
        text += HtmlText(ReadFile(FilePath(page.string()))) + " ";
    return text;
}
