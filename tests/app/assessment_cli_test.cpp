// kaldo --evaluacion-pdf run as a process, its PDF read back with pdftotext as the labour
// inspector would read it.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "cp1252.h"
#include "file_io.h"
#include "numbered_lines.h"
#include "pdf_words.h"
#include "program_run.h"
#include "temp_dir.h"
#include "text_checks.h"

namespace {

// The PDF's text in reading order, every run of blanks and line ends as one blank, so that a
// text wrapped over two lines reads as it was written.
std::string PdfText(const FilePath& pdf) {
    std::string out;
    for (const char c : ToolOutput("pdftotext", {"-raw", pdf, "-"})) {
        const bool blank = c == ' ' || c == '\n' || c == '\f';
        if (!blank || (!out.empty() && out.back() != ' ')) out += blank ? ' ' : c;
    }
    return out;
}

std::string Padded(int n) {
    std::string digits = std::to_string(n);
    return std::string(4 - digits.size(), '0') + digits;
}

// A document of 1024 lines: the firm with its data, zones of three workstations, each with a
// questionnaire of three deficiencies ("Ítem D0001" ...) and a measure under each ("Medida
// M0001" ...), every level in turn. levels counts the deficiencies of each level, the last
// being those without one.
std::string FullDocument(int& deficiencies, int& measures, std::array<int, 5>& levels) {
    NumberedLines lines;
    lines.Add(0,
              "E\tTalleres del Norte S.L.\t\t02/03/2026\tMarta\t\t\t\tB12345678\t10000000000000000000000\t"
              "Avenida de la Industria 4, 24001 León\t2562 Ingeniería mecánica por cuenta de terceros\t"
              "Marta Gómez\ttrabajadores=57; modalidad=propio; revision=02/03/2027");
    const char* codes[] = {"00000", "12111", "22332", "33332", ""};
    deficiencies = measures = 0;
    levels = {};
    while (lines.Count() < 1024) {
        const int zone = lines.Add(1, "Z\tNave " + std::to_string(lines.Count()));
        for (int p = 0; p < 3 && lines.Count() < 1024; ++p) {
            const int post = lines.Add(
                zone, "P\tPuesto " + std::to_string(lines.Count()) + "\t\t\t\t\t\t\t\t\t\t\t\t\texpuestos=3");
            const int q = lines.Add(post, "C\t02.- Máquinas\tAgentes: humos\t20/03/2026\t\t\t\t\t\t3");
            for (int d = 0; d < 3 && lines.Count() < 1024; ++d) {
                const int k = deficiencies++;
                ++levels[k % 5];
                const int def =
                    lines.Add(q, "D\t" + std::to_string(d + 1) + ". Ítem D" + Padded(deficiencies) +
                                     " de la máquina\tInstale resguardos.\t\t\t\t\t\t" + codes[k % 5] +
                                     "\t\tFalta resguardo");
                if (lines.Count() < 1024) {
                    ++measures;
                    lines.Add(def, "R\tMedida M" + Padded(measures) + " regulable\t\t" +
                                       std::to_string(1 + k % 28) +
                                       "/04/2026\tPedro\t\t\t\t\t\t\t\tResguardo; 300 €");
                }
            }
        }
    }
    return W(lines.Bytes());
}

}  // namespace

TEST(AssessmentCommand, TheExampleReadsBackWithItsFirmDataDeficienciesAndMeasures) {
    TempDir dir;
    const FilePath pdf = dir.File("evaluacion.pdf");
    const ProgramRun run =
        RunProgram({"--evaluacion-pdf", FilePath(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3"), pdf,
                    "--a-fecha", "25/03/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfText(pdf);
    ExpectContainsAll(
        text,
        {"Evaluación de riesgos laborales", "Talleres Mecánicos del Valle, S.L.", "NIF/CIF: B47123456",
         "Polígono Las Eras, nave 14. 47151 Boecillo (Valladolid)",
         "4520 Mantenimiento y reparación de vehículos de motor", "N.º de trabajadores: 14",
         "Modalidad preventiva: Servicio de prevención ajeno", "Próxima revisión: 16/03/2027",
         "Fecha del documento: 25/03/2026", "Trabajadores expuestos: 6",
         // Every deficiency's item and every measure of the example.
         "2. ¿Existe un plan de prevención de riesgos laborales por escrito",
         "3. ¿Están protegidas con tapas resistentes", "1. ¿Se ha evaluado la exposición al ruido",
         "2. ¿Están las herramientas en buen estado", "2. ¿Se evita la manipulación manual de cargas",
         "1. ¿Se han identificado las fuentes de radiación óptica artificial",
         "1. ¿Se almacenan los materiales",
         "Redactar el plan de prevención y aprobarlo en la reunión de dirección",
         "Instalar barandilla desmontable y tapa de rejilla en el foso",
         "Señalizar el borde del foso con franjas amarillas y negras",
         "Encargar la medición del ruido al servicio de prevención ajeno",
         "Sustituir las llaves desgastadas y colocar un panel portaherramientas",
         "Adquirir un carro elevador de ruedas", "Reponer la cortina inactínica del puesto de soldadura",
         "Colocar los neumáticos en la estantería metálica y limitar las pilas a 1,5 m",
         "Recursos: Metalúrgica Ruiz; 1.850 € más IVA",
         // The counts per level, in the chart's legend.
         "Crítico: 2", "A corregir: 3", "A mejorar: 1", "No imprescindible: 1", "Sin valorar: 0",
         "Firma del evaluador", "Página 1 de"});
    const std::string info = PdfInfo(pdf);
    EXPECT_TRUE(Contains(info, "595 x 842 pts (A4)")) << "portrait A4: " << info;
}

// The largest document there is: every deficiency and measure is in the PDF, with the right
// counts, and no word comes closer than 10 mm to the paper's edge (the printer keeps 8).
TEST(AssessmentCommand, AFullDocumentIsAllThereAndInsideThePaper) {
    TempDir dir;
    int deficiencies = 0, measures = 0;
    std::array<int, 5> levels{};
    WriteFile(dir.File("lleno.kl3"), FullDocument(deficiencies, measures, levels));
    const FilePath pdf = dir.File("lleno.pdf");
    const ProgramRun run =
        RunProgram({"--evaluacion-pdf", dir.File("lleno.kl3"), pdf, "--a-fecha", "01/04/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_GT(deficiencies, 300);

    const std::vector<PdfPage> pages = PdfWords(pdf);
    ASSERT_GT(pages.size(), 20u);
    EXPECT_EQ(WordsNearTheEdges(pages, 10), std::vector<std::string>());
    std::set<std::string> words;
    for (const PdfPage& page : pages)
        for (const PdfWord& word : page.words)
            words.insert(word.text);
    for (int k = 1; k <= deficiencies; ++k)
        EXPECT_TRUE(words.count("D" + Padded(k))) << "deficiency " << k;
    for (int k = 1; k <= measures; ++k)
        EXPECT_TRUE(words.count("M" + Padded(k))) << "measure " << k;

    const std::string text = PdfText(pdf);
    ExpectContainsAll(text, {"B12345678", "Avenida de la Industria 4, 24001 León", "N.º de trabajadores: 57",
                             "Servicio de prevención propio"});
    const char* names[] = {
        "Crítico: ", "A corregir: ", "A mejorar: ", "No imprescindible: ", "Sin valorar: "};
    for (int l = 0; l < 5; ++l)
        EXPECT_TRUE(Contains(text, names[l] + std::to_string(levels[l]))) << names[l] << levels[l];
    EXPECT_TRUE(
        Contains(text, "Página " + std::to_string(pages.size()) + " de " + std::to_string(pages.size())));
}

// A document with every field that the firm's data and the measures' resources add: it reads
// and saves back byte for byte, and its data reach the document.
TEST(AssessmentCommand, ADocumentWithEveryNewFieldSavesBackAsItWasAndShowsThem) {
    TempDir dir;
    const ProgramRun normalized =
        RunProgram({"--normalizar", TestData("evaluacion.kl3"), dir.File("out.kl3")});
    ASSERT_EQ(normalized.status, 0) << normalized.err;
    EXPECT_EQ(normalized.err, "");
    EXPECT_EQ(ReadFile(dir.File("out.kl3")), ReadFile(TestData("evaluacion.kl3")));

    const ProgramRun run = RunProgram({"--evaluacion-pdf", TestData("evaluacion.kl3"), dir.File("e.pdf")});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfText(dir.File("e.pdf"));
    ExpectContainsAll(
        text, {"B05123456", "C/ Toledo 12, 05001 Ávila", "4120 Construcción de edificios",
               "N.º de trabajadores: 23", "Servicio de prevención mancomunado",
               "Marta Gómez, técnico superior en prevención", "02/03/2027", "Trabajadores expuestos: 4",
               "Recursos: Cerrajero; 450 €", "Consultora externa; 600 €"});
}

TEST(AssessmentCommand, ErrorsInSpanishAndTheOldFileKept) {
    TempDir dir;
    const FilePath out = dir.File("evaluacion.pdf");
    WriteFile(out, "antiguo");
    WriteFile(dir.File("blanco.kl3"), "\r\n\r\n");
    ExpectFailures({
        {{"--evaluacion-pdf", TestData("plan.kl3"), out, "--a-fecha", "31/02/2026"},
         3,
         "Fecha errónea: 31/02/2026"},
        {{"--evaluacion-pdf", TestData("plan.kl3"), out, "--fecha", "01/02/2026"},
         3,
         "Uso: kaldo --evaluacion-pdf DOC SALIDA.pdf [--a-fecha DD/MM/AAAA]"},
        {{"--evaluacion-pdf", TestData("plan.kl3")}, 3, "Uso: kaldo --evaluacion-pdf"},
        // A PDF under another name is refused, as --plan refuses it.
        {{"--evaluacion-pdf", TestData("plan.kl3"), dir.File("evaluacion.txt")}, 3, "Formato desconocido"},
        {{"--evaluacion-pdf", "--a-fecha", "10/03/2026", TestData("plan.kl3"), out},
         3,
         "La opción --a-fecha va detrás de DOC y SALIDA"},
        {{"--evaluacion-pdf", dir.File("no-existe.kl3"), out}, 2, "No existe el archivo"},
        {{"--evaluacion-pdf", dir.File("blanco.kl3"), out}, 1, ""},
        {{"--evaluacion-pdf", TestData("plan.kl3"), dir.File("no/evaluacion.pdf")},
         2,
         "No se puede escribir el informe de evaluación: "},
    });
    EXPECT_EQ(ReadFile(out), "antiguo");
    EXPECT_FALSE(file_io::Exists(dir.File("evaluacion.txt")));
}
