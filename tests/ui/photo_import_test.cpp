// A picture becomes a stored photo: upright, not larger than needed, without its metadata.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <filesystem>

#include "photo_import.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace {

// A 40x20 picture, red on the left and blue on the right, as a JPEG whose EXIF says "turn me a
// quarter clockwise" (orientation 6) and where it was taken (a GPS latitude reference).
QByteArray SidewaysPhotoWithLocation(QSize size = QSize(40, 20)) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x) picture.setPixel(x, y, qRgb(255, 0, 0));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpg", 95);

    const char tiff[] =
        "MM\x00\x2A\x00\x00\x00\x08"                         // big-endian, IFD0 at 8
        "\x00\x02"                                           // two entries
        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"  // Orientation = 6
        "\x88\x25\x00\x04\x00\x00\x00\x01\x00\x00\x00\x26"  // GPS IFD at 38
        "\x00\x00\x00\x00"                                   // no IFD1
        "\x00\x01"                                           // GPS IFD: one entry
        "\x00\x01\x00\x02\x00\x00\x00\x02N\x00\x00\x00"     // GPSLatitudeRef = "N"
        "\x00\x00\x00\x00";
    const QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff - 1);
    QByteArray segment("\xFF\xE1", 2);
    const int length = exif.size() + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

FilePath Write(const TempDir& dir, const std::string& name, const QByteArray& bytes) {
    WriteFile(dir.File(name), bytes.toStdString());
    return dir.File(name);
}

bool IsRed(QRgb c) { return qRed(c) > 200 && qBlue(c) < 80; }
bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 80; }

}  // namespace

TEST(PhotoImport, TurnsThePictureUprightAndDropsItsMetadata) {
    TempDir dir;
    const QByteArray original = SidewaysPhotoWithLocation();
    const FilePath source = Write(dir, "IMG_0001.JPG", original);
    ASSERT_TRUE(original.contains("Exif")) << "the test picture carries EXIF";

    ASSERT_EQ(ImportPhoto(source, dir.File("D-0001.jpg")), std::nullopt);
    EXPECT_EQ(ReadFile(source), original.toStdString()) << "the original is never changed";

    const QByteArray stored = QByteArray::fromStdString(ReadFile(dir.File("D-0001.jpg")));
    EXPECT_FALSE(stored.contains("Exif"));
    EXPECT_FALSE(stored.contains("\x88\x25"));
    QImageReader reader(PathToQt(dir.File("D-0001.jpg")));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage photo = reader.read();
    ASSERT_EQ(photo.size(), QSize(20, 40)) << "turned a quarter";
    EXPECT_TRUE(IsRed(photo.pixel(10, 3))) << "the left side is now on top";
    EXPECT_TRUE(IsBlue(photo.pixel(10, 36)));
}

// A camera's picture is scaled and turned: the stored photo is upright at its long side's size.
TEST(PhotoImport, ALargeSidewaysPhotoIsBothScaledAndTurned) {
    TempDir dir;
    const FilePath source = Write(dir, "IMG_0002.JPG", SidewaysPhotoWithLocation(QSize(3000, 1000)));
    ASSERT_EQ(ImportPhoto(source, dir.File("D-0001.jpg")), std::nullopt);
    const QImage photo(PathToQt(dir.File("D-0001.jpg")));
    EXPECT_EQ(photo.height(), 2048);
    EXPECT_NEAR(photo.width(), 683, 1) << "a third of its height, as the picture was";
    EXPECT_TRUE(IsRed(photo.pixel(340, 100))) << "the left half is now on top";
    EXPECT_TRUE(IsBlue(photo.pixel(340, 1900)));
}

TEST(PhotoImport, ALargePictureIsScaledToItsLongSide) {
    TempDir dir;
    QImage big(3000, 1500, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    big.setText("Comment", "tomada en la calle Mayor 3");
    ASSERT_TRUE(big.save(PathToQt(dir.File("big.png")), "png"));
    ASSERT_EQ(ImportPhoto(dir.File("big.png"), dir.File("D-0002.jpg")), std::nullopt);
    const QImage photo(PathToQt(dir.File("D-0002.jpg")));
    EXPECT_EQ(photo.size(), QSize(2048, 1024));
    EXPECT_EQ(ReadFile(dir.File("D-0002.jpg")).find("calle Mayor"), std::string::npos);

    QImage small(300, 200, QImage::Format_ARGB32);
    small.fill(Qt::transparent);
    ASSERT_EQ(StorePhoto(small, dir.File("R-0001.jpg")), std::nullopt);
    const QImage pasted(PathToQt(dir.File("R-0001.jpg")));
    EXPECT_EQ(pasted.size(), QSize(300, 200)) << "never enlarged";
    EXPECT_TRUE(qRed(pasted.pixel(5, 5)) > 240 && qGreen(pasted.pixel(5, 5)) > 240) << "transparency on white";
}

TEST(PhotoImport, WhatIsNotAPictureIsRefusedByName) {
    TempDir dir;
    const FilePath text = Write(dir, "notas.jpg", "esto no es una foto");
    const std::optional<QString> refused = ImportPhoto(text, dir.File("D-0003.jpg"));
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->contains("notas.jpg")) << refused->toStdString();
    EXPECT_FALSE(QFile::exists(PathToQt(dir.File("D-0003.jpg")))) << "nothing is left behind";

    const std::optional<QString> missing = ImportPhoto(dir.File("no-existe.jpg"), dir.File("D-0004.jpg"));
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->contains("no-existe.jpg"));

    const FilePath huge = Write(dir, "enorme.png", "");
    std::filesystem::resize_file(huge.Utf8(), kMaxPictureBytes + 1);
    const std::optional<QString> tooBig = ImportPhoto(huge, dir.File("D-0005.jpg"));
    ASSERT_TRUE(tooBig.has_value());
    EXPECT_TRUE(tooBig->contains("enorme.png") && tooBig->contains("40 MB")) << tooBig->toStdString();
}
