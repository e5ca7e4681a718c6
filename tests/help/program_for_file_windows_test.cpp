// "Manual" and the help file on Windows: the program is found through the file's extension, as
// the Explorer finds it, not through the desktop lists of Linux. Runs under Wine.
#include <gtest/gtest.h>

#include "program_for_file.h"

TEST(ProgramForFileWindows, AnExtensionWithAnOpenProgramIsOpenedAndOthersAreNot) {
    // Wine, like Windows, opens text files with its Notepad.
    EXPECT_TRUE(ProgramOpens(FilePath("C:/Evaluación 2026/léame.txt"), {}));
    EXPECT_TRUE(ProgramOpens(FilePath("C:/docs/NOTAS.TXT"), {"text/plain"}));
    EXPECT_FALSE(ProgramOpens(FilePath("C:/docs/informe.kl3zzq"), {"text/plain"}));
    EXPECT_FALSE(ProgramOpens(FilePath("C:/docs.v2/LEEME"), {"text/plain"})) << "a dot in a folder is no extension";
}
