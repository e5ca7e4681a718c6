#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

// A copy of the program in <scratch>/bin, as an installation would lay it out.
struct InstalledCopy {
    TempDir root;
    FilePath program = root.File("bin/kaldo");
    FilePath document = root.File("doc.kl3");

    InstalledCopy() {
        fs::create_directories(root.File("bin").Utf8());
        fs::copy_file(KALDO_PROGRAM, program.Utf8());
        WriteFile(document, "1\t0\tE\tFirma\r\n");
    }
    ProgramRun Verify() { return RunProgramFile(program, {"--verificar", document}, root.path()); }
};

}  // namespace

TEST(StartupProcess, WithoutTheCatalogueTheProgramStopsWithTheMessage) {
    InstalledCopy copy;
    const ProgramRun run = copy.Verify();
    EXPECT_EQ(run.err, "No se localiza el archivo C31.TXT\n");
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.status, 0);
}

TEST(StartupProcess, TheCatalogueIsFoundBesideTheProgramOrInTheDataFolder) {
    InstalledCopy copy;
    fs::create_directories(copy.root.File("share/kaldo").Utf8());
    fs::copy_file(KALDO_SOURCE_DIR "/data/C31.TXT", copy.root.File("share/kaldo/C31.TXT").Utf8());
    ProgramRun run = copy.Verify();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "E Firma\n");

    // One beside the program is taken first.
    WriteFile(copy.root.File("bin/C31.TXT"), "C00Uno\r\nxmal\r\n");
    run = copy.Verify();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "ERROR EN mal\n");
}

TEST(StartupProcess, ACatalogueThatCannotBeReadStopsWithTheSystemsText) {
    InstalledCopy copy;
    fs::create_symlink("/proc/self/mem", copy.root.File("bin/C31.TXT").Utf8());
    const ProgramRun run = copy.Verify();
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("Input/output error"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}
