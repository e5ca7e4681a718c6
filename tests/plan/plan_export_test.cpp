#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "file_io.h"
#include "pdf_canvas_source.h"
#include "plan_commands.h"
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
    return ToolOutput("unzip", {"-p", zip, entry});
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
    bool failEnd = false;
    std::vector<FilePath> paths;
    std::unique_ptr<Canvas> Open(const FilePath& path, Orientation orientation) override {
        paths.push_back(path);
        EXPECT_EQ(orientation, Orientation::kLandscape);
        auto canvas = std::make_unique<RecordingCanvas>(6800, 4800);
        canvas->refuseJob = refuse;
        canvas->failEnd = failEnd;
        return canvas;
    }
};

}  // namespace

TEST_F(PlanDocument, CsvQuotesOnlyWhatNeedsItAndEndsEveryLineWithCrLf) {
    const std::string csv = plan::PlanCsv(Plan());
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") + 2 - 3),
              "Nivel;Lugar;Cuestionario;Deficiencia;Medida;Recursos;Responsable;Fecha prevista;"
              "Fecha realización;Realizada por;Estado a 08/12/2026;Comentarios;Coste (€);Fotos\r\n");
    // ';' and '"' are quoted, inner quotes doubled; a line break stays inside its quoted field.
    EXPECT_NE(csv.find(";\"Cerrajero; 450 €\";Ana Ruiz;01/12/2026;;;Vencida;"
                       "\"Pedir presupuesto\r\nUrgente: con \"\"comillas\"\"\";;\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find(";Sin fecha;\"Línea 1\r\nLínea 2\";;\r\n"), std::string::npos);
    // 8 lines and two line breaks inside fields.
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    EXPECT_EQ(lines, 10u);
    EXPECT_EQ(csv.find('\n', csv.size() - 1), csv.size() - 1);
}

// A text that a spreadsheet would run as a formula is neutralised with an apostrophe, and no
// control byte but a line break reaches the file.
TEST(PlanCsv, FormulasAreNeutralisedAndControlBytesEscaped) {
    plan::ActionPlan plan;
    plan.asOfText = "11/04/2026";
    plan::PlanRow row;
    row.place = W("=HYPERLINK(\"http://x\";\"clic\") / Nave");
    row.questionnaire = "+34 600";
    row.deficiency = "-1";
    row.measure = "@SUM(A1)";
    row.resources = "\tpaso";
    row.responsible = "\rAna";
    row.comments = std::string("a\x1b[31mb\x07\x81 c\r\nd=e\0", 17);  // a NUL at the end
    row.doneBy = "Luis - Ana";
    plan.rows.push_back(row);
    const std::string csv = plan::PlanCsv(plan);
    const std::string heading = csv.substr(3, csv.find("\r\n") + 2 - 3);
    EXPECT_EQ(heading,
              "Nivel;Lugar;Cuestionario;Deficiencia;Medida;Recursos;Responsable;Fecha prevista;"
              "Fecha realización;Realizada por;Estado a 11/04/2026;Comentarios;Coste (€);Fotos\r\n");
    EXPECT_EQ(csv.substr(3 + heading.size()),
              "Sin valorar;\"'=HYPERLINK(\"\"http://x\"\";\"\"clic\"\") / Nave\";\"'+34 600\";\"'-1\";"
              "\"'@SUM(A1)\";\"'\\x09paso\";\"'\\x0dAna\";;;Luis - Ana;Sin medida;"
              "\"a\\x1b[31mb\\x07\\x81 c\r\nd=e\\x00\";;\r\n");
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
    EXPECT_NE(sheet.find("<autoFilter ref=\"A3:N10\"/>"), std::string::npos);
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

    // On paper: A4 landscape, one page wide, the heading row (3) at the top of every page.
    EXPECT_NE(sheet.find("<pageSetUpPr fitToPage=\"1\"/>"), std::string::npos);
    const std::string setup = sheet.substr(sheet.find("<pageSetup "), 80);
    for (const char* attribute : {"paperSize=\"9\"", "orientation=\"landscape\"", "fitToHeight=\"0\""})
        EXPECT_NE(setup.find(attribute), std::string::npos) << setup;
    EXPECT_NE(workbook.find("<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"0\">"
                            "'Plan de acción'!$3:$3</definedName>"),
              std::string::npos)
        << workbook;
}

// A cell over a spreadsheet's 32,767 characters was left out of the workbook, and the export
// said nothing: its first 32,767 characters, the last "…", and the cell named in a warning.
TEST_F(PlanDocument, AWorkbookCellTooLongIsShortenedAndNamed) {
    plan::ActionPlan plan = Plan();
    plan.rows[0].comments = std::string(40000, 'c');
    TempDir dir;
    const FilePath path = dir.File("plan.xlsx");
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_TRUE(plan::WritePlanXlsx(plan, path, &error, &warnings)) << error;
    EXPECT_EQ(warnings, std::vector<std::string>{"L4 (Comentarios): 40000 caracteres, acortado a 32767"});
    const std::string strings = ZipEntry(path, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find(">" + std::string(32766, 'c') + "…<"), std::string::npos);
    EXPECT_EQ(strings.find(std::string(32767, 'c')), std::string::npos);

    // Saved from the plan's window, the user is told which cells.
    port.files.push_back(dir.File("ventana.xlsx"));
    RecordingPdfSource pdf;
    ASSERT_TRUE(plan::SavePlan(plan, plan::Format::kXlsx, FilePath("doc.kl3"), port, pdf));
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(port.messages[0].find("32767") != std::string::npos &&
                port.messages[0].find("\nL4 (Comentarios): 40000 caracteres") != std::string::npos)
        << port.messages[0];
}

// A date before 1900 has no serial number in a spreadsheet: it goes as the text it is. A
// comment of two lines comes back from the shared strings with its line break and no CR.
TEST(PlanXlsx, DatesBefore1900AreTextsAndLineBreaksStay) {
    plan::ActionPlan plan;
    plan.asOfText = "11/04/2026";
    plan::PlanRow row;
    row.kind = 'R';
    row.state = plan::State::kPending;
    row.planned = {"31/12/1899", Date{1899, 12, 31}};
    row.done = {"02/01/1900", Date{1900, 1, 2}};
    row.comments = W("Línea 1\r\nLínea 2");
    plan.rows.push_back(row);
    TempDir dir;
    const FilePath path = dir.File("plan.xlsx");
    std::string error;
    ASSERT_TRUE(plan::WritePlanXlsx(plan, path, &error)) << error;
    const std::string sheet = ZipEntry(path, "xl/worksheets/sheet1.xml");
    const std::string strings = ZipEntry(path, "xl/sharedStrings.xml");
    EXPECT_TRUE(Cell(sheet, "H4").found);
    EXPECT_FALSE(Cell(sheet, "H4").number);
    EXPECT_NE(strings.find(">31/12/1899<"), std::string::npos);
    EXPECT_EQ(Cell(sheet, "I4").value, "2");
    EXPECT_TRUE(Cell(sheet, "I4").number);
    EXPECT_NE(strings.find("Línea 1\nLínea 2"), std::string::npos) << strings;
    EXPECT_EQ(strings.find('\r'), std::string::npos);
    EXPECT_EQ(strings.find("_x000D_"), std::string::npos);
    // The summary's headings count rows: plural, as the document's.
    for (const char* heading : {">Vencidas<", ">Pendientes<", ">Realizadas<"})
        EXPECT_NE(strings.find(heading), std::string::npos) << heading;
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

    // The level's cell in a tint of its colour (red 229, 57, 53 three fifths of the way to white);
    // the places without the firm's name, which heads every page.
    bool tinted = false;
    for (const auto& fill : canvas.Fills())
        tinted |= fill.rgb == 0xF4AFAE && fill.x <= first->x && first->x < fill.right && fill.y <= first->y &&
                  first->y < fill.bottom;
    EXPECT_TRUE(tinted);
    EXPECT_TRUE(canvas.FindText("Nave / Soldadura"));
    for (const auto& text : canvas.Texts())
        EXPECT_NE(text.text.rfind(W("Construcciones Ávila, S.L. /"), 0), 0u) << text.text;
}

TEST_F(PlanDocument, ExportsReplaceTheFileOnlyWhenTheyWorked) {
    TempDir dir;
    RecordingPdfSource pdf;
    const FilePath csv = dir.File("plan.csv");
    std::string error;
    ASSERT_TRUE(plan::ExportPlan(Plan(), plan::Format::kCsv, csv, pdf, &error)) << error;
    EXPECT_EQ(ReadFile(csv), plan::PlanCsv(Plan()));

    // A printer that refuses, or a file not written whole: a failure with the canvas's reason.
    const FilePath old = dir.File("plan.pdf");
    WriteFile(old, "old");
    pdf.refuse = true;
    EXPECT_FALSE(plan::ExportPlan(Plan(), plan::Format::kPdf, old, pdf, &error));
    EXPECT_EQ(error, "printer unavailable");
    pdf.refuse = false;
    pdf.failEnd = true;
    EXPECT_FALSE(plan::ExportPlan(Plan(), plan::Format::kPdf, old, pdf, &error));
    EXPECT_EQ(error, "disk full");
    EXPECT_EQ(ReadFile(old), "old");
    EXPECT_EQ(pdf.paths, (std::vector<FilePath>{old, old}));

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
