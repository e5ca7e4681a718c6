#include "photo_thumbnail.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "text_codec.h"

QPixmap PhotoThumbnail(const FilePath& file, QSize box) {
    QImageReader reader(PathToQt(file));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull()) return {};
    return QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPixmap MissingPhotoPlaceholder(QSize box, const QString& name) {
    QPixmap pixmap(box);
    pixmap.fill(QColor(200, 200, 200));
    QPainter painter(&pixmap);
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(std::max(8, box.height() / 5));
    painter.setFont(font);
    const QRect inside = pixmap.rect().adjusted(2, 2, -2, -2);
    painter.drawText(inside, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Falta"));
    painter.drawText(inside, Qt::AlignHCenter | Qt::AlignBottom,
                     painter.fontMetrics().elidedText(name, Qt::ElideMiddle, inside.width()));
    return pixmap;
}
