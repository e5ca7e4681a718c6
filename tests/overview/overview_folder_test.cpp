#include <regex>
#include <sstream>

#include "cp1252.h"
#include "file_io.h"
#include "fixed_dates.h"
#include "overview_csv.h"
#include "overview_export.h"
#include "overview_folder.h"
#include "overview_table.h"
#include "overview_xlsx.h"
#include "program_run.h"
#include "text_checks.h"

namespace {

std::vector<std::string> Lines(const std::string& csv) {
    std::vector<std::string> lines;
    std::size_t at = csv.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    for (std::size_t end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(csv.substr(at, end - at));
    return lines;
}

std::string ZipEntry(const FilePath& zip, const std::string& entry) {
    return ToolOutput("unzip", {"-p", zip, entry});
}

// A cell's value in a sheet's XML and its style index ("" when it has none).
struct XlsxCell {
    bool found = false;
    bool number = false;
    std::string style;
    std::string value;
};
XlsxCell Cell(const std::string& sheet, const std::string& ref) {
    std::smatch match;
    if (!std::regex_search(sheet, match, std::regex("<c r=\"" + ref + "\"([^>]*)><v>([^<]*)</v></c>"))) return {};
    std::smatch style;
    const std::string attributes = match[1];
    std::regex_search(attributes, style, std::regex("s=\"([0-9]+)\""));
    return {true, attributes.find("t=\"s\"") == std::string::npos, style.size() > 1 ? style[1].str() : "", match[2]};
}

const char* const kHeading =
    "Empresa;NIF/CIF;Archivo;Fecha de evaluación;Próxima revisión;Crítico;A corregir;A mejorar;"
    "No imprescindible;Sin valorar;Medidas vencidas;Pendientes;Realizadas;Puntos pendientes;Modificado;"
    "Observaciones";

}  // namespace

TEST_F(OverviewFolder, ListsTheDocumentsOfTheFolderAndWithSubfoldersThoseBelow) {
    std::string error;
    const auto top = overview::ListDocuments(dir.path(), false, &error);
    ASSERT_TRUE(top) << error;
    std::vector<std::string> names;
    for (const auto& found : *top)
        names.push_back(found.relative);
    EXPECT_EQ(names, (std::vector<std::string>{"avisos.kl3", "bloqueado.kl3", "critico.kl3", "danado.kl3",
                                               "no-documento.kl3", "revision-pasada.kl3", "revision-proxima.kl3",
                                               "vencidas.kl3"}));
    const auto all = overview::ListDocuments(dir.path(), true, &error);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 9u);
    EXPECT_EQ((*all)[7].relative, "subcarpeta/almacen.kl3");
    EXPECT_EQ((*all)[7].path, dir.File("subcarpeta/almacen.kl3"));

    EXPECT_FALSE(overview::ListDocuments(dir.File("no-existe"), true, &error));
    EXPECT_TRUE(Contains(error, "no-existe")) << error;
    EXPECT_FALSE(overview::ListDocuments(dir.File("critico.kl3"), true, &error));
}

// A cell as the CSV writes it: quoted when it holds the separator.
std::string CsvCell(const std::string& text) {
    return text.find(';') == std::string::npos ? text : '"' + text + '"';
}

TEST_F(OverviewFolder, CsvHasARowPerDocumentWithItsFiguresOrWhyItCannotBeReadAndTheTotals) {
    FixedDates dates;
    const std::vector<std::string> lines = Lines(overview::OverviewCsv(Read(true), dates));
    const std::vector<std::string> expected = {
        kHeading,
        "Frutas Vega;B55555555;avisos.kl3;;;0;0;0;0;0;0;0;0;4;01/12/2026 14:05;1 aviso al leerlo",
        ";;bloqueado.kl3;;;;;;;;;;;;01/12/2026 14:05;" + CsvCell(kUnreadableFileReason),
        "Carpintería Ruiz;B11111111;critico.kl3;10/02/2026;10/02/2028;1;0;1;0;0;0;0;1;5;01/12/2026 14:05;",
        ";;danado.kl3;;;;;;;;;;;;01/12/2026 14:05;Fichero erróneo",
        ";;no-documento.kl3;;;;;;;;;;;;01/12/2026 14:05;Fichero erróneo",
        "Panadería Sol;B33333333;revision-pasada.kl3;01/12/2025;01/12/2026;0;0;0;0;0;0;0;0;3;01/12/2026 14:05;",
        "Gestoría Luna;B44444444;revision-proxima.kl3;15/01/2026;31/12/2026;0;0;0;0;0;0;0;0;2;01/12/2026 14:05;",
        "Almacenes Río;B66666666;subcarpeta/almacen.kl3;05/05/2026;;1;0;0;0;0;1;0;0;6;01/12/2026 14:05;",
        "Talleres del Norte;A22222222;vencidas.kl3;;;0;1;0;1;1;2;2;0;18;01/12/2026 14:05;",
        "Total: 9 documentos;;;;;2;1;1;1;1;3;2;1;38;;3 no se pueden leer",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(OverviewFolder, WithoutSubfoldersTheFirmBelowIsLeftOut) {
    const overview::Overview o = Read(false);
    const overview::Totals totals = overview::Sum(o.documents);
    EXPECT_EQ(totals.documents, 8);
    EXPECT_EQ(totals.Of(overview::Column::kCritical), 1);
    EXPECT_EQ(totals.Of(overview::Column::kOverdue), 2);
    // Each readable document's gaps, counted by hand from its lines: 4 + 5 + 3 + 2 + 18.
    EXPECT_EQ(totals.Of(overview::Column::kPendingPoints), 32);
}

TEST_F(OverviewFolder, WorkbookHasTheRowsDatesColoursTotalsAndEveryOverdueMeasure) {
    FixedDates dates;
    const FilePath path = dir.File("resumen.xlsx");
    std::string error;
    ASSERT_TRUE(overview::ExportOverview(Read(true), overview::Format::kXlsx, dates, path, &error)) << error;

    const std::string workbook = ZipEntry(path, "xl/workbook.xml");
    EXPECT_TRUE(Contains(workbook, "name=\"Resumen\"")) << workbook;
    EXPECT_TRUE(Contains(workbook, "name=\"Medidas vencidas\""));

    const std::string sheet = ZipEntry(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(std::regex_search(sheet, std::regex("<pane ySplit=\"2\" topLeftCell=\"A3\"[^>]*state=\"frozen\"")));
    // The heading (row 2) and the nine documents; the total row 12 is outside the filter.
    EXPECT_TRUE(Contains(sheet, "<autoFilter ref=\"A2:P11\"/>")) << sheet.substr(0, 800);
    // critico.kl3 (row 5): its evaluation as a date, one critical finding as a number.
    EXPECT_EQ(Cell(sheet, "D5").value, "46063");
    EXPECT_TRUE(Cell(sheet, "D5").number);
    EXPECT_EQ(Cell(sheet, "F5").value, "1");
    EXPECT_TRUE(Cell(sheet, "F5").number);
    // The review passed (row 8), due soon (row 9) and far off (row 5) each have their own style.
    const std::string passed = Cell(sheet, "E8").style, soon = Cell(sheet, "E9").style;
    EXPECT_EQ(Cell(sheet, "E8").value, "46357");
    EXPECT_NE(passed, soon);
    EXPECT_NE(passed, Cell(sheet, "E5").style);
    EXPECT_NE(soon, Cell(sheet, "E5").style);
    const std::string styles = ZipEntry(path, "xl/styles.xml");
    EXPECT_TRUE(Contains(styles, "FFE53935"));
    EXPECT_TRUE(Contains(styles, "FFFFB300"));
    EXPECT_TRUE(Contains(styles, "formatCode=\"dd/mm/yyyy hh:mm\""));
    // The modification time as a date with the hour: 01/12/2026 14:05.
    EXPECT_TRUE(Cell(sheet, "O5").number);
    EXPECT_EQ(Cell(sheet, "O5").value.substr(0, 8), "46357.58");
    // The totals: 2 critical, 3 overdue.
    EXPECT_EQ(Cell(sheet, "F12").value, "2");
    EXPECT_EQ(Cell(sheet, "K12").value, "3");
    const std::string strings = ZipEntry(path, "xl/sharedStrings.xml");
    ExpectContainsAll(strings, {"Total: 9 documentos", "3 no se pueden leer", kUnreadableFileReason,
                                "Fichero erróneo", "1 aviso al leerlo", "Carpintería Ruiz"});

    // Medidas vencidas: the three overdue measures, in the folder's order, then the plan's.
    const std::string overdue = ZipEntry(path, "xl/worksheets/sheet2.xml");
    EXPECT_TRUE(Contains(overdue, "<autoFilter ref=\"A2:F5\"/>")) << overdue.substr(0, 800);
    EXPECT_EQ(Cell(overdue, "E3").value, "46356");  // 30/11/2026
    EXPECT_EQ(Cell(overdue, "F3").value, "8");
    EXPECT_EQ(Cell(overdue, "E4").value, "46327");  // 01/11/2026
    EXPECT_EQ(Cell(overdue, "F4").value, "37");
    EXPECT_EQ(Cell(overdue, "F5").value, "1");
    ExpectContainsAll(strings, {"Almacenes Río", "Revisar la carretilla", "Pedro Sanz", "Talleres del Norte / Nave",
                                "Instalar barandilla", "Señalizar el paso", "Días de retraso"});
    EXPECT_FALSE(Contains(strings, "Revisar peldaños")) << "a pending measure is not overdue";
}

TEST_F(OverviewFolder, ReadingLeavesEveryDocumentAsItWas) {
    const std::string before = ReadFile(dir.File("vencidas.kl3"));
    const auto time = std::filesystem::last_write_time(dir.File("vencidas.kl3").Utf8());
    Read(true, 4);
    EXPECT_EQ(ReadFile(dir.File("vencidas.kl3")), before);
    EXPECT_EQ(std::filesystem::last_write_time(dir.File("vencidas.kl3").Utf8()), time);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::recursive_directory_iterator(dir.path().Utf8()))
        ++entries;
    EXPECT_EQ(entries, 11u) << "no file is added beside the documents";
}

TEST_F(OverviewFolder, ManyThreadsGiveTheSameRowsAsOne) {
    FixedDates dates;
    EXPECT_EQ(overview::OverviewCsv(Read(true, 8), dates), overview::OverviewCsv(Read(true, 1), dates));
}

TEST_F(OverviewFolder, CancelledReadingStopsAndReportsNothingMore) {
    std::string error;
    const auto found = overview::ListDocuments(dir.path(), true, &error);
    ASSERT_TRUE(found);
    std::atomic<bool> cancel{false};
    int reported = 0;
    overview::ReadDocuments(*found, format, asOf, 1,
                            [&](std::size_t, overview::DocumentFigures&&) {
                                ++reported;
                                if (reported == 3) cancel = true;
                            },
                            cancel);
    EXPECT_EQ(reported, 3);

    std::vector<std::size_t> indexes;
    std::atomic<bool> never{false};
    overview::ReadDocuments(*found, format, asOf, 3,
                            [&](std::size_t i, overview::DocumentFigures&&) { indexes.push_back(i); }, never);
    std::sort(indexes.begin(), indexes.end());
    EXPECT_EQ(indexes, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8})) << "each document once";
}

TEST_F(OverviewFolder, ExportsAreWholeOrNotWritten) {
    FixedDates dates;
    const overview::Overview o = Read(true);
    const FilePath csv = dir.File("resumen.csv");
    WriteFile(csv, "anterior");
    std::string error;
    EXPECT_FALSE(overview::ExportOverview(o, overview::Format::kCsv, dates, dir.File("falta/resumen.csv"), &error));
    EXPECT_TRUE(Contains(error, "falta/resumen.csv")) << error;
    EXPECT_FALSE(overview::ExportOverview(o, overview::Format::kXlsx, dates, dir.File("falta/r.xlsx"), &error));
    ASSERT_TRUE(overview::ExportOverview(o, overview::Format::kCsv, dates, csv, &error)) << error;
    EXPECT_EQ(Lines(ReadFile(csv)).size(), 11u);

    EXPECT_EQ(overview::FormatOf(FilePath("a/RESUMEN.XLSX")), overview::Format::kXlsx);
    EXPECT_EQ(overview::FormatOf(FilePath("resumen.csv")), overview::Format::kCsv);
    EXPECT_EQ(overview::FormatOf(FilePath("resumen.pdf")), std::nullopt);
}
