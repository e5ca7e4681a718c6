#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "file_path.h"

// Turns a picture into a stored photo: upright as its EXIF orientation says, its long side at most
// kMaxPhotoSide pixels, a JPEG of quality about 85 with no metadata at all (EXIF holds where and
// with what camera it was taken, which is personal data). The original is only read.
inline constexpr int kMaxPhotoSide = 2048;
inline constexpr qint64 kMaxPictureBytes = 40LL * 1024 * 1024;

// Reads the picture at source and writes the photo to target, atomically. Returns the message
// that names the file when it cannot (not a picture, unreadable, over 40 MB, not writable).
std::optional<QString> ImportPhoto(const FilePath& source, const FilePath& target);
// The same for a picture that is already in memory (pasted from the clipboard).
std::optional<QString> StorePhoto(const QImage& picture, const FilePath& target);
