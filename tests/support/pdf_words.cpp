#include "pdf_words.h"

#include <regex>

#include "program_run.h"

namespace {

// pdftotext writes the words as XHTML: the five entities it escapes come back as characters.
std::string Unescaped(std::string text) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    }
    return text;
}

}  // namespace

std::vector<PdfPage> PdfWords(const FilePath& pdf) {
    const std::string html = ToolOutput("pdftotext", {"-bbox", pdf, "-"});
    static const std::regex pageTag("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">");
    static const std::regex wordTag(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
    std::vector<PdfPage> pages;
    for (std::sregex_iterator page(html.begin(), html.end(), pageTag), end; page != end; ++page) {
        PdfPage read;
        read.width = std::stod((*page)[1]);
        read.height = std::stod((*page)[2]);
        const std::size_t from = page->position() + page->length();
        const std::size_t to = html.find("</page>", from);
        const std::string body = html.substr(from, to - from);
        for (std::sregex_iterator word(body.begin(), body.end(), wordTag); word != end; ++word) {
            read.words.push_back({std::stod((*word)[1]), std::stod((*word)[2]), std::stod((*word)[3]),
                                  std::stod((*word)[4]), Unescaped((*word)[5])});
        }
        pages.push_back(std::move(read));
    }
    return pages;
}

std::vector<std::string> WordsNearTheEdges(const std::vector<PdfPage>& pages, double millimetres) {
    const double margin = millimetres * 72 / 25.4;
    std::vector<std::string> near;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const PdfPage& page = pages[n];
        for (const PdfWord& word : page.words) {
            if (word.left < margin || word.top < margin || word.right > page.width - margin ||
                word.bottom > page.height - margin)
                near.push_back(word.text + " (page " + std::to_string(n + 1) + ")");
        }
    }
    return near;
}

std::string PdfLayoutText(const FilePath& pdf) {
    return ToolOutput("pdftotext", {"-layout", pdf, "-"});
}

std::string PdfInfo(const FilePath& pdf) {
    return ToolOutput("pdfinfo", {pdf});
}
