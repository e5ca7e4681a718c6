// kaldo --fichas run as a process on the example document, its PDF read back with pdftotext as
// the workers would read their sheets.
#include <gtest/gtest.h>

#include <map>

#include "pdf_words.h"
#include "program_run.h"
#include "temp_dir.h"
#include "text_checks.h"

namespace {

const FilePath kExample(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3");

// The words of each page joined by single blanks, so that a text wrapped over lines reads whole.
std::vector<std::string> PageTexts(const FilePath& pdf) {
    std::vector<std::string> pages;
    for (const PdfPage& page : PdfWords(pdf)) {
        std::string text;
        for (const PdfWord& word : page.words)
            text += (text.empty() ? "" : " ") + word.text;
        pages.push_back(text);
    }
    return pages;
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// The copies of the sheets: the pages from one "Ficha del puesto" title ("Página 1 de") to the
// next, as one text each, with the workstation its head names.
struct Copy {
    std::string workstation;
    std::string text;
};
std::vector<Copy> Copies(const FilePath& pdf) {
    std::vector<Copy> copies;
    for (const std::string& page : PageTexts(pdf)) {
        const std::string head = "Ficha del puesto: ";
        const std::size_t at = page.find(head);
        std::string workstation = at == std::string::npos ? "" : page.substr(at + head.size());
        workstation = workstation.substr(0, workstation.find(" Ficha del puesto"));
        if (Contains(page, "Página 1 de")) copies.push_back({workstation, ""});
        if (!copies.empty()) copies.back().text += page + " ";
    }
    return copies;
}

const char* const kSections[] = {
    "Riesgos de su puesto",         "Lo que se ha encontrado y lo que se va a hacer",
    "Medidas ya aplicadas",         "Equipos de protección individual",
    "Formación e información",      "Vigilancia de la salud",
    "He recibido esta información",
};

}  // namespace

TEST(SheetsCommand, TheExamplesSheetsReadBackWithTheirSectionsNamesAndCounts) {
    TempDir dir;
    const ProgramRun run =
        RunProgram({"--fichas", kExample, dir.File("fichas.pdf"), "--a-fecha", "25/03/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Copy> copies = Copies(dir.File("fichas.pdf"));
    // The pit mechanic without names, the welder's two workers, the storeman's three.
    ASSERT_EQ(copies.size(), 6u);
    const std::string workstations[] = {"Mecánico de foso", "Soldador",        "Soldador",
                                        "Mozo de almacén",  "Mozo de almacén", "Mozo de almacén"};
    for (std::size_t c = 0; c < copies.size(); ++c) {
        EXPECT_TRUE(copies[c].workstation.rfind(workstations[c], 0) == 0) << copies[c].workstation;
        for (const char* section : kSections)
            EXPECT_EQ(Occurrences(copies[c].text, section), 1) << workstations[c] << ": " << section;
        ExpectContainsAll(copies[c].text,
                          {"Empresa:", "Talleres Mecánicos del Valle, S.L.", "Fecha:", "25/03/2026"});
    }
    // One worker's name in each copy of the named workstations, under "Trabajador:" and to sign.
    const char* const names[] = {"Rubén Ortega Díaz", "Sara Gil Moreno", "Javier Sanz Pérez",
                                 "Lucía Martín Rey", "Pedro Alonso Gil"};
    for (std::size_t c = 1; c < copies.size(); ++c) {
        for (std::size_t n = 0; n < std::size(names); ++n)
            EXPECT_EQ(Occurrences(copies[c].text, names[n]), c == n + 1 ? 2 : 0) << c << " " << names[n];
        EXPECT_TRUE(Contains(copies[c].text, "Trabajador:"));
    }
    EXPECT_FALSE(Contains(copies[0].text, "Trabajador:"));

    // The risks: the workstation's questionnaires, its zone's and the firm's; what was found: the
    // workstation's deficiencies and its zone's, each with its level.
    struct Counts {
        const char* zone;
        int risks;
        int findings;
    };
    const std::map<std::string, Counts> counts = {
        {"Mecánico de foso", {"Nave de reparación", 3 + 3 + 1, 2 + 2}},
        {"Soldador", {"Nave de reparación", 3 + 3 + 1, 1 + 2}},
        {"Mozo de almacén", {"Almacén de recambios", 2 + 2 + 1, 1 + 0}},
    };
    for (std::size_t c : {0, 1, 3}) {
        const Counts& expected = counts.at(workstations[c]);
        const std::string& text = copies[c].text;
        // A risk is "questionnaire (place): result"; a finding's place has no colon after it.
        EXPECT_EQ(Occurrences(text, "(Su puesto):") +
                      Occurrences(text, std::string("(Zona: ") + expected.zone + "):") +
                      Occurrences(text, "(Toda la empresa):"),
                  expected.risks)
            << workstations[c];
        EXPECT_EQ(Occurrences(text, "Gravedad:"), expected.findings) << workstations[c];
        EXPECT_EQ(Occurrences(text, "(Toda la empresa):"), 1) << workstations[c];
    }
    ExpectContainsAll(copies[0].text,
                      {"Crítico: se corrige de inmediato", "(Vencida, 20/03/2026)", "(Realizada, 17/03/2026)",
                       "Calzado de seguridad con puntera", "Protocolo de manipulación manual de cargas"});
    ExpectContainsAll(copies[1].text,
                      {"Pantalla de soldador con filtro DIN 11", "Soldadura por arco: radiaciones y humos",
                       "Protocolo de radiaciones no ionizantes"});
    ExpectContainsAll(copies[3].text, {"(Realizada, 19/03/2026)", "Orden y apilado seguro en estanterías"});
}

TEST(SheetsCommand, OneWorkstationByItsLineOnItsOwn) {
    TempDir dir;
    // The welder is line 22 of the example.
    const ProgramRun run = RunProgram({"--fichas", kExample, dir.File("soldador.pdf"), "--puesto", "22"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Copy> copies = Copies(dir.File("soldador.pdf"));
    ASSERT_EQ(copies.size(), 2u);
    for (const Copy& copy : copies)
        EXPECT_EQ(copy.workstation.rfind("Soldador", 0), 0u) << copy.workstation;
    // The options in either order.
    const ProgramRun both =
        RunProgram({"--fichas", kExample, dir.File("mozo.pdf"), "--puesto", "31", "--a-fecha", "15/03/2026"});
    ASSERT_EQ(both.status, 0) << both.err;
    const std::vector<Copy> storeman = Copies(dir.File("mozo.pdf"));
    ASSERT_EQ(storeman.size(), 3u);
    EXPECT_TRUE(Contains(storeman[0].text, "15/03/2026"));
    EXPECT_FALSE(Contains(storeman[0].text, "25/03/2026"));
}

TEST(SheetsCommand, ErrorsInSpanishAndTheOldFileKept) {
    TempDir dir;
    const FilePath out = dir.File("fichas.pdf");
    WriteFile(out, "antiguo");
    WriteFile(dir.File("sin-puestos.kl3"), "1\t0\tE\tEmpresa\r\n2\t1\tZ\tNave\r\n");
    ExpectFailures({
        {{"--fichas", kExample, out, "--a-fecha", "31/02/2026"}, 3, "Fecha errónea: 31/02/2026"},
        {{"--fichas", kExample, out, "--puesto", "5"},
         3,
         "La línea 5 del documento no es un puesto de trabajo."},
        {{"--fichas", kExample, out, "--puesto", "cinco"}, 3, "Número de línea erróneo: cinco"},
        {{"--fichas", kExample, out, "--puesto", "22", "--puesto", "31"},
         3,
         "Uso: kaldo --fichas DOC SALIDA.pdf [--a-fecha DD/MM/AAAA] [--puesto N]"},
        {{"--fichas", kExample}, 3, "Uso: kaldo --fichas"},
        {{"--fichas", dir.File("sin-puestos.kl3"), out},
         3,
         "El documento no tiene ningún puesto de trabajo."},
        {{"--fichas", dir.File("no-existe.kl3"), out}, 2, "No existe el archivo"},
        {{"--fichas", kExample, dir.File("no/fichas.pdf")},
         2,
         "No se pueden escribir las fichas de los puestos: "},
    });
    EXPECT_EQ(ReadFile(out), "antiguo");
}
