#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "assessment_fixture.h"
#include "assessment_printout.h"
#include "plan_colours.h"
#include "recording_canvas.h"
#include "text_checks.h"
#include "valuation_tables.h"

namespace {

using Call = RecordingCanvas::Call;

// An A4 page at 600 dots per inch, inside a printer's margins, and characters about as wide and
// high as the printer's: 5 and 10 dots a point.
struct AssessmentPrintoutTest : ::testing::Test {
    DocumentSession session;
    FixedDates dates;
    RecordingCanvas canvas{4600, 6600, 5, 10};

    void Print(const std::vector<std::string>& lines = kAssessedFirm) {
        LoadLines(session, lines);
        PrintSession();
    }
    void PrintSession() {
        std::string error;
        ASSERT_TRUE(assessment::PrintAssessment(
            assessment::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25}), canvas, &error));
    }
    // Every text of a page, UTF-8, one line each, in the order drawn.
    std::string PageText(int page) const {
        std::string out;
        for (const Call& call : canvas.Texts())
            if (call.page == page) out += U(call.text) + "\n";
        return out;
    }
    // Every text of the job joined by single blanks: a wrapped paragraph reads as one line.
    std::string AllText() const {
        std::string out;
        for (const Call& call : canvas.Texts()) {
            for (const char c : U(call.text) + " ")
                if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
        }
        return out;
    }
    // The page of the first text that begins with the given one (UTF-8); 0 for none.
    int PageOf(const std::string& start) const {
        for (const Call& call : canvas.Texts())
            if (U(call.text).rfind(start, 0) == 0) return call.page;
        return 0;
    }
    // The page of a section's heading (the contents on the cover name it in smaller type).
    int SectionPage(const std::string& heading) const {
        for (const Call& call : canvas.Texts())
            if (U(call.text) == heading && call.size == 15) return call.page;
        return 0;
    }
};

}  // namespace

TEST_F(AssessmentPrintoutTest, EverythingTheDocumentHoldsIsInIt) {
    Print();
    const std::string all = AllText();
    ExpectContainsAll(all, {"Talleres Norte",
                            "B12345678",
                            "C/ Mayor 3, Ávila",
                            "4520 Reparación de vehículos",
                            "14",
                            "Servicio de prevención ajeno",
                            "Marta Gómez",
                            "01/03/2027",
                            "02/03/2026 (Marta)",
                            "20/03/2026 (Luis)",
                            "Fecha del documento:",
                            "25/03/2026",
                            "2. ¿Hay plan de prevención?",
                            "No hay plan escrito",
                            "Redacte el plan",
                            "Redactar el plan",
                            "Recursos: Consultora; 900 €",
                            "1. ¿Hay pantallas?",
                            "Cortina rota",
                            "comentario D",
                            "Reponer la cortina",
                            "Señalizar el puesto",
                            "2. ¿Hay gafas?",
                            "3. ¿Hay ventilación?",
                            "Trabajadores expuestos:",
                            "Puesto de trabajo: Nave / Soldador",
                            "Cuestionario 18.- Radiaciones no ionizantes",
                            "Muy deficiente",
                            "Firma del evaluador",
                            "Firma de la empresa"});
    const Catalogue& catalogue = ShippedCatalogue();
    EXPECT_TRUE(Contains(all, "2. " + U(catalogue.ItemText(18, 2)))) << "an item answered Sí";
    EXPECT_FALSE(Contains(all, "1. " + U(catalogue.ItemText(18, 1)))) << "one answered No";
    // Valuations in words, and the states of the measures on the document's date.
    EXPECT_TRUE(
        Contains(all,
                 "Consecuencias: Mortal. Exposición: Continuada. Nivel de deficiencia: Muy deficiente. "
                 "Probabilidad: Muy alta. Nivel de intervención: Crítico."));
    // A deficiency not valued at all says so once; one valued in part names what is missing.
    EXPECT_TRUE(Contains(all, "Valoración: sin valorar Recomendación:"));
    EXPECT_FALSE(Contains(all, "Consecuencias: sin valorar"));
    EXPECT_TRUE(Contains(all, "Fecha prevista: 23/03/2026 · Estado: Vencida"));
    EXPECT_TRUE(Contains(all, "Fecha realización: 18/03/2026 por Eva · Estado: Realizada"));
    // The counts per level: legend of the chart, the cover's result.
    for (const char* count :
         {"Crítico: 1", "A corregir: 1", "A mejorar: 0", "No imprescindible: 1", "Sin valorar: 1"})
        EXPECT_TRUE(Contains(all, count)) << count;
    EXPECT_TRUE(Contains(all, "4 (Crítico: 1, A corregir: 1, No imprescindible: 1, Sin valorar: 1)"));
    EXPECT_TRUE(Contains(all, "2 sin medida, a fecha de 25/03/2026"));
    EXPECT_TRUE(Contains(all, "N.º de trabajadores: 14"));
    EXPECT_TRUE(Contains(all, "Respondidos: 4 de "));
    EXPECT_FALSE(Contains(all, "Respuestas:"));
    EXPECT_FALSE(Contains(all, "Sin Valorar"));
}

// Both comments of a measure, the measure dialog's first; a measure done after the document's
// date is not done on it, though its date is shown.
TEST_F(AssessmentPrintoutTest, AMeasuresCommentsAndItsStateOnTheDocumentsDate) {
    std::vector<std::string> lines = kAssessedFirm;
    lines[8] =
        "9\t8\tR\tReponer la cortina\tcomentario de la medida\t23/03/2026\tPedro\t30/03/2026\tEva"
        "\tcomentario del editor";
    Print(lines);
    const std::string all = AllText();
    EXPECT_TRUE(Contains(all, "Comentarios: comentario de la medida comentario del editor")) << all;
    EXPECT_TRUE(Contains(all, "Fecha realización: 30/03/2026 por Eva · Estado: Vencida"));
}

// Values the data editor would refuse are printed as the document holds them.
TEST_F(AssessmentPrintoutTest, StoredValuesArePrintedAsTheyAre) {
    std::vector<std::string> lines = kAssessedFirm;
    lines[0] =
        "1\t0\tE\tTalleres Norte\t\t\t\t\t\t\t\t10000000000000000000000\t\t\t\t"
        "trabajadores=99999999999999999999; Modalidad=PROPIO; revision=31/02/2026";
    Print(lines);
    const std::string all = AllText();
    EXPECT_TRUE(Contains(all, "N.º de trabajadores: 99999999999999999999"));
    EXPECT_TRUE(Contains(all, "Próxima revisión: 31/02/2026"));
    EXPECT_TRUE(Contains(all, "Modalidad preventiva: Servicio de prevención propio"));
}

// The summary's questionnaire table has the inspection's dates, the done one included.
TEST_F(AssessmentPrintoutTest, TheQuestionnaireTableHasTheDoneDate) {
    std::vector<std::string> lines = kAssessedFirm;
    lines[1] = "2\t1\tC\t00.- Gestión Preventiva\t\t02/03/2026\t\t11/03/2026\t\t\t3";
    Print(lines);
    const int summary = SectionPage("2. Resumen");
    ASSERT_GT(summary, 0);
    EXPECT_TRUE(Contains(PageText(summary), "11/03/2026")) << PageText(summary);
}

TEST_F(AssessmentPrintoutTest, NothingIsDrawnOutsideTheMargins) {
    LoadBytes(session, ManyDeficiencies(60));
    PrintSession();
    ASSERT_GT(canvas.Pages(), 10);
    const int margin = 3 * 5 * 9;  // three W of the body's 9 points
    for (const Call& call : canvas.calls) {
        if (call.kind != Call::Kind::Text && call.kind != Call::Kind::Rectangle &&
            call.kind != Call::Kind::Fill)
            continue;
        SCOPED_TRACE(U(call.text) + " page " + std::to_string(call.page));
        EXPECT_GE(call.x, margin);
        EXPECT_LE(call.right, canvas.PageWidth() - margin);
        EXPECT_GE(call.y, 0);
        EXPECT_LE(call.bottom, canvas.PageHeight());
    }
}

TEST_F(AssessmentPrintoutTest, EveryPageHasItsNumberOfAllAndTheFirmAtItsHead) {
    LoadBytes(session, ManyDeficiencies(30));
    PrintSession();
    const int pages = canvas.Pages();
    ASSERT_GT(pages, 5);
    for (int page = 1; page <= pages; ++page) {
        const std::string text = PageText(page);
        EXPECT_TRUE(Contains(text, "Página " + std::to_string(page) + " de " + std::to_string(pages)))
            << page;
        // The cover shows the firm in large type instead of the header.
        bool header = false;
        for (const Call& call : canvas.Texts())
            header = header || (call.page == page && call.text == "Empresa grande" && call.size == 8);
        EXPECT_EQ(header, page > 1) << page;
    }
}

TEST_F(AssessmentPrintoutTest, TheContentsNameThePageEachSectionBeginsOn) {
    LoadBytes(session, ManyDeficiencies(30));
    PrintSession();
    for (const char* section : {"1. Método de evaluación", "2. Resumen", "3. Deficiencias por lugar",
                                "4. Plan de acción", "5. Firmas"}) {
        SCOPED_TRACE(section);
        std::optional<Call> listed, heading;
        for (const Call& call : canvas.Texts()) {
            if (U(call.text) != section) continue;
            (call.page == 1 ? listed : heading) = call;
        }
        ASSERT_TRUE(listed && heading);
        EXPECT_EQ(heading->size, 15);
        std::string number;
        for (const Call& call : canvas.Texts())
            if (call.page == 1 && call.y == listed->y && call.x > listed->right) number = call.text;
        EXPECT_EQ(number, std::to_string(heading->page));
    }
}

// The two tables of the method are drawn from the method's own tables: each level's colour as
// many times as the tables hold it (and once more in the list of levels above them).
TEST_F(AssessmentPrintoutTest, TheMethodsTablesHaveTheLevelsColours) {
    Print();
    const int page = SectionPage("1. Método de evaluación");
    std::map<int, int> fills;
    for (const Call& fill : canvas.Fills())
        if (fill.page == page) ++fills[fill.rgb];
    // Each colour once in the legend, then in its cells: the intervention table's 16 cells hold
    // 6 of the first level, 5 of the second, 4 of the third and 1 of the fourth; the probability
    // table's 12 hold 3, 4, 3 and 2.
    EXPECT_EQ(fills[0xE53935], 1 + 6 + 3) << "red";
    EXPECT_EQ(fills[0xFB8C00], 1 + 5 + 4) << "orange";
    EXPECT_EQ(fills[0xFDD835], 1 + 4 + 3) << "yellow";
    EXPECT_EQ(fills[0x43A047], 1 + 1 + 2) << "green";
}

// The whole firm's bar and the places' bars, each chart scaled to its longest bar.
TEST_F(AssessmentPrintoutTest, TheChartsBarsAreAsLongAsTheirCounts) {
    Print();
    const int page = SectionPage("2. Resumen");
    // The bars: fills a line high (at 8 points, 80 and a sixth), by their top.
    std::map<int, std::vector<Call>> bars;
    for (const Call& fill : canvas.Fills())
        if (fill.page == page && fill.bottom - fill.y == 80 + 80 / 6) bars[fill.y].push_back(fill);
    ASSERT_EQ(bars.size(), 3u) << "the whole firm, the firm's own, the workstation (the zone has none)";
    auto length = [](const std::vector<Call>& pieces) { return pieces.back().right - pieces.front().x; };
    auto bar = bars.begin();
    const std::vector<Call>& all = (bar++)->second;
    const std::vector<Call>& firm = (bar++)->second;
    const std::vector<Call>& workstation = bar->second;
    ASSERT_EQ(all.size(), 4u);
    for (const Call& piece : all)
        EXPECT_NEAR(piece.right - piece.x, length(all) / 4, 1);
    EXPECT_EQ(all[0].rgb, plan::LevelColour(plan::Level::kCritical).Packed());
    EXPECT_EQ(all[3].rgb, plan::LevelColour(plan::Level::kNotValued).Packed());
    // The places on their own scale: the workstation's three take the whole length.
    EXPECT_EQ(length(workstation), length(all));
    ASSERT_EQ(firm.size(), 1u);
    EXPECT_EQ(firm[0].rgb, plan::LevelColour(plan::Level::kToCorrect).Packed());
    EXPECT_NEAR(length(firm), length(all) / 3, 1);
}

// A zone whose two deficiencies are not valued: counted in its total and its table's "Total",
// with a bar of the "Sin valorar" colour two thirds as long as the workstation's three.
TEST_F(AssessmentPrintoutTest, APlaceWithOnlyUnvaluedDeficienciesIsCountedAndCharted) {
    std::vector<std::string> lines = kAssessedFirm;
    lines.push_back("13\t5\tC\t02.- Máquinas\t\t17/03/2026");
    lines.push_back("14\t13\tD\t1. Uno");
    lines.push_back("15\t13\tD\t2. Dos\t\t\t\t\t\t\t  x  ");
    Print(lines);
    const int page = SectionPage("2. Resumen");
    std::map<int, std::vector<Call>> bars;
    for (const Call& fill : canvas.Fills())
        if (fill.page == page && fill.bottom - fill.y == 80 + 80 / 6) bars[fill.y].push_back(fill);
    ASSERT_EQ(bars.size(), 4u) << "the whole firm, the firm, the zone, the workstation";
    auto bar = std::next(bars.begin(), 2);
    const std::vector<Call>& zone = bar->second;
    const std::vector<Call>& workstation = std::next(bar)->second;
    ASSERT_EQ(zone.size(), 1u);
    EXPECT_EQ(zone[0].rgb, plan::LevelColour(plan::Level::kNotValued).Packed());
    EXPECT_NEAR(zone[0].right - zone[0].x, (workstation.back().right - workstation.front().x) * 2 / 3, 1);
    // The bar's total after it, and the table's row: no deficiency of a level, two not valued.
    std::vector<std::string> barTexts, row;
    int rowY = -1;
    for (const Call& call : canvas.Texts()) {
        if (call.page == page && call.y == zone[0].y && call.x > zone[0].right) barTexts.push_back(call.text);
        if (call.page == page && call.text == "Nave" && call.y != zone[0].y && rowY < 0) rowY = call.y;
    }
    EXPECT_EQ(barTexts, std::vector<std::string>{"2"});
    for (const Call& call : canvas.Texts())
        if (call.page == page && call.y == rowY && call.text != "Nave") row.push_back(call.text);
    EXPECT_EQ(row, (std::vector<std::string>{"0", "0", "0", "0", "2", "2"}));
    EXPECT_TRUE(Contains(AllText(), "6 (Crítico: 1, A corregir: 1, No imprescindible: 1, Sin valorar: 3)"));
}

// A deficiency that fits on a page is never cut by one: its item, what was detected, the
// recommendation and its measure go together.
TEST_F(AssessmentPrintoutTest, ADeficiencyIsKeptOnOnePage) {
    LoadBytes(session, ManyDeficiencies(40));
    PrintSession();
    for (int k = 1; k <= 40; ++k) {
        const std::string n = std::to_string(k);
        const int page = PageOf(n + ". Ítem D" + n + " ");
        ASSERT_GT(page, 0) << k;
        EXPECT_EQ(PageOf("Detectada D" + n + " "), page) << k;
        EXPECT_EQ(PageOf("Recomendación R" + n + " "), page) << k;
        EXPECT_EQ(PageOf("Medida M" + n), page) << k;
    }
}

// The plan's table runs over several pages, each beginning with the table's heading row.
TEST_F(AssessmentPrintoutTest, ThePlansHeadingRowOnEveryPageOfIt) {
    LoadBytes(session, ManyDeficiencies(60));
    PrintSession();
    const int first = SectionPage("4. Plan de acción");
    const int last = SectionPage("5. Firmas");
    ASSERT_GT(last, first + 1);
    for (int page = first; page <= last; ++page) {
        int headings = 0;
        for (const Call& call : canvas.Texts())
            headings += call.page == page && call.text == "Nivel" && call.style == FontStyle::Bold;
        EXPECT_EQ(headings, page == last && !Contains(PageText(page), "Medida M") ? 0 : 1) << page;
    }
}

TEST_F(AssessmentPrintoutTest, APrinterThatRefusesTheJobGetsNothing) {
    LoadLines(session, kAssessedFirm);
    canvas.refuseJob = true;
    std::string error;
    EXPECT_FALSE(assessment::PrintAssessment(
        assessment::Gather(session, ShippedCatalogue(), dates, {2026, 3, 25}), canvas, &error));
    EXPECT_EQ(error, "printer unavailable");
    EXPECT_TRUE(canvas.calls.empty());
}

// A label and its value, a bar's count and its label, a number in the contents: no text is drawn
// over another on the same line.
TEST_F(AssessmentPrintoutTest, NoTextOverprintsAnother) {
    for (const bool many : {false, true}) {
        canvas.calls.clear();
        if (many) {
            LoadBytes(session, ManyDeficiencies(30));
        } else {
            LoadLines(session, kAssessedFirm);
        }
        PrintSession();
        const std::vector<Call> texts = canvas.Texts();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                const Call& a = texts[i];
                const Call& b = texts[j];
                if (a.page != b.page || a.y != b.y) continue;
                EXPECT_TRUE(a.right <= b.x || b.right <= a.x)
                    << U(a.text) << " and " << U(b.text) << " on page " << a.page;
            }
        }
    }
}

namespace {

// The assessed firm with two workstations whose paths differ only at their ends, a long
// evaluator's name and a planner whose name carries brackets of its own.
std::vector<std::string> LongNamesFirm() {
    std::vector<std::string> lines = kAssessedFirm;
    const std::string evaluator =
        "Marta Gómez Fernández de la Vega, técnica superior en prevención de riesgos laborales";
    lines[0] = "1\t0\tE\tTalleres Norte\t\t09/03/2026\tMarta Gómez (servicio de prevención ajeno)\t20/03/2026\tLuis\t\t"
               "B12345678\t10000000000000000000000\tC/ Mayor 3, Ávila\t4520 Reparación de vehículos\t" +
               evaluator + "\ttrabajadores=14; modalidad=ajeno";
    const char* const ends[] = {"uno", "dos"};
    int slot = static_cast<int>(lines.size());
    for (const char* end : ends) {
        const int post = ++slot;
        lines.push_back(std::to_string(post) + "\t5\tP\tOperario de la línea de montaje de carrocerías número " + end);
        const int questionnaire = ++slot;
        lines.push_back(std::to_string(questionnaire) + "\t" + std::to_string(post) +
                        "\tC\t18.- Radiaciones no ionizantes\t\t17/03/2026\t\t\t\t\t4");
        lines.push_back(std::to_string(++slot) + "\t" + std::to_string(questionnaire) +
                        "\tD\t1. ¿Hay pantallas?\t\t\t\t\t\t\t12111");
    }
    return lines;
}

// The texts of a page drawn at x in the given size, joined as one line (wrapped lines rejoined).
std::string JoinedAt(const RecordingCanvas& canvas, int page, std::optional<int> x, std::optional<int> size) {
    std::string out;
    for (const Call& call : canvas.Texts()) {
        if (call.page != page || (x && call.x != *x) || (size && call.size != *size)) continue;
        for (const char c : U(call.text) + " ")
            if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    }
    return out;
}

}  // namespace

// Chart labels were cut at their ends ("…Operario de l…" twice), the evaluator's name cut in
// the signature box, and a planner's own brackets nested in the cover's.
TEST_F(AssessmentPrintoutTest, LongNamesArePrintedWholeAndBracketsAreNotNested) {
    Print(LongNamesFirm());
    const Call* firmBar = canvas.FindText("Toda la empresa");
    ASSERT_TRUE(firmBar);
    const std::string labels = JoinedAt(canvas, firmBar->page, firmBar->x, firmBar->size);
    for (const char* end : {"uno", "dos"}) {
        EXPECT_TRUE(Contains(labels, std::string("Nave / Operario de la línea de montaje de carrocerías número ") + end))
            << labels;
    }
    const std::string signatures = JoinedAt(canvas, SectionPage("5. Firmas"), std::nullopt, std::nullopt);
    EXPECT_TRUE(Contains(signatures,
                         "Marta Gómez Fernández de la Vega, técnica superior en prevención de riesgos laborales "
                         "Fecha:"))
        << signatures;
    const std::string all = AllText();
    EXPECT_TRUE(Contains(all, "09/03/2026, Marta Gómez (servicio de prevención ajeno)")) << all;
    EXPECT_FALSE(Contains(all, "))"));
}

// "Zona: ..." was left alone at the foot of a page, its questionnaire on the next: whatever the
// length of what comes before, the second workstation's heading is followed on its page by its
// questionnaire.
TEST_F(AssessmentPrintoutTest, APlacesHeadingIsNeverAloneAtTheFootOfAPage) {
    const std::string filler =
        " con un texto que sigue y sigue para que ocupe varias líneas en la página y obligue a partir";
    for (int k = 0; k <= 60; k += 2) {
        SCOPED_TRACE(k);
        std::string before;
        for (int w = 0; w < 12 * k; ++w)
            before += " palabra";
        canvas.calls.clear();
        Print({"1\t0\tE\tFirma",
               "2\t1\tP\tPrimero",
               "3\t2\tC\t02.- Máquinas\t\t01/03/2026\t\t\t\t\t\t3",
               "4\t3\tD\t1. Ítem\tRecomendación\t\t\t\t\t\t12111\t\tDetectado" + before,
               "5\t1\tP\tSegundo",
               "6\t5\tC\t02.- Máquinas\t\t01/03/2026\t\t\t\t\t\t3",
               "7\t6\tD\t1. Ítem" + filler + "\tRecomendación" + filler + "\t\t\t\t\t\t12111\t\tDetectado" +
                   filler + filler});
        const std::vector<Call> texts = canvas.Texts();
        std::size_t heading = 0;
        while (heading < texts.size() && U(texts[heading].text) != "Puesto de trabajo: Segundo")
            ++heading;
        ASSERT_LT(heading + 1, texts.size());
        EXPECT_EQ(texts[heading + 1].page, texts[heading].page);
        EXPECT_EQ(U(texts[heading + 1].text), "Cuestionario 02.- Máquinas");
    }
}

// The firm's gaps: the cover counts them and sends to the annex after the signatures, which
// lists them by group; the firm's comments and observations are on the cover too.
TEST_F(AssessmentPrintoutTest, AnIncompleteDocumentSaysSoOnTheCoverAndListsItsGapsInAnAnnex) {
    std::vector<std::string> lines = kAssessedFirm;
    lines[0].replace(lines[0].find("\t\t02/03/2026"), 2, "\tComentario de la firma\t");
    lines[0].replace(lines[0].find("Luis\t\t"), 6, "Luis\tObservaciones~~en dos líneas\t");
    lines[3] += "\t900,00";  // the cost of the plan's one costed measure
    Print(lines);
    const int gaps = review::GapCount(session, dates, {2026, 3, 25});
    ASSERT_GT(gaps, 0);
    const std::string cover = PageText(1);
    EXPECT_NE(cover.find("Documento incompleto: " + std::to_string(gaps) + " puntos pendientes (véase el anexo)"),
              std::string::npos)
        << cover;
    EXPECT_NE(cover.find("Comentario de la firma"), std::string::npos) << cover;
    EXPECT_NE(cover.find("Observaciones:\nObservaciones\nen dos líneas"), std::string::npos) << cover;
    EXPECT_NE(cover.find("Anexo. Puntos pendientes"), std::string::npos) << "in the contents";

    // The measure's cost among its details, and the plan's totals before its table.
    EXPECT_NE(AllText().find("Recursos: Consultora; 900 € · Coste previsto: 900,00 € · Responsable: Ana"),
              std::string::npos);
    EXPECT_NE(AllText().find("Coste previsto: 900,00 € (A corregir 900,00 €) · pendiente: 900,00 €."),
              std::string::npos);

    const int annex = SectionPage("Anexo. Puntos pendientes");
    ASSERT_GT(annex, SectionPage("5. Firmas"));
    const std::string all = AllText();
    const std::size_t start = all.find("Anexo. Puntos pendientes Lo que le falta");
    ASSERT_NE(start, std::string::npos) << all;
    const std::size_t group = all.find(" Deficiencias • ", start);
    EXPECT_NE(group, std::string::npos) << all.substr(start);
    EXPECT_NE(all.find("• Talleres Norte / Nave / Soldador / 18.- Radiaciones no ionizantes / 3. ¿Hay "
                       "ventilación?: sin valorar",
                       group),
              std::string::npos)
        << all.substr(start);
}

TEST_F(AssessmentPrintoutTest, ACompleteDocumentHasNeitherTheWarningNorTheAnnex) {
    Print({"1\t0\tE\tFirma\t\t\t\t02/03/2026\t\t\tB123\t\t\t\tMarta\ttrabajadores=2; revision=15/03/2027",
           "2\t1\tP\tPuesto\t\t\t\t\t\t\t\t\t\t\t\texpuestos=2", "3\t2\tC\t13.- Ruido\t\t\t\t\t\t\t1"});
    EXPECT_EQ(AllText().find("Documento incompleto"), std::string::npos);
    EXPECT_EQ(AllText().find("Anexo"), std::string::npos);
}
