#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "file_io.h"
#include "pdf_canvas_source.h"
#include "plan_csv.h"
#include "plan_export.h"
#include "plan_fixture.h"
#include "plan_pdf.h"
#include "plan_xlsx.h"
#include "program_run.h"
#include "recording_canvas.h"

namespace {

// An entry of a zip file (the workbook) as unzip reads it back.
std::string ZipEntry(const FilePath& zip, const std::string& entry) {
    return CommandOutput("unzip -p '" + zip.Utf8() + "' '" + entry + "'");
}

// The value of a cell in a sheet's XML, and whether it holds a number (no t="s").
struct XlsxCell {
    bool found = false;
    bool number = false;
    std::string value;
};
XlsxCell Cell(const std::string& sheet, const std::string& ref) {
    std::smatch match;
    if (!std::regex_search(sheet, match, std::regex("<c r=\"" + ref + "\"([^>]*)><v>([^<]*)</v></c>")))
        return {};
    return {true, match[1].str().find("t=\"s\"") == std::string::npos, match[2]};
}

// PDF canvases that record, and the paths they were asked for.
class RecordingPdfSource : public PdfCanvasSource {
public:
    bool refuse = false;
    std::vector<FilePath> paths;
    std::unique_ptr<Canvas> Open(const FilePath& path, Orientation orientation) override {
        paths.push_back(path);
        EXPECT_EQ(orientation, Orientation::kLandscape);
        auto canvas = std::make_unique<RecordingCanvas>(6800, 4800);
        canvas->refuseJob = refuse;
        return canvas;
    }
};

}  // namespace

TEST_F(PlanDocument, CsvQuotesOnlyWhatNeedsItAndEndsEveryLineWithCrLf) {
    const std::string csv = plan::PlanCsv(Plan());
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") + 2 - 3),
              "Nivel;Lugar;Cuestionario;Deficiencia;Medida;Recursos;Responsable;Fecha prevista;"
              "Fecha realización;Realizada por;Estado;Comentarios;Coste (€)\r\n");
    // ';' and '"' are quoted, inner quotes doubled; a line break stays inside its quoted field.
    EXPECT_NE(
        csv.find(";\"Cerrajero; 450 €\";Ana Ruiz;01/12/2026;;;Vencida;\"Urgente: con \"\"comillas\"\"\";\r\n"),
        std::string::npos);
    EXPECT_NE(csv.find(";Sin fecha;\"Línea 1\r\nLínea 2\";\r\n"), std::string::npos);
    // 8 lines and one line break inside a field.
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    EXPECT_EQ(lines, 9u);
    EXPECT_EQ(csv.find('\n', csv.size() - 1), csv.size() - 1);
}

TEST_F(PlanDocument, WorkbookHasDateCellsAFrozenHeadingAnAutofilterAndASummary) {
    TempDir dir;
    const FilePath path = dir.File("plan.xlsx");
    std::string error;
    ASSERT_TRUE(plan::WritePlanXlsx(Plan(), path, &error)) << error;

    const std::string workbook = ZipEntry(path, "xl/workbook.xml");
    EXPECT_NE(workbook.find("name=\"Plan de acción\""), std::string::npos) << workbook;
    EXPECT_NE(workbook.find("name=\"Resumen\""), std::string::npos);

    const std::string sheet = ZipEntry(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(
        std::regex_search(sheet, std::regex("<pane ySplit=\"3\" topLeftCell=\"A4\"[^>]*state=\"frozen\"")))
        << sheet.substr(0, 600);
    // The heading row (3) and the seven rows below it.
    EXPECT_NE(sheet.find("<autoFilter ref=\"A3:M10\"/>"), std::string::npos);
    // Planned and done dates are numbers (days since 1899-12-30) shown as dates...
    EXPECT_EQ(Cell(sheet, "H4").value, "46357");
    EXPECT_TRUE(Cell(sheet, "H4").number);
    EXPECT_EQ(Cell(sheet, "I8").value, "46346");
    EXPECT_NE(ZipEntry(path, "xl/styles.xml").find("formatCode=\"dd/mm/yyyy\""), std::string::npos);
    // ...and a planned date that is no date stays a text.
    EXPECT_TRUE(Cell(sheet, "H7").found);
    EXPECT_FALSE(Cell(sheet, "H7").number);
    const std::string strings = ZipEntry(path, "xl/sharedStrings.xml");
    for (const char* text : {"Crítico", "Cerrajero; 450 €", "pronto", "Fecha realización", "Sin medida",
                             "Plan de acción · Construcciones Ávila, S.L. · a fecha de 08/12/2026"})
        EXPECT_NE(strings.find(text), std::string::npos) << text;
    // The level's colour: the valuation icons' red for Crítico.
    EXPECT_NE(ZipEntry(path, "xl/styles.xml").find("FFE53935"), std::string::npos);

    // Resumen: levels down, states across; Crítico has one overdue and one pending; the totals.
    const std::string summary = ZipEntry(path, "xl/worksheets/sheet2.xml");
    EXPECT_EQ(Cell(summary, "B4").value, "1");
    EXPECT_EQ(Cell(summary, "C4").value, "1");
    EXPECT_EQ(Cell(summary, "G4").value, "2");
    EXPECT_EQ(Cell(summary, "B9").value, "2");
    EXPECT_EQ(Cell(summary, "G9").value, "7");
}

TEST_F(PlanDocument, PdfTableOnALandscapePage) {
    RecordingCanvas canvas(6800, 4800);
    std::string error;
    ASSERT_TRUE(plan::PrintPlan(Plan(), canvas, &error)) << error;
    EXPECT_EQ(canvas.calls.front().text, W("Plan de acción")) << "the job's title";
    EXPECT_EQ(canvas.Pages(), 1);
    ASSERT_TRUE(canvas.FindText(W("Plan de acción · Construcciones Ávila, S.L.")));
    ASSERT_TRUE(canvas.FindText("A fecha de 08/12/2026"));
    ASSERT_TRUE(canvas.FindText(W("Página 1 de 1")));
    const auto* heading = canvas.FindText("Nivel");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->style, FontStyle::Bold);
    const auto* first = canvas.FindText(W("Crítico"));
    const auto* last = canvas.FindText("Sin valorar");
    ASSERT_TRUE(first && last);
    EXPECT_LT(heading->y, first->y);
    EXPECT_LT(first->y, last->y);
    EXPECT_EQ(first->style, FontStyle::Regular);
}

TEST_F(PlanDocument, ExportsReplaceTheFileOnlyWhenTheyWorked) {
    TempDir dir;
    RecordingPdfSource pdf;
    const FilePath csv = dir.File("plan.csv");
    std::string error;
    ASSERT_TRUE(plan::ExportPlan(Plan(), plan::Format::kCsv, csv, pdf, &error)) << error;
    EXPECT_EQ(ReadFile(csv), plan::PlanCsv(Plan()));

    // A printer that refuses: the old file stays, the scratch file goes.
    const FilePath old = dir.File("plan.pdf");
    WriteFile(old, "old");
    pdf.refuse = true;
    EXPECT_FALSE(plan::ExportPlan(Plan(), plan::Format::kPdf, old, pdf, &error));
    EXPECT_EQ(error, "printer unavailable");
    EXPECT_EQ(ReadFile(old), "old");
    ASSERT_EQ(pdf.paths.size(), 1u);
    EXPECT_NE(pdf.paths[0], old);
    EXPECT_FALSE(file_io::Exists(pdf.paths[0]));

    // A folder that does not exist: the reason names the file.
    const FilePath nowhere = dir.File("no/plan.xlsx");
    EXPECT_FALSE(plan::ExportPlan(Plan(), plan::Format::kXlsx, nowhere, pdf, &error));
    EXPECT_NE(error.find(nowhere.Utf8()), std::string::npos) << error;
}

TEST(PlanExport, FormatByExtensionInAnyCase) {
    EXPECT_EQ(plan::FormatOf(FilePath("a/plan.XLSX")), plan::Format::kXlsx);
    EXPECT_EQ(plan::FormatOf(FilePath("plan.csv")), plan::Format::kCsv);
    EXPECT_EQ(plan::FormatOf(FilePath("plan.Pdf")), plan::Format::kPdf);
    EXPECT_EQ(plan::FormatOf(FilePath("plan.txt")), std::nullopt);
    EXPECT_EQ(plan::FormatOf(FilePath("plan")), std::nullopt);
    EXPECT_EQ(plan::FormatOf(FilePath("carpeta.csv/plan")), std::nullopt);
}
