#include "photo_list.h"

#include "otoken.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

Photo ParseLine(const std::string& line) {
    const std::size_t bar = line.find('|');
    if (bar == std::string::npos) return {line, ""};
    return {line.substr(0, bar), line.substr(bar + 1)};
}

}  // namespace

PhotoList ParsePhotoList(const std::string& field) {
    PhotoList photos;
    std::size_t start = 0;
    while (start <= field.size()) {
        std::size_t end = field.find(kLineBreak, start);
        if (end == std::string::npos) end = field.size();
        const std::string line = field.substr(start, end - start);
        if (!line.empty()) photos.push_back(ParseLine(line));
        start = end + kLineBreak.size();
    }
    return photos;
}

std::string FormatPhotoList(const PhotoList& photos) {
    std::string field;
    for (const Photo& photo : photos) {
        if (!field.empty()) field += kLineBreak;
        field += photo.file;
        // A caption's own line breaks would split the photo in two lines: they become spaces.
        if (!photo.caption.empty()) {
            field += '|';
            for (char c : photo.caption) field += (c == '\r' || c == '\n') ? ' ' : c;
        }
    }
    return field;
}

bool KindHasPhotos(char kind) {
    return kind == 'D' || kind == 'R';
}

PhotoList ReadPhotoList(const oToken& record) {
    return ParsePhotoList(record.GetField(kPhotoField));
}

void WritePhotoList(oToken& record, const PhotoList& photos) {
    SetNewDataField(record, kPhotoField, FormatPhotoList(photos));
}

std::string FirstPhotoName(const oToken* record) {
    if (!record || !KindHasPhotos(record->GetKind(field::kKind))) return {};
    const PhotoList photos = ReadPhotoList(*record);
    return photos.empty() ? std::string() : photos.front().file;
}
