#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "numbered_lines.h"
#include "recording_canvas.h"
#include "sheet_printout.h"
#include "sheets_fixture.h"

namespace {

using Call = RecordingCanvas::Call;

const char* const kSections[] = {
    "Riesgos de su puesto",         "Lo que se ha encontrado y lo que se va a hacer",
    "Medidas ya aplicadas",         "Equipos de protección individual",
    "Formación e información",      "Vigilancia de la salud",
    "He recibido esta información",
};

// An A4 page at 600 dots per inch with characters about as wide and high as the printer's.
struct SheetPrintoutTest : SheetsFixture, ::testing::Test {
    RecordingCanvas canvas{4600, 6600, 5, 10};

    void Print(const std::vector<sheets::Sheet>& sheets) {
        std::string error;
        ASSERT_TRUE(sheets::PrintSheets(sheets, canvas, &error)) << error;
    }
    std::vector<std::string> PageTexts(int page) const {
        std::vector<std::string> out;
        for (const Call& call : canvas.Texts())
            if (call.page == page) out.push_back(U(call.text));
        return out;
    }
    int Count(int page, const std::string& text) const {
        const auto texts = PageTexts(page);
        return static_cast<int>(std::count(texts.begin(), texts.end(), text));
    }
    // The lowest point drawn on any page, texts by their height in their font.
    int Lowest() const {
        int lowest = 0;
        for (const Call& call : canvas.calls) {
            if (call.kind == Call::Kind::Text) lowest = std::max(lowest, call.y + 10 * call.size);
            if (call.kind == Call::Kind::Rectangle || call.kind == Call::Kind::Fill)
                lowest = std::max(lowest, call.bottom);
        }
        return lowest;
    }
};

// A workstation with many deficiencies, each with a long text, and many exposed workers.
std::vector<std::string> LongSheet(int deficiencies, int exposed) {
    NumberedLines lines;
    lines.Add(0, "E\tTalleres Norte\t\t02/03/2026");
    const int zone = lines.Add(1, "Z\tNave");
    const int post =
        lines.Add(zone, "P\tSoldador\t\t\t\t\t\t\t\t\t\t\t\t\texpuestos=" + std::to_string(exposed));
    const int q = lines.Add(post, "C\t18.- Radiaciones no ionizantes\t\t17/03/2026\t\t\t\t\t3");
    for (int d = 1; d <= deficiencies; ++d) {
        const int def =
            lines.Add(q, "D\t1. ¿Hay pantallas " + std::to_string(d) +
                             "?\t\t\t\t\t\t\t12111\t\tLa cortina está rota y el arco se ve desde el "
                             "puesto de al lado, lo que obliga a pararse cada vez");
        lines.Add(def, "R\tReponer la cortina " + std::to_string(d) + "\t\t23/04/2026\tPedro");
    }
    std::vector<std::string> out;
    const std::string& bytes = lines.Bytes();
    for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(bytes.substr(start, end - start));
    return out;
}

}  // namespace

TEST_F(SheetPrintoutTest, EachCopyStartsAPageWithEverySectionAndItsWorkersName) {
    Print(Sheets());
    // The copies by the pages they start on: the sheet's title stands at the top of each.
    std::vector<int> starts;
    for (int page = 1; page <= canvas.Pages(); ++page) {
        if (Count(page, "Ficha del puesto")) starts.push_back(page);
    }
    // The welder's two copies, the painter's and the reception's.
    ASSERT_EQ(starts.size(), 4u);
    EXPECT_EQ(starts.front(), 1);
    starts.push_back(canvas.Pages() + 1);
    std::vector<std::map<std::string, int>> copies;
    std::vector<int> rows;
    for (std::size_t c = 0; c + 1 < starts.size(); ++c) {
        std::map<std::string, int> texts;
        const int pages = starts[c + 1] - starts[c];
        for (int page = starts[c]; page < starts[c + 1]; ++page) {
            for (const std::string& text : PageTexts(page))
                ++texts[text];
            EXPECT_EQ(Count(page, "Página " + std::to_string(page - starts[c] + 1) + " de " +
                                      std::to_string(pages)),
                      1)
                << page;
        }
        int signatures = 0;
        for (const Call& call : canvas.Rectangles())
            signatures += call.page >= starts[c] && call.page < starts[c + 1];
        rows.push_back(signatures / 4);
        copies.push_back(std::move(texts));
    }
    for (const auto& texts : copies) {
        for (const char* section : kSections)
            EXPECT_EQ(texts.count(section) ? texts.at(section) : 0, 1) << section;
    }
    EXPECT_EQ(copies[0]["Ana Pérez"], 2) << "beside \"Trabajador:\" and in the acknowledgement";
    EXPECT_EQ(copies[0]["Luis Gil"], 0);
    EXPECT_EQ(copies[1]["Luis Gil"], 2);
    EXPECT_EQ(copies[1]["Ana Pérez"], 0);
    EXPECT_EQ(copies[0]["Pantalla"], 1);
    EXPECT_EQ(copies[0]["Guantes"], 1) << "each line of a text on a line of its own";
    EXPECT_GE(copies[2]["Ficha del puesto: Pintor"], 1);
    EXPECT_EQ(copies[2]["Ana Pérez"], 0);
    // The rows to sign: one per named copy, the exposed workers' number without names, at least one.
    EXPECT_EQ(rows, (std::vector<int>{1, 1, 3, 1}));
}

TEST_F(SheetPrintoutTest, ALongSheetRunsOnWithItsHeadOnEveryPageAndNothingBelowTheBody) {
    LoadLines(session, LongSheet(30, 70));
    const auto all = sheets::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25});
    Print(all);
    const int pages = canvas.Pages();
    ASSERT_GE(pages, 3);
    for (int page = 1; page <= pages; ++page) {
        EXPECT_EQ(Count(page, "Talleres Norte"), 1 + (page == 1)) << page;
        EXPECT_EQ(Count(page, "Ficha del puesto: Soldador"), 1) << page;
        EXPECT_EQ(Count(page, "Página " + std::to_string(page) + " de " + std::to_string(pages)), 1) << page;
    }
    // Every deficiency and every row to sign, none cut: the body ends above the foot.
    int findings = 0;
    for (const Call& call : canvas.Texts())
        findings += U(call.text) == "Gravedad:";
    EXPECT_EQ(findings, 30);
    EXPECT_EQ(static_cast<int>(canvas.Rectangles().size()), 4 * 70);
    // The body's foot: four lines of the frame's small type above the page's edge.
    for (const Call& call : canvas.Rectangles())
        EXPECT_LE(call.bottom, 6600 - 4 * 10 * 8) << "a row to sign on page " << call.page;
    EXPECT_LE(Lowest(), 6600 - 10 * 8) << "nothing below the foot's line";

    // A heading is never the last thing on its page, and the column headings of the rows to sign
    // come again at the top of each page they continue on.
    for (int page = 1; page <= pages; ++page) {
        const std::vector<std::string> texts = PageTexts(page);
        for (const char* section : kSections) {
            const auto at = std::find(texts.begin(), texts.end(), section);
            if (at != texts.end()) {
                EXPECT_FALSE(texts.end() - at <= 3) << section << " at the foot of page " << page;
            }
        }
    }
    int headings = 0;
    for (int page = 1; page <= pages; ++page)
        headings += Count(page, "Nombre y apellidos");
    std::map<int, int> rowPages;
    for (const Call& call : canvas.Rectangles())
        rowPages[call.page] = 1;
    EXPECT_EQ(headings, static_cast<int>(rowPages.size()));
}

TEST_F(SheetPrintoutTest, APrinterThatRefusesTheJobGetsItsReason) {
    canvas.refuseJob = true;
    std::string error;
    EXPECT_FALSE(sheets::PrintSheets(Sheets(), canvas, &error));
    EXPECT_FALSE(error.empty());
}
