#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "pdf_words.h"
#include "program_run.h"
#include "temp_dir.h"
#include "text_checks.h"

namespace {

int PdfPages(const FilePath& pdf) {
    std::smatch match;
    const std::string info = PdfInfo(pdf);
    return std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(match[1]) : -1;
}

std::string PdfTitle(const FilePath& pdf) {
    std::smatch match;
    const std::string info = PdfInfo(pdf);
    return std::regex_search(info, match, std::regex(R"(Title:\s+([^\n]*))")) ? std::string(match[1]) : "";
}

}  // namespace

TEST(PrintPdf, PrintsTheWholeDocumentThroughThePrinterCanvas) {
    TempDir dir;
    const ProgramRun run = RunProgram({"--imprimir-pdf", TestData("taller.kl3"), dir.File("informe.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfLayoutText(dir.File("informe.pdf"));
    ExpectContainsAll(
        text, {"Talleres Hermanos Pérez, S.L.", "00.- Gestión Preventiva", "Nave de reparación",
               "Mecánico de elevador", "Deficiencia detectada: No hay plan de prevención escrito",
               "Nivel de intervención: A Corregir", "Nivel de intervención: Crítico",
               "Medida específica: Entregar guantes", "Se observan cortes recientes", "Administrativa"});
    EXPECT_FALSE(Contains(text, "Nivel de intervención: A mejorar\n          Medida específica: Redactar"));
    EXPECT_EQ(PdfPages(dir.File("informe.pdf")), 2);
    EXPECT_EQ(PdfTitle(dir.File("informe.pdf")), "Informe");
}

TEST(BlankQuestionnairePdf, PrintsQuestionnaire05WithItsItemsOnSeveralPages) {
    TempDir dir;
    const ProgramRun run = RunProgram({"--cuestionario-pdf", "05", dir.File("q05.pdf"), "Almacén"});
    ASSERT_EQ(run.status, 0) << run.err;
    const FilePath pdf = dir.File("q05.pdf");
    const std::string text = PdfLayoutText(pdf);
    ExpectContainsAll(
        text, {"CONDICIONES DE SEGURIDAD", "05.- Manipulación de objetos", "Personas afectadas: ______",
               "Área de trabajo: Almacén", "Cumplimentado por:", "Fecha P.R.:", "1.- ¿Se almacenan", "16.- ",
               "SI", "NO", "05.- Manipulación de objetos<2>"});
    EXPECT_FALSE(Contains(text, "<1>"));
    const int pages = PdfPages(pdf);
    EXPECT_GE(pages, 2);
    EXPECT_TRUE(Contains(text, "<" + std::to_string(pages) + ">"));
    EXPECT_EQ(PdfTitle(pdf), "Imp.Cuest. 5");
}

TEST(BlankQuestionnairePdf, ANumberOutsideTheCataloguePrintsTheHeaderAlone) {
    TempDir dir;
    const ProgramRun run = RunProgram({"--cuestionario-pdf", "30", dir.File("q30.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfLayoutText(dir.File("q30.pdf"));
    EXPECT_TRUE(Contains(text, "NÚMERO DE CUESTIONARIO ERRÓNEO"));
    EXPECT_TRUE(Contains(text, "Área de trabajo: ___________________________________"));
    EXPECT_FALSE(Contains(text, "SI"));
    EXPECT_EQ(PdfPages(dir.File("q30.pdf")), 1);
}

TEST(BlankQuestionnairePdf, RefusesWhatIsNotANumberAndReportsAnUnwritableFile) {
    TempDir dir;
    EXPECT_EQ(RunProgram({"--cuestionario-pdf", "cinco", dir.File("q.pdf")}).status, 3);
    EXPECT_FALSE(std::filesystem::exists(dir.File("q.pdf").Utf8()));
    const ProgramRun run = RunProgram({"--cuestionario-pdf", "05", dir.File("no/such/q.pdf")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(Contains(run.err, "no/such/q.pdf")) << run.err;
}

TEST(TextReportOption, WritesInformeTxtInTheWorkingFolderOrTheGivenFile) {
    TempDir dir;
    const ProgramRun inFolder = RunProgram({"--informe", TestData("taller.kl3")}, dir.path());
    ASSERT_EQ(inFolder.status, 0) << inFolder.err;
    const std::string report = ReadFile(dir.File("Informe.txt"));
    const std::string start =
        " Talleres Hermanos P\xe9rez, S.L.\r\n"
        " (Taller de reparaci\xf3n de veh\xed"
        "culos\r\n"
        "Pol\xedgono Las Eras, nave 7)\r\n"
        " Fecha Prevista:12/01/2026 por <Ana Mart\xedn>\r\n";
    EXPECT_EQ(report.substr(0, start.size()), start);
    EXPECT_TRUE(Contains(report, "\r\n Nave de reparaci\xf3n\r\n"));
    EXPECT_TRUE(Contains(report, "\r\n  Mec\xe1nico de elevador\r\n"));
    ASSERT_EQ(RunProgram({"--informe", TestData("taller.kl3"), dir.File("otro.txt")}).status, 0);
    EXPECT_EQ(ReadFile(dir.File("otro.txt")), report);
}

TEST(ExportOption, ExportsTheFirmsBranch) {
    TempDir dir;
    ASSERT_EQ(RunProgram({"--exportar", TestData("taller.kl3"), dir.File("rama.txt")}).status, 0);
    const std::string exported = ReadFile(dir.File("rama.txt"));
    EXPECT_EQ(exported.rfind("1\t\t\tTalleres Hermanos P\xe9rez, S.L.\t", 0), 0u);
    EXPECT_TRUE(Contains(exported, "\r\n5\t\t\t\tNave de reparaci\xf3n\t"));
    EXPECT_TRUE(Contains(exported, "\r\n6\t\t\t\t\tMec\xe1nico de elevador\t"));
    EXPECT_TRUE(Contains(exported, "cambiar piezas.~~Se observan"));
    EXPECT_EQ(RunProgram({"--exportar", TestData("missing.kl3"), dir.File("x.txt")}).status, 2);
}
