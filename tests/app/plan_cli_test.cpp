#include <gtest/gtest.h>

#include "pdf_words.h"
#include "program_run.h"
#include "temp_dir.h"
#include "text_checks.h"

// tests/data/plan.kl3 on 8 December 2026, worked out by hand: Crítico first (overdue on 01/12,
// then due on the day itself), A corregir (the deficiency without measure and the measure whose
// planned date is no date, both undated, in the file's order), A mejorar (done), No
// imprescindible (overdue) and the deficiency without level last.
TEST(PlanCommand, CsvOfAHandWrittenDocument) {
    TempDir dir;
    const ProgramRun run =
        RunProgram({"--plan", TestData("plan.kl3"), dir.File("plan.csv"), "--a-fecha", "08/12/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string place = "Construcciones Ávila, S.L. / Nave / Soldadura;01.- Lugares de trabajo;";
    EXPECT_EQ(
        ReadFile(dir.File("plan.csv")),
        "\xEF\xBB\xBF"
        "Nivel;Lugar;Cuestionario;Deficiencia;Medida;Recursos;Responsable;Fecha prevista;"
        "Fecha realización;Realizada por;Estado a 08/12/2026;Comentarios;Coste (€);Fotos\r\n"
        "Crítico;" +
            place +
            "5. ¿Están protegidas las escaleras? — Escalera sin barandilla;"
            "Instalar barandilla;\"Cerrajero; 450 €\";Ana Ruiz;01/12/2026;;;Vencida;"
            "\"Pedir presupuesto\r\nUrgente: con \"\"comillas\"\"\";;\r\n"
            "Crítico;" +
            place +
            "5. ¿Están protegidas las escaleras? — Escalera sin barandilla;"
            "Señalizar el paso;;Ana Ruiz;08/12/2026;;;Pendiente;;;\r\n"
            "A corregir;Construcciones Ávila, S.L.;00.- Gestión Preventiva;"
            "1. ¿Existe una política de prevención? — No hay política escrita;;;;;;;Sin medida;;;\r\n"
            "A corregir;" +
            place +
            "11. ¿Son seguros los suelos?;Reparar el suelo;;Ana Ruiz;pronto;;;"
            "Sin fecha;;;\r\n"
            "A mejorar;" +
            place +
            "7. ¿Es suficiente la iluminación?;Cambiar luminarias;;Luis Gómez;"
            "15/01/2027;20/11/2026;Luis Gómez;Realizada;Hecho antes de plazo;;\r\n"
            "No imprescindible;Construcciones Ávila, S.L.;02.- Máquinas;"
            "3. ¿Tienen resguardos? — Torno sin resguardo;Colocar resguardo;;Pedro;30/11/2026;;;Vencida;;;\r\n"
            "Sin valorar;" +
            place +
            "9. ¿Están ordenados los pasillos? — Cables por el suelo;"
            "Recoger cables;;;;;;Sin fecha;\"Línea 1\r\nLínea 2\";;\r\n");
}

// The example's two measures done on 17/03 and 19/03/2026: still to be done on the 10th (one
// planned for the 17th, one for the 20th), done on the 20th.
TEST(PlanCommand, MeasuresDoneLaterAreNotDoneOnAnEarlierDate) {
    TempDir dir;
    auto done = [&dir](const char* asOf) {
        const ProgramRun run =
            RunProgram({"--plan", FilePath(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3"),
                        dir.File("p.csv"), "--a-fecha", asOf});
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string csv = ReadFile(dir.File("p.csv"));
        int n = 0;
        for (std::size_t at = 0; (at = csv.find(";Realizada;", at)) != std::string::npos; ++at)
            ++n;
        return n;
    };
    EXPECT_EQ(done("10/03/2026"), 0);
    EXPECT_EQ(done("18/03/2026"), 1);
    EXPECT_EQ(done("20/03/2026"), 2);
}

TEST(PlanCommand, WorkbookAndPdfByTheExtension) {
    TempDir dir;
    for (const char* name : {"plan.XLSX", "plan.pdf"}) {
        const ProgramRun run =
            RunProgram({"--plan", TestData("plan.kl3"), dir.File(name), "--a-fecha", "9/12/2026"});
        ASSERT_EQ(run.status, 0) << name << run.err;
    }
    // A real workbook: a zip whose first sheet is the plan.
    EXPECT_TRUE(Contains(ToolOutput("unzip", {"-p", dir.File("plan.XLSX"), "xl/workbook.xml"}),
                         "<sheet name=\"Plan de acción\""));
    const std::string text = PdfLayoutText(dir.File("plan.pdf"));
    ExpectContainsAll(text, {"Plan de acción · Construcciones Ávila, S.L.", "A fecha de 09/12/2026", "Nivel",
                             "Fecha", "Instalar barandilla", "No imprescindible", "Página 1 de 1"});
    // On the 9th the measure due on the 8th is overdue too: no "Pendiente" is left.
    EXPECT_FALSE(Contains(text, "Pendiente"));
    const std::string info = PdfInfo(dir.File("plan.pdf"));
    EXPECT_TRUE(Contains(info, "842 x 595 pts (A4)")) << "landscape A4: " << info;
}

// A text longer than a spreadsheet cell holds is written shortened, and the error output says so.
TEST(PlanCommand, AWorkbookCellTooLongIsNamedOnTheErrorOutput) {
    TempDir dir;
    const FilePath doc = dir.File("largo.kl3");
    WriteFile(doc, "1\t0\tE\tFirma\r\n2\t1\tC\t00.- Gestion\r\n3\t2\tD\t1. Item\tRec\t\t\t\t\t\t12111\t\t" +
                       std::string(40000, 'x') + "\r\n");
    const ProgramRun run = RunProgram({"--plan", doc, dir.File("plan.xlsx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Aviso: celda D4 (Deficiencia): 40010 caracteres, acortado a 32767\n");
}

TEST(PlanCommand, ErrorsInSpanishAndTheOldFileKept) {
    TempDir dir;
    const FilePath out = dir.File("plan.csv");
    WriteFile(out, "antiguo");
    ExpectFailures({
        {{"--plan", TestData("plan.kl3"), dir.File("plan.ods")}, 3, "Formato desconocido"},
        {{"--plan", TestData("plan.kl3"), out, "--a-fecha", "31/02/2026"}, 3, "Fecha errónea: 31/02/2026"},
        {{"--plan", TestData("plan.kl3"), out, "--fecha", "01/02/2026"}, 3, "Uso: kaldo --plan"},
        {{"--plan", TestData("plan.kl3"), out, "--a-fecha"}, 3, "Uso: kaldo --plan"},
        {{"--plan", "--a-fecha", "10/03/2026", TestData("plan.kl3"), out},
         3,
         "La opción --a-fecha va detrás de DOC y SALIDA"},
        {{"--plan", TestData("plan.kl3"), "--a-fecha", "10/03/2026", out},
         3,
         "La opción --a-fecha va detrás de DOC y SALIDA"},
        {{"--plan", dir.File("no-existe.kl3"), out}, 2, "No existe el archivo"},
        {{"--plan", TestData("plan.kl3"), dir.File("no/plan.csv")},
         2,
         "No se puede escribir el plan de acción"},
    });
    EXPECT_EQ(ReadFile(out), "antiguo");
}

// Resources are one more field at the end of a measure's line: a document that has them reads
// and saves back byte for byte, as the documents without them always did.
TEST(PlanCommand, DocumentsWithAndWithoutResourcesSaveBackByteForByte) {
    TempDir dir;
    const std::string plan = ReadFile(TestData("plan.kl3"));
    ASSERT_TRUE(Contains(plan,
                         "\tR\tInstalar barandilla\tPedir presupuesto\t01/12/2026\tAna Ruiz\t\t\t"
                         "Urgente: con \"comillas\"\t\t\t\tCerrajero; 450 \x80\r\n"));
    for (const FilePath& document :
         {TestData("plan.kl3"), TestData("taller.kl3"), TestData("carpinteria.kl3"),
          FilePath(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3")}) {
        const ProgramRun run = RunProgram({"--normalizar", document, dir.File("out.kl3")});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(dir.File("out.kl3")), ReadFile(document)) << document.Utf8();
    }
}
