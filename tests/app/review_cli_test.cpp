#include <gtest/gtest.h>

#include "file_io.h"
#include "program_run.h"
#include "temp_dir.h"

namespace {

// A firm whose only gaps are a workstation without exposed workers and a measure overdue from
// 01/12/2026 that has no cost, as written by a user.
const char* const kDocument =
    "1\t0\tE\tTalleres Norte\t\t\t\t02/03/2026\t\t\tB123\t\t\t\tMarta\ttrabajadores=2; revision=15/03/2027\r\n"
    "2\t1\tP\tTorno\r\n"
    "3\t1\tP\tFresa\t\t\t\t\t\t\t\t\t\t\t\texpuestos=2\r\n"
    "4\t3\tC\t13.- Ruido\t\t\t\t\t\t\t3\r\n"
    "5\t4\tD\t1. Ruido\t\t\t\t\t\t\t10332\r\n"
    "6\t5\tR\tCabina\t\t01/12/2026\tAna\t\t\t\t\t\t\tTaller\r\n";

}  // namespace

TEST(ReviewCommand, OneLinePerGapAndStatusFiveUntilComplete) {
    TempDir dir;
    const FilePath document = dir.File("taller.kl3");
    WriteFile(document, kDocument);

    ProgramRun run = RunProgram({"--revisar", document, "--a-fecha", "08/12/2026"});
    EXPECT_EQ(run.status, 5) << run.err;
    EXPECT_EQ(run.out,
              "2: Talleres Norte / Torno: sin «Trabajadores expuestos»\n"
              "6: Talleres Norte / Fresa / 13.- Ruido / 1. Ruido / Cabina: sin coste previsto\n"
              "6: Talleres Norte / Fresa / 13.- Ruido / 1. Ruido / Cabina: vencida: prevista para el 01/12/2026\n");
    EXPECT_EQ(run.err, "3 puntos pendientes\n");

    // A day before the measure's date it is not overdue yet.
    run = RunProgram({"--revisar", document, "--a-fecha", "30/11/2026"});
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.err, "2 puntos pendientes\n");

    std::string complete = kDocument;
    complete.replace(complete.find("2\t1\tP\tTorno"), 11, "2\t1\tP\tTorno\t\t\t\t\t\t\t\t\t\t\t\texpuestos=1");
    complete.replace(complete.find("\tTaller\r\n"), 9, "\tTaller\t900,00\r\n");
    WriteFile(document, complete);
    run = RunProgram({"--revisar", document, "--a-fecha", "30/11/2026"});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "El documento está completo\n");
}

TEST(ReviewCommand, UsageAndMissingDocument) {
    ProgramRun run = RunProgram({"--revisar"});
    EXPECT_EQ(run.status, 3);
    run = RunProgram({"--revisar", "x.kl3", "--a-fecha", "31/02/2026"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("Fecha errónea: 31/02/2026"), std::string::npos) << run.err;
    run = RunProgram({"--revisar", "no-existe.kl3"});
    EXPECT_EQ(run.status, 2);
}
