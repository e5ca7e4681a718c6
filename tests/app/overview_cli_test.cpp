// kaldo --resumen run as a process over a folder of hand-made documents.
#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.h"
#include "temp_dir.h"
#include "text_checks.h"

namespace {

struct OverviewRun : ::testing::Test {
    TempDir dir;
    FilePath folder = dir.File("empresas");
    OverviewRun() {
        std::filesystem::copy(TestData("overview").Utf8(), folder.Utf8(), std::filesystem::copy_options::recursive);
    }
};

}  // namespace

TEST_F(OverviewRun, WritesTheCsvOnTheDateGivenWithOrWithoutSubfolders) {
    const FilePath out = dir.File("resumen.csv");
    ProgramRun run = RunProgram({"--resumen", folder, out, "--a-fecha", "08/12/2026", "--subcarpetas"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string csv = ReadFile(out);
    ExpectContainsAll(csv, {"\r\nAlmacenes Río;B66666666;subcarpeta/almacen.kl3;05/05/2026;;1;0;0;0;0;1;0;0;6;",
                            "\r\nTalleres del Norte;A22222222;vencidas.kl3;;;0;1;0;1;1;2;2;0;18;",
                            "\r\nTotal: 8 documentos;;;;;2;1;1;1;1;3;2;1;38;;2 no se pueden leer\r\n"});
    // The documents that could not be read, and the warnings, on the error output.
    ExpectContainsAll(run.err, {"danado.kl3: Fichero erróneo", "no-documento.kl3: Fichero erróneo",
                                "avisos.kl3: 1 aviso al leerlo"});

    // Another date: on 02/12/2026 the measure planned for 07/12/2026 is not overdue yet (one gap
    // less); the options in the other order.
    run = RunProgram({"--resumen", folder, out, "--subcarpetas", "--a-fecha", "02/12/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(ReadFile(out), "\r\nTotal: 8 documentos;;;;;2;1;1;1;1;2;3;1;37;;")) << ReadFile(out);

    run = RunProgram({"--resumen", folder, out, "--a-fecha", "08/12/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(ReadFile(out), "\r\nTotal: 7 documentos;;;;;1;1;1;1;1;2;2;1;32;;"));
    EXPECT_FALSE(Contains(ReadFile(out), "almacen"));
}

TEST_F(OverviewRun, WritesAWorkbook) {
    const FilePath out = dir.File("resumen.xlsx");
    const ProgramRun run = RunProgram({"--resumen", folder, out});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Contains(ToolOutput("unzip", {"-l", out}), "xl/worksheets/sheet2.xml"));
}

TEST_F(OverviewRun, RefusesWhatItCannotDoAndWritesNothing) {
    const FilePath out = dir.File("resumen.csv");
    ExpectFailures({
        {{"--resumen", folder, dir.File("resumen.pdf")}, 3, "Formato desconocido"},
        {{"--resumen", folder, out, "--a-fecha", "31/02/2026"}, 3, "Fecha errónea: 31/02/2026"},
        {{"--resumen", folder, out, "--otra"}, 3, "Uso: kaldo --resumen CARPETA SALIDA"},
        {{"--resumen", folder}, 3, "Uso: kaldo --resumen"},
        {{"--resumen", dir.File("no-existe"), out}, 2, "No se puede leer la carpeta"},
        {{"--resumen", folder, dir.File("falta/resumen.csv")}, 2, "No se puede escribir el resumen"},
    });
    EXPECT_FALSE(std::filesystem::exists(out.Utf8()));
}
