#include <gtest/gtest.h>

#include <cstdlib>

#include "program_run.h"
#include "temp_dir.h"

namespace {

const FilePath kExample(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3");

}  // namespace

// The shipped example is what the program's own commands make from the scripted session in
// tools/make_example.cpp; a change of any command's output shows up here.
TEST(ExampleDocument, IsExactlyWhatTheProgramMakes) {
    TempDir dir;
    const std::string command = std::string(KALDO_MAKE_EXAMPLE) + " " + KALDO_SOURCE_DIR + "/data/C31.TXT " +
                                dir.File("made.kl3").Utf8();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFile(dir.File("made.kl3")), ReadFile(kExample));
}

TEST(ExampleDocument, LoadsWithoutAnyMessage) {
    const ProgramRun run = RunProgram({"--verificar", kExample});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("E Talleres Mecánicos del Valle, S.L.\n"), std::string::npos);
    EXPECT_NE(run.out.find("        R Señalizar el borde del foso con franjas amarillas y negras // "),
              std::string::npos)
        << "a measure shows its deficiency's recommendation after ' // '";
}
