#pragma once

#include <QPixmap>
#include <QSize>

#include "file_path.h"

// A photo made small enough for box, read at about that size (a JPEG is decoded scaled, which
// is far quicker than reading it whole); null when the file is missing or unreadable.
QPixmap PhotoThumbnail(const FilePath& file, QSize box);
// What shows in place of a photo whose file is missing: a grey box that says so, with its name.
QPixmap MissingPhotoPlaceholder(QSize box, const QString& name);
