#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "field_names.h"

// The photos of a deficiency or a measure, as its record keeps them in field 16: one photo a
// line ("~~" in the file), the file's name in the document's photos folder, then "|" and the
// caption when there is one. A name never holds "|", so the caption may.
struct Photo {
    std::string file;     // the name inside the photos folder (ASCII)
    std::string caption;  // Windows-1252, may be empty
    bool operator==(const Photo&) const = default;
};

using PhotoList = std::vector<Photo>;

// The field a record keeps its photos in, for the kinds that have photos.
inline constexpr int kPhotoField = field::kPhotos;
// How many photos one record takes.
inline constexpr std::size_t kMaxPhotosPerRecord = 20;

// The list read from the field's text as it is held in memory (lines joined by "\r\n").
// Empty lines are skipped.
PhotoList ParsePhotoList(const std::string& field);
// The field's text of a list; an empty list is an empty field, which the file does not write.
std::string FormatPhotoList(const PhotoList& photos);
class oToken;
// The record's list, and the list written into the record: an empty list leaves a record that
// never had photos as it was, so that it is written as before.
PhotoList ReadPhotoList(const oToken& record);
void WritePhotoList(oToken& record, const PhotoList& photos);

// The first photo's file name of a deficiency or a measure; empty for any other record and for
// one without photos.
std::string FirstPhotoName(const oToken* record);

// Whether a record of this kind letter carries photos.
bool KindHasPhotos(char kind);
