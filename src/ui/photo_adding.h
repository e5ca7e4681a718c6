#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <set>
#include <string>

#include "photo_list.h"

class PhotoSessionFiles;

// What adding a selection of pictures to a record came to: the new photos, in the selection's
// order, and one message for each picture not added (named), to be shown together.
struct PhotoAddition {
    PhotoList added;
    QStringList refusals;
};

// Stores each picture as a new photo of a record of kind (the session's folder, a fresh name,
// upright, scaled, without metadata) while the record holds fewer than kMaxPhotosPerRecord
// photos; held is how many it holds already, inUse the names the document uses. A picture that
// cannot be read is refused by name and the others are still added; the rest beyond the limit
// is refused in one message.
PhotoAddition AddPhotoFiles(const QStringList& pictures, PhotoSessionFiles& files,
                            const std::set<std::string>& inUse, char kind, std::size_t held);
// The same for a picture pasted from the clipboard.
PhotoAddition AddPhotoImage(const QImage& picture, PhotoSessionFiles& files,
                            const std::set<std::string>& inUse, char kind, std::size_t held);
