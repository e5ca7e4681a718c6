// The canvas every PDF is written through: the old file is replaced only by a whole new one.
#include <gtest/gtest.h>

#include <filesystem>

#include "pdf_file_canvas.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

std::size_t Entries(const TempDir& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir.path().Utf8()), {}));
}

}  // namespace

TEST(PdfFileCanvas, TheOldFileGoesOnlyWhenTheJobEndsWhole) {
    TempDir dir;
    const FilePath path = dir.File("informe.pdf");
    WriteFile(path, "old");
    {
        // A job given up half way (the printout failed, the program is closing): nothing changes.
        PdfFileCanvas canvas(PathToQt(path), QPageLayout::Portrait);
        std::string error;
        ASSERT_TRUE(canvas.BeginJob("Informe", &error)) << error;
        canvas.DrawText(100, 100, "medio");
    }
    EXPECT_EQ(ReadFile(path), "old");
    EXPECT_EQ(Entries(dir), 1u) << "the temporary file is gone";

    PdfFileCanvas canvas(PathToQt(path), QPageLayout::Landscape);
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Informe", &error)) << error;
    EXPECT_GT(canvas.PageWidth(), canvas.PageHeight()) << "landscape";
    canvas.DrawText(100, 100, "entero");
    ASSERT_TRUE(canvas.EndJob(&error)) << error;
    const std::string pdf = ReadFile(path);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("%%EOF"), std::string::npos);
    EXPECT_EQ(Entries(dir), 1u);
}

TEST(PdfFileCanvas, AFolderThatDoesNotExistIsRefusedWithTheFilesName) {
    TempDir dir;
    const FilePath path = dir.File("no/informe.pdf");
    PdfFileCanvas canvas(PathToQt(path), QPageLayout::Portrait);
    std::string error;
    EXPECT_FALSE(canvas.BeginJob("Informe", &error));
    EXPECT_EQ(error.rfind("No se puede imprimir en " + path.Utf8() + ": ", 0), 0u) << error;
}
