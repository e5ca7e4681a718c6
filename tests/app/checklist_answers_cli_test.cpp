#include <gtest/gtest.h>

#include "cp1252.h"
#include "program_run.h"
#include "temp_dir.h"

// Documents without checklist answers keep every byte through load and save; a document with
// answers keeps them as well, trailing blanks (items not answered) included.
TEST(ChecklistAnswersFile, DocumentsNormaliseByteForByte) {
    TempDir dir;
    for (const FilePath& document : {FilePath(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3"),
                                     TestData("carpinteria.kl3"), TestData("taller.kl3")}) {
        const ProgramRun run = RunProgram({"--normalizar", document, dir.File("out.kl3")});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadFile(dir.File("out.kl3")), ReadFile(document)) << document.Utf8();
    }

    const std::string answered =
        W("1\t0\tE\tFirma\r\n"
          "2\t1\tC\t00.- Gestión Preventiva\t\t15/03/2026\t\t\t\t\t1\t\t\tSXSS SSX\r\n"
          "3\t1\tC\t13.- Ruido\t\t15/03/2026\t\t\t\t\t4\t\t\tN  \r\n"
          "4\t3\tD\t1. Evaluar\t\t\t\t\t\t\t02000\r\n");
    WriteFile(dir.File("answered.kl3"), answered);
    const ProgramRun run = RunProgram({"--normalizar", dir.File("answered.kl3"), dir.File("out.kl3")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("out.kl3")), answered);

    const ProgramRun report = RunProgram({"--informe", dir.File("answered.kl3"), dir.File("informe.txt")});
    ASSERT_EQ(report.status, 0) << report.err;
    const std::string text = cp1252::ToUtf8(ReadFile(dir.File("informe.txt")));
    EXPECT_NE(text.find(" Respondidos: 7 de "), std::string::npos) << text;
    EXPECT_NE(text.find(" Respondidos: 1 de "), std::string::npos) << text;
}
