// A PDF that cannot be written whole (a full disk, a file-size limit) is a failure: status 2, a
// message naming the file, and the old file left as it was, for every command that writes one.
#include <gtest/gtest.h>

#include <filesystem>

#include "file_io.h"
#include "program_run.h"
#include "temp_dir.h"

TEST(PdfOutputSafety, APdfCutShortKeepsTheOldFileAndFails) {
    const std::string example = std::string(KALDO_SOURCE_DIR) + "/examples/taller-mecanico.kl3";
    struct Case {
        const char* name;
        std::vector<std::string> arguments;  // the output file is added last
    };
    const Case cases[] = {
        {"--evaluacion-pdf", {"--evaluacion-pdf", example}},
        {"--plan", {"--plan", example}},
        {"--imprimir-pdf", {"--imprimir-pdf", example}},
        {"--cuestionario-pdf", {"--cuestionario-pdf", "03"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const FilePath out = dir.File("salida.pdf");
        WriteFile(out, "old");
        ProgramArguments arguments(c.arguments.begin(), c.arguments.end());
        arguments.push_back(out);
        // Every one of these PDFs holds its fonts: far more than 8 KB.
        const ProgramRun run = RunProgramWithFileSizeLimit(arguments, 8 * 1024, dir.path());
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_NE(run.err.find("salida.pdf"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(out), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().Utf8()), {}), 1)
            << "no temporary file is left beside it";

        // Without the limit the same command replaces it with a whole PDF.
        const ProgramRun whole = RunProgram(arguments, dir.path());
        EXPECT_EQ(whole.status, 0) << whole.err;
        const std::string pdf = ReadFile(out);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
        EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos);
    }
}
