#include <gtest/gtest.h>

#include "program_run.h"
#include "system_fakes.h"
#include "temp_dir.h"

namespace {

// "--verificar" run on a document of n lines: a firm and zones "z2" ... "zn" under it.
ProgramRun VerifyNumbered(int n) {
    std::string bytes = "1\t0\tE\tfirm\r\n";
    for (int i = 2; i <= n; ++i)
        bytes += std::to_string(i) + "\t1\tZ\tz" + std::to_string(i) + "\r\n";
    TempDir dir;
    WriteFile(dir.File("big.kl3"), bytes);
    return RunProgram({"--verificar", dir.File("big.kl3")});
}

int CountLines(const std::string& text, const std::string& line) {
    int n = 0;
    for (std::size_t at = text.find(line + "\n"); at != std::string::npos;
         at = text.find(line + "\n", at + 1))
        ++n;
    return n;
}

}  // namespace

TEST(Verify, PrintsTheTreeAndEachLoadMessage) {
    const ProgramRun run = RunProgram({"--verificar", TestData("bad_lines.kl3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "ERROR.- Línea en mal estado\nERROR.- Línea mal asociada\n");
    EXPECT_EQ(run.out, "E Talleres Ejemplo\n  Z Nave\n    C 02.- Máquinas\n")
        << "the line numbered 4 went to slot 3 and the line numbered 3 then replaced it";
}

TEST(Verify, ExitStatusTellsWhatHappened) {
    TempDir dir;
    WriteFile(dir.File("blank.kl3"), "\r\n\r\n");
    ProgramRun run = RunProgram({"--verificar", dir.File("blank.kl3")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ERROR.- Línea en mal estado\nERROR.- Línea en mal estado\nFichero erróneo\n");
    EXPECT_EQ(run.out, "");

    run = RunProgram({"--verificar", dir.File("missing.kl3")});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("missing.kl3"), std::string::npos);

    run = RunProgram({"--verificar", FileThatFailsToRead(dir.path())});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(kReadFailureMessage), std::string::npos) << run.err;

    run = RunProgram({"--verificar"});
    EXPECT_EQ(run.status, 3);
    run = RunProgram({"--no-such-option"});
    EXPECT_EQ(run.status, 3);
}

TEST(Verify, AFileOf1030LinesKeeps1024Nodes) {
    const ProgramRun run = VerifyNumbered(1030);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(CountLines(run.err, "ERROR.- Alcanzado el máximo"), 6);
    EXPECT_EQ(CountLines(run.out, "  Z z1024") + CountLines(run.out, "  Z z1025"), 1);
    int lines = 0;
    for (char c : run.out)
        lines += c == '\n';
    EXPECT_EQ(lines, 1024);
}

// The window shows twenty messages of a load and then counts the rest; here every one counts.
TEST(Verify, PrintsEveryMessageOfADamagedDocument) {
    const ProgramRun run = VerifyNumbered(5000);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(CountLines(run.err, "ERROR.- Alcanzado el máximo"), 3976);
    EXPECT_EQ(run.err.find("avisos más"), std::string::npos);
}

// A field's line breaks and control bytes (a terminal's escape sequences) must not break the
// one line per node or reach the terminal.
TEST(Verify, PrintsOneLinePerNodeWhateverTheFieldsHold) {
    TempDir dir;
    const FilePath doc = dir.File("doc.kl3");
    WriteFile(doc,
              "1\t0\tE\tFirma~~segunda l\xednea\r\n"
              "2\t1\tZ\t\x1b[2J\x1b]0;t\x07Nave\tx\x01\r\n"
              "3\t2\tC\t02.- M\xe1quinas\r\n"
              "4\t3\tD\t01 Item~~dos\t\t\t\t\t\t\t2xxxx\t\tdetectada\x9d\x7f~~fin\r\n");
    const std::string expected[] = {
        "E Firma~~segunda línea\n"
        "  Z \\x1b[2J\\x1b]0;t\\x07Nave\n"
        "    C 02.- Máquinas\n"
        "      D 01 Item~~dos // detectada\\x9d\\x7f~~fin\n",
        "5 Firma~~segunda línea\n"
        "  0 \\x1b[2J\\x1b]0;t\\x07Nave\n"
        "    2 02.- Máquinas\n"
        "      3 01 Item~~dos // detectada\\x9d\\x7f~~fin\n",
    };
    const ProgramRun runs[] = {RunProgram({"--verificar", doc}), RunProgram({"--vista", "geografica", doc})};
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(runs[k].status, 0) << runs[k].err;
        EXPECT_EQ(runs[k].out, expected[k]);
        for (unsigned char c : runs[k].out)
            EXPECT_TRUE(c >= 0x20 || c == '\n') << static_cast<int>(c);
    }
    // The other views show the texts the same way.
    const ProgramRun risk = RunProgram({"--vista", "riesgos", doc});
    EXPECT_NE(risk.out.find("    0 \\x1b[2J\\x1b]0;t\\x07Nave\n"), std::string::npos) << risk.out;
}

TEST(Normalize, SavesRenumberedInPreOrder) {
    TempDir dir;
    const ProgramRun run = RunProgram({"--normalizar", TestData("bad_lines.kl3"), dir.File("out.kl3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(ReadFile(dir.File("out.kl3")),
              "1\t0\tE\tTalleres Ejemplo\r\n2\t1\tZ\tNave\r\n3\t2\tC\t02.- M\xe1quinas\r\n");
    EXPECT_EQ(RunProgram({"--normalizar", TestData("bad_lines.kl3"), dir.File("no/dir/out.kl3")}).status, 2);
}

TEST(Help, ListsTheOptionsInSpanish) {
    const ProgramRun run = RunProgram({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("--verificar DOC"), std::string::npos);
    EXPECT_NE(run.out.find("--normalizar DOC SALIDA"), std::string::npos);
    EXPECT_EQ(run.out.find('&'), std::string::npos) << "menu entries are named without their ampersand";

    // -h is no document to open. Taken for one, it would open the window and wait for good: the
    // time limit ends it then.
    const ProgramRun shortForm = RunProgramWithTimeLimit({"-h"}, 20);
    EXPECT_EQ(shortForm.status, 0);
    EXPECT_EQ(shortForm.out, run.out);
}
