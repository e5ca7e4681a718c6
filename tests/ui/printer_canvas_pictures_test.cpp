// Pictures on the printer's canvas: drawn with as many pixels as their size on paper needs, and
// a picture that cannot be read never stops the job.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <regex>

#include "file_io.h"
#include "pdf_file_canvas.h"
#include "program_run.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

// A picture of the size a stored photo has at most, with detail everywhere, as a JPEG.
FilePath WritePhoto(const TempDir& dir, const std::string& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 7 + y * 3) % 256, (x ^ y) % 256, (x * y) % 256);
    }
    const FilePath path = dir.File(name);
    EXPECT_TRUE(image.save(PathToQt(path), "JPEG", 85));
    return path;
}

// The images of a PDF as pdfimages lists them: width, height and encoding of each.
struct PdfImage {
    int width = 0, height = 0;
    std::string encoding;
};
std::vector<PdfImage> Images(const FilePath& pdf) {
    const std::string list = ToolOutput("pdfimages", {"-list", pdf});
    std::vector<PdfImage> out;
    const std::regex line(R"(\n\s*\d+\s+\d+\s+image\s+(\d+)\s+(\d+)\s+\S+\s+\d+\s+\d+\s+(\S+))");
    for (auto it = std::sregex_iterator(list.begin(), list.end(), line); it != std::sregex_iterator(); ++it)
        out.push_back({std::stoi((*it)[1]), std::stoi((*it)[2]), (*it)[3]});
    return out;
}

}  // namespace

TEST(PrinterCanvasPictures, APhotoIsEmbeddedAtAboutOneHundredFiftyDpiOfItsPrintedSize) {
    TempDir dir;
    const FilePath photo = WritePhoto(dir, "D-0001.jpg", 2048, 1536);
    const FilePath pdf = dir.File("fotos.pdf");
    PdfFileCanvas canvas(PathToQt(pdf), QPageLayout::Portrait);
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Fotos", &error)) << error;
    EXPECT_EQ(canvas.PictureSizeOf(photo), (PictureSize{2048, 1536}));
    // 80 × 60 mm at the canvas's 600 dpi: 3.15 × 2.36 inches, 472 × 354 pixels at 150 dpi.
    canvas.DrawPicture(300, 300, 300 + 1889, 300 + 1417, photo);
    ASSERT_TRUE(canvas.EndJob(&error)) << error;

    const std::vector<PdfImage> images = Images(pdf);
    ASSERT_EQ(images.size(), 1u) << ToolOutput("pdfimages", {"-list", pdf});
    EXPECT_NEAR(images[0].width, 472, 3);
    EXPECT_NEAR(images[0].height, 354, 3);
    EXPECT_EQ(images[0].encoding, "jpeg");
    // Far less than the photo's own 2048 × 1536 pixels would take.
    EXPECT_LT(ReadFile(pdf).size(), 300u * 1024);
}

TEST(PrinterCanvasPictures, APictureThatCannotBeReadIsAFrameWithItsName) {
    TempDir dir;
    const FilePath broken = dir.File("D-0002.jpg");
    WriteFile(broken, "no es una foto");
    const FilePath missing = dir.File("D-0003.jpg");
    const FilePath pdf = dir.File("fotos.pdf");
    PdfFileCanvas canvas(PathToQt(pdf), QPageLayout::Portrait);
    std::string error;
    ASSERT_TRUE(canvas.BeginJob("Fotos", &error)) << error;
    EXPECT_FALSE(canvas.PictureSizeOf(broken));
    EXPECT_FALSE(canvas.PictureSizeOf(missing));
    canvas.DrawPicture(300, 300, 2189, 1717, broken);
    canvas.DrawPicture(300, 2000, 2189, 3417, missing);
    ASSERT_TRUE(canvas.EndJob(&error)) << error;
    EXPECT_TRUE(Images(pdf).empty());
    const std::string text = ToolOutput("pdftotext", {pdf, "-"});
    EXPECT_NE(text.find("D-0002.jpg"), std::string::npos) << text;
    EXPECT_NE(text.find("D-0003.jpg"), std::string::npos) << text;
}
