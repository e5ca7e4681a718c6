#include "photo_import.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTransform>

#include "file_io.h"
#include "text_codec.h"

namespace {

QString Refused(const FilePath& source, const QString& reason) {
    return QStringLiteral("No se puede añadir la foto %1: %2").arg(QFileInfo(PathToQt(source)).fileName(), reason);
}

// A fresh picture holds the pixels and nothing else: no text keys, no colour profile, no EXIF.
QImage Flattened(const QImage& picture) {
    QImage scaled = picture;
    if (std::max(picture.width(), picture.height()) > kMaxPhotoSide)
        scaled = picture.scaled(kMaxPhotoSide, kMaxPhotoSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage flat(scaled.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);  // a transparent PNG gets a white background, as on paper
    QPainter painter(&flat);
    painter.drawImage(0, 0, scaled);
    return flat;
}

// Turns a picture read as stored the way its orientation says (mirrored first, then a quarter
// clockwise), as Qt's own reader does with automatic transformation.
QImage Turned(QImage picture, QImageIOHandler::Transformations orientation) {
    if (orientation == QImageIOHandler::TransformationNone) return picture;
    picture = std::move(picture).mirrored(orientation & QImageIOHandler::TransformationMirror,
                                          orientation & QImageIOHandler::TransformationFlip);
    if (orientation & QImageIOHandler::TransformationRotate90) picture = picture.transformed(QTransform().rotate(90));
    return picture;
}

// The picture upright and no larger than a stored photo. A camera's picture is scaled before it
// is turned, and read at about its stored size, which saves most of the time on a 12-megapixel
// one.
QImage ReadUpright(QImageReader& reader) {
    reader.setAutoTransform(false);
    const QImageIOHandler::Transformations orientation = reader.transformation();
    const QSize size = reader.size();
    if (size.isValid() && std::max(size.width(), size.height()) > kMaxPhotoSide)
        reader.setScaledSize(size.scaled(kMaxPhotoSide, kMaxPhotoSide, Qt::KeepAspectRatio));
    return Turned(reader.read(), orientation);
}

}  // namespace

std::optional<QString> StorePhoto(const QImage& picture, const FilePath& target) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(85);
    if (picture.isNull() || !writer.write(Flattened(picture)))
        return QStringLiteral("No se puede guardar la foto %1: %2").arg(PathToQt(target), writer.errorString());
    std::string error;
    if (!file_io::WriteAtomically(target, bytes.toStdString(), &error))
        return QStringLiteral("No se puede guardar la foto %1: %2").arg(PathToQt(target), QString::fromStdString(error));
    return std::nullopt;
}

std::optional<QString> ImportPhoto(const FilePath& source, const FilePath& target) {
    const QFileInfo info(PathToQt(source));
    if (!info.isFile() || !info.isReadable()) return Refused(source, QStringLiteral("no se puede leer el archivo"));
    if (info.size() > kMaxPictureBytes) return Refused(source, QStringLiteral("ocupa más de 40 MB"));
    QImageReader reader(PathToQt(source));
    const QImage picture = ReadUpright(reader);
    if (picture.isNull()) return Refused(source, QStringLiteral("no es una imagen que se pueda leer"));
    return StorePhoto(picture, target);
}
