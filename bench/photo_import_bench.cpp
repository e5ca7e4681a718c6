// Adding ten 12-megapixel camera photos to a deficiency, through the code the photo strip runs:
// each picture read upright from its EXIF orientation, scaled to its stored size, written as a
// JPEG into the document's photos folder.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>

#include "gui_application.h"
#include "photo_adding.h"
#include "photo_session_files.h"
#include "text_codec.h"

namespace {

// A JPEG with an APP1 EXIF segment that says "turn a quarter clockwise" (orientation 6), as a
// phone held upright writes it.
QByteArray WithOrientation(const QByteArray& jpeg) {
    const char tiff[] =
        "MM\x00\x2A\x00\x00\x00\x08"
        "\x00\x01"
        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
        "\x00\x00\x00\x00";
    const QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff - 1);
    QByteArray segment("\xFF\xE1", 2);
    const int length = exif.size() + 2;
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A 4000 x 3000 picture: a gradient that differs for each, with noise, so that it compresses as
// a photograph does rather than as a flat drawing.
QByteArray CameraPhoto(int seed) {
    QImage picture(4000, 3000, QImage::Format_RGB32);
    std::uint32_t noise = 2166136261u + seed;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int n = static_cast<int>(noise >> 27) - 16;
            line[x] = qRgb(qBound(0, x * 255 / 4000 + n, 255), qBound(0, y * 255 / 3000 + n, 255),
                           qBound(0, (x + y + seed * 300) % 256 + n, 255));
        }
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpg", 92);
    return WithOrientation(jpeg);
}

struct CameraFolder {
    QTemporaryDir dir;
    QStringList files;
    CameraFolder() {
        for (int k = 0; k < 10; ++k) {
            const QString name = dir.filePath(QString("IMG_%1.JPG").arg(1000 + k));
            QFile file(name);
            file.open(QIODevice::WriteOnly);
            file.write(CameraPhoto(k));
            files << name;
        }
    }
};

void BM_AddTenCameraPhotos(benchmark::State& state) {
    NeedGuiApplication();
    static const CameraFolder camera;
    for (auto _ : state) {
        QTemporaryDir documents;
        PhotoSessionFiles files;
        files.Open(PathFromQt(documents.filePath("Taller fotos")), {});
        const PhotoAddition addition = AddPhotoFiles(camera.files, files, {}, 'D', 0);
        if (addition.added.size() != 10 || !addition.refusals.isEmpty()) {
            state.SkipWithError("not every photo was added");
            break;
        }
    }
}
BENCHMARK(BM_AddTenCameraPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
