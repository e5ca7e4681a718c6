#include <gtest/gtest.h>

#include "program_run.h"
#include "temp_dir.h"

TEST(Vista, PrintsEachArrangementOfTheExampleAsTheTreeShowsIt) {
    for (const char* name : {"geografica", "temporal", "valoracion", "riesgos"}) {
        SCOPED_TRACE(name);
        const ProgramRun run = RunProgram({"--vista", name, TestData("carpinteria.kl3")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, ReadFile(TestData(std::string("carpinteria-vista-") + name + ".txt")));
    }
}

// The views are named as the menu spells them, with or without accents, in any letter case.
TEST(Vista, TakesTheNamesAsTheMenuSpellsThem) {
    const std::pair<const char*, const char*> names[] = {
        {"Geográfica", "geografica"}, {"GEOGRÁFICA", "geografica"}, {"valoración", "valoracion"},
        {"Valoración", "valoracion"}, {"Temporal", "temporal"},     {"RIESGOS", "riesgos"},
    };
    for (const auto& [name, file] : names) {
        SCOPED_TRACE(name);
        const ProgramRun run = RunProgram({"--vista", name, TestData("carpinteria.kl3")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, ReadFile(TestData(std::string("carpinteria-vista-") + file + ".txt")));
    }
}

TEST(Vista, LoadsLikeOpenAndReportsWhatWentWrong) {
    // The load's messages go to the error output; the view is built from what loaded.
    ProgramRun run = RunProgram({"--vista", "temporal", TestData("bad_lines.kl3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "ERROR.- Línea en mal estado\nERROR.- Línea mal asociada\n");
    EXPECT_NE(run.out.find("  7 Pendiente\n"), std::string::npos);
    EXPECT_NE(run.out.find("  6 Sin fecha\n    2 02.- Máquinas\n"), std::string::npos) << run.out;

    run = RunProgram({"--vista", "riesgos", "no-such-file.kl3"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");

    run = RunProgram({"--vista", "vistas", TestData("carpinteria.kl3")});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("geográfica, temporal, valoración o riesgos"), std::string::npos) << run.err;

    run = RunProgram({"--vista", "temporal"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("--vista NOMBRE DOC"), std::string::npos) << run.err;
}
