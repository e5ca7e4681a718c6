#include "help_pages.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "cp1252.h"
#include "data_files.h"
#include "text_fold.h"
#include "text_pieces.h"

namespace help {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The value of the attribute `name` inside a tag's text, or nothing.
std::optional<std::string> Attribute(std::string_view tag, std::string_view name) {
    const std::string lower = Lower(tag);
    for (std::size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
        std::size_t k = at + name.size();
        while (k < tag.size() && tag[k] == ' ')
            ++k;
        if (k >= tag.size() || tag[k] != '=') continue;
        ++k;
        while (k < tag.size() && tag[k] == ' ')
            ++k;
        if (k >= tag.size() || (tag[k] != '"' && tag[k] != '\'')) continue;
        const std::size_t end = tag.find(tag[k], k + 1);
        if (end == std::string_view::npos) return std::nullopt;
        return std::string(tag.substr(k + 1, end - k - 1));
    }
    return std::nullopt;
}

// Decodes the entities of a text (named ones the pages use, and numeric ones).
std::string DecodeEntities(std::string_view text) {
    static const std::map<std::string, std::string, std::less<>> kNamed = {
        {"amp", "&"},       {"lt", "<"},        {"gt", ">"},        {"quot", "\""},     {"apos", "'"},
        {"nbsp", " "},      {"laquo", W("«")},  {"raquo", W("»")},  {"aacute", W("á")}, {"eacute", W("é")},
        {"iacute", W("í")}, {"oacute", W("ó")}, {"uacute", W("ú")}, {"ntilde", W("ñ")}, {"Ntilde", W("Ñ")},
        {"uuml", W("ü")},   {"iexcl", W("¡")},  {"iquest", W("¿")}, {"ordm", W("º")},   {"ordf", W("ª")},
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (end == std::string_view::npos || end - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, end - i - 1);
        if (const auto known = kNamed.find(name); known != kNamed.end()) {
            out += known->second;
        } else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits(name.substr(hex ? 2 : 1));
            char32_t code = 0;
            try {
                code = static_cast<char32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
            } catch (...) {
                out += text[i];
                continue;
            }
            const int byte = cp1252::FromUnicode(code);
            out += byte < 0 ? '?' : static_cast<char>(byte);
        } else {
            out += text[i];
            continue;
        }
        i = end;
    }
    return out;
}

int Occurrences(std::string_view folded, std::string_view word) {
    int count = 0;
    for (std::size_t at = folded.find(word); at != std::string_view::npos;
         at = folded.find(word, at + word.size()))
        ++count;
    return count;
}

}  // namespace

std::optional<FilePath> HelpFolder() {
    const auto contents = DocumentationFile(FilePath("ayuda/" + std::string(kContentsFile)));
    if (!contents) return std::nullopt;
    const std::string& path = contents->Utf8();
    return FilePath(path.substr(0, path.size() - kContentsFile.size()));
}

std::vector<ContentsEntry> ReadContents(std::string_view sitemap) {
    std::vector<ContentsEntry> entries;
    int depth = 0;
    std::optional<ContentsEntry> open;  // the object being read
    for (std::size_t at = sitemap.find('<'); at != std::string_view::npos; at = sitemap.find('<', at + 1)) {
        const std::size_t end = sitemap.find('>', at);
        if (end == std::string_view::npos) break;
        const std::string_view tag = sitemap.substr(at + 1, end - at - 1);
        const std::string lower = Lower(tag.substr(0, tag.find(' ')));
        if (lower == "ul") {
            ++depth;
        } else if (lower == "/ul") {
            --depth;
        } else if (lower == "object" && Lower(Attribute(tag, "type").value_or("")) == "text/sitemap") {
            open = ContentsEntry{std::max(depth - 1, 0), {}, {}};
        } else if (lower == "param" && open) {
            const std::string name = Lower(Attribute(tag, "name").value_or(""));
            const std::string value = DecodeEntities(Attribute(tag, "value").value_or(""));
            if (name == "name") open->title = value;
            if (name == "local") open->target = value;
        } else if (lower == "/object" && open) {
            if (!open->target.empty()) entries.push_back(std::move(*open));
            open.reset();
        }
        at = end;
    }
    return entries;
}

std::string PageText(std::string_view html) {
    std::string text;
    bool hidden = false;  // inside the head: the title and the style are no part of the page
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            const std::string name = Lower(html.substr(i + 1, std::min(end, html.find(' ', i)) - i - 1));
            if (name == "head") hidden = true;
            if (name == "/head") hidden = false;
            text += ' ';
            i = end;
        } else if (!hidden) {
            text += html[i];
        }
    }
    std::string collapsed = CollapseBlanks(DecodeEntities(text));
    if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
    return collapsed;
}

std::string PageOf(std::string_view target) {
    return std::string(target.substr(0, target.find('#')));
}

void PageSearch::AddPage(std::string page, std::string title, std::string_view text) {
    pages_.push_back({std::move(page), std::move(title), FoldForSearch(text)});
}

std::vector<PageSearch::Hit> PageSearch::Search(std::string_view query) const {
    std::vector<std::string> words;
    const std::string folded = FoldForSearch(query);
    for (std::size_t k = 0; k < folded.size();) {
        const std::size_t end = std::min(folded.find(' ', k), folded.size());
        if (end > k) words.push_back(folded.substr(k, end - k));
        k = end + 1;
    }
    std::vector<Hit> hits;
    if (words.empty()) return hits;
    for (const Page& page : pages_) {
        int total = 0;
        for (const std::string& word : words) {
            const int n = Occurrences(page.folded, word);
            if (n == 0) {
                total = 0;
                break;
            }
            total += n;
        }
        if (total > 0) hits.push_back({page.page, page.title, total});
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const Hit& a, const Hit& b) { return a.occurrences > b.occurrences; });
    return hits;
}

}  // namespace help
