// The headless commands and a document's photos folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.h"
#include "temp_dir.h"

namespace {

// A firm whose deficiency (line 4) lists two photos.
const std::string kDocument =
    "1\t0\tE\tTaller\r\n"
    "2\t1\tZ\tNave\r\n"
    "3\t2\tC\t02.- M\xe1quinas\r\n"
    "4\t3\tD\t3. \xbfTienen resguardos?\t\t\t\t\t\t\t00000\t\tTorno sin resguardo\t\t\t"
    "D-0001.jpg|Torno~~D-0002.jpg\r\n";

const FilePath kExample(KALDO_SOURCE_DIR "/examples/taller-mecanico.kl3");

}  // namespace

TEST(PhotosCommandLine, VerifyReportsAMissingPhotoLikeTheWindow) {
    TempDir dir;
    WriteFile(dir.File("doc.kl3"), kDocument);
    std::filesystem::create_directory(dir.File("doc fotos").Utf8());
    WriteFile(dir.File("doc fotos/D-0001.jpg"), "jpeg");
    const ProgramRun run = RunProgram({"--verificar", dir.File("doc.kl3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Falta la foto D-0002.jpg de la línea 4\n");
    EXPECT_NE(run.out.find("D 3. ¿Tienen resguardos? // Torno sin resguardo\n"), std::string::npos) << run.out;
}

TEST(PhotosCommandLine, NormalizeToAnotherFolderTakesTheListedPhotos) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("origen/doc fotos").Utf8());
    std::filesystem::create_directory(dir.File("destino").Utf8());
    WriteFile(dir.File("origen/doc.kl3"), kDocument);
    WriteFile(dir.File("origen/doc fotos/D-0001.jpg"), "primera");
    WriteFile(dir.File("origen/doc fotos/D-0002.jpg"), "segunda");
    WriteFile(dir.File("origen/doc fotos/suelta.jpg"), "no listada");
    const ProgramRun run = RunProgram({"--normalizar", dir.File("origen/doc.kl3"), dir.File("destino/nuevo.kl3")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.File("destino/nuevo.kl3")), kDocument);
    EXPECT_EQ(ReadFile(dir.File("destino/nuevo fotos/D-0001.jpg")), "primera");
    EXPECT_EQ(ReadFile(dir.File("destino/nuevo fotos/D-0002.jpg")), "segunda");
    EXPECT_FALSE(std::filesystem::exists(dir.File("destino/nuevo fotos/suelta.jpg").Utf8()))
        << "only what the document lists";
    EXPECT_EQ(ReadFile(dir.File("origen/doc fotos/D-0001.jpg")), "primera") << "the source stays";
}

// Every photo the example lists is in its folder, and its assessment document shows each.
TEST(PhotosCommandLine, TheExamplesAssessmentShowsItsPhotos) {
    TempDir dir;
    const ProgramRun run =
        RunProgram({"--evaluacion-pdf", kExample, dir.File("evaluacion.pdf"), "--a-fecha", "25/03/2026"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("Falta la foto"), std::string::npos) << run.err;
    const std::string images = ToolOutput("pdfimages", {"-list", dir.File("evaluacion.pdf")});
    int count = 0;
    for (std::size_t at = images.find(" image "); at != std::string::npos; at = images.find(" image ", at + 1))
        ++count;
    EXPECT_EQ(count, 6) << images;
    const std::string text = ToolOutput("pdftotext", {dir.File("evaluacion.pdf"), "-"});
    EXPECT_NE(text.find("Foso abierto, sin barandilla ni tapa"), std::string::npos);
    EXPECT_NE(text.find("Neumáticos en la estantería, por debajo de 1,5 m"), std::string::npos);
}
