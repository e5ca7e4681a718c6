#include "photo_folder.h"

#include <cstdio>
#include <filesystem>

#include "cp1252.h"
#include "field_names.h"
#include "native_path.h"
#include "node_table.h"

namespace fs = std::filesystem;

namespace {

bool FileExists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

template <typename Visit>
void ForEachPhotoRecord(const NodeTable& table, Visit visit) {
    for (int slot = 1; slot <= table.count(); ++slot) {
        const oToken* record = table.Record(slot);
        if (record && KindHasPhotos(record->GetKind(field::kKind))) visit(*record);
    }
}

}  // namespace

FilePath PhotoFolderOf(const FilePath& document) {
    const fs::path path = NativePath(document);
    return FromNativePath(path.parent_path() / (path.stem().u8string() + u8" fotos"));
}

std::set<std::string> ListedPhotoNames(const NodeTable& table) {
    std::set<std::string> names;
    ForEachPhotoRecord(table, [&](const oToken& record) {
        for (const Photo& photo : ParsePhotoList(record.GetField(kPhotoField))) names.insert(photo.file);
    });
    return names;
}

std::string NewPhotoName(char kind, const FilePath& folder, const std::set<std::string>& taken) {
    for (int number = 1;; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "%c-%04d.jpg", kind, number);
        if (!taken.count(name) && !FileExists(NativePath(folder) / name)) return name;
    }
}

std::vector<MissingPhoto> MissingPhotos(const NodeTable& table, const FilePath& folder) {
    std::vector<MissingPhoto> missing;
    ForEachPhotoRecord(table, [&](const oToken& record) {
        for (const Photo& photo : ParsePhotoList(record.GetField(kPhotoField)))
            if (!FileExists(NativePath(folder) / photo.file))
                missing.push_back({record.GetFieldInt(field::kSlot), photo.file});
    });
    return missing;
}

std::string MissingPhotoMessage(const MissingPhoto& missing) {
    return W("Falta la foto ") + missing.file + W(" de la línea ") + std::to_string(missing.line);
}

bool CopyListedPhotos(const NodeTable& table, const FilePath& fromDocument, const FilePath& toDocument,
                      std::string* utf8Error) {
    const std::set<std::string> names = ListedPhotoNames(table);
    if (names.empty() || fromDocument.empty()) return true;
    std::error_code error;
    const fs::path from = fs::absolute(NativePath(PhotoFolderOf(fromDocument)), error).lexically_normal();
    const fs::path to = fs::absolute(NativePath(PhotoFolderOf(toDocument)), error).lexically_normal();
    if (error || from == to || !fs::is_directory(from, error)) return true;
    if (!fs::is_directory(to, error) && !fs::create_directories(to, error)) {
        *utf8Error = FromNativePath(to).Utf8() + ": " + error.message();
        return false;
    }
    for (const std::string& name : names) {
        if (!FileExists(from / name)) continue;
        fs::copy_file(from / name, to / name, fs::copy_options::overwrite_existing, error);
        if (error) {
            *utf8Error = FromNativePath(to / name).Utf8() + ": " + error.message();
            return false;
        }
    }
    return true;
}
