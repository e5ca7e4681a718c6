// Printed pages read back as the labour inspector gets them: every text 8 mm inside the paper,
// numbers and acronyms never hyphenated, long names in the header shortened.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "catalogue.h"
#include "cp1252.h"
#include "pdf_words.h"
#include "program_run.h"
#include "shipped_catalogue.h"
#include "temp_dir.h"

namespace {

// A number, a date, a standard or an acronym: a digit, or two capital letters.
bool NumberOrAcronym(const std::string& utf8) {
    int capitals = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c >= '0' && c <= '9') return true;
        // A to Z, and Á É Í Ó Ú Ñ Ü (UTF-8 C3 81, 89, 8D, 93, 9A, 91, 9C).
        const bool accented =
            c == 0xC3 && i + 1 < utf8.size() &&
            std::string("\x81\x89\x8D\x93\x9A\x91\x9C").find(utf8[i + 1]) != std::string::npos;
        if ((c >= 'A' && c <= 'Z') || accented) ++capitals;
    }
    return capitals >= 2;
}

void CountWords(const std::string& utf8, std::map<std::string, int>& counts) {
    std::size_t start = 0;
    while ((start = utf8.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = std::min(utf8.find(' ', start), utf8.size());
        ++counts[utf8.substr(start, end - start)];
        start = end;
    }
}

// The words of the first line of a page (its header), from left to right.
std::vector<PdfWord> HeaderLine(const PdfPage& page) {
    double top = page.height;
    for (const PdfWord& word : page.words)
        top = std::min(top, word.top);
    std::vector<PdfWord> line;
    for (const PdfWord& word : page.words) {
        if (word.top < top + 2) line.push_back(word);
    }
    std::sort(line.begin(), line.end(), [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
    return line;
}

}  // namespace

// The header line ended past the right edge; recommendation boxes ran below the bottom of the
// page on questionnaires 00, 02 and 11; "Ley 31/1-995", "REA-CH" were hyphenated.
TEST(BlankQuestionnairePdf, EveryQuestionnaireStaysOnThePaperWithNumbersAndAcronymsWhole) {
    Catalogue catalogue;
    ASSERT_EQ(LoadShippedCatalogue(catalogue), Catalogue::LoadResult::Loaded);
    TempDir dir;
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q) {
        const std::string number = (q < 10 ? "0" : "") + std::to_string(q);
        SCOPED_TRACE("questionnaire " + number);
        const FilePath pdf = dir.File(number + ".pdf");
        const ProgramRun run = RunProgram({"--cuestionario-pdf", number, pdf});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<PdfPage> pages = PdfWords(pdf);
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(WordsNearTheEdges(pages, 8), std::vector<std::string>());

        // Each such word of the items and recommendations is printed whole as often as it occurs.
        std::map<std::string, int> printed, expected;
        for (const PdfPage& page : pages) {
            for (const PdfWord& word : page.words)
                ++printed[word.text];
        }
        for (int k = 1; k <= catalogue.ItemCount(q); ++k) {
            CountWords(cp1252::ToUtf8(std::to_string(k) + ".- " + catalogue.ItemText(q, k)), expected);
            CountWords(cp1252::ToUtf8(catalogue.ItemRecommendation(q, k)), expected);
        }
        for (const auto& [word, count] : expected) {
            if (NumberOrAcronym(word)) {
                EXPECT_GE(printed[word], count) << word << " was broken";
            }
        }
    }
}

// A firm name of 90 characters ran off the left edge of the paper in the header.
TEST(PrintPdf, AFirmNameOfNinetyCharactersStaysOnThePaper) {
    TempDir dir;
    const std::string name =
        "Construcciones, Reformas y Mantenimiento Industrial del Noroeste Peninsular, S.A. (CRMINO)";
    ASSERT_EQ(name.size(), 90u);
    WriteFile(dir.File("doc.kl3"), "1\t0\tE\t" + name + "\r\n2\t1\tZ\tNave de montaje\r\n");
    const ProgramRun run = RunProgram({"--imprimir-pdf", dir.File("doc.kl3"), dir.File("informe.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<PdfPage> pages = PdfWords(dir.File("informe.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(WordsNearTheEdges(pages, 8), std::vector<std::string>());
    const std::vector<PdfWord> header = HeaderLine(pages[0]);
    ASSERT_FALSE(header.empty());
    EXPECT_EQ(header.front().text, "Construcciones,") << "the name keeps its start";
    EXPECT_EQ(header.back().text.substr(header.back().text.size() - 3), "…");
}
