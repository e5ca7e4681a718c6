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

bool SameFolder(const FilePath& a, const FilePath& b) {
    if (a == b) return true;
    if (a.empty() || b.empty()) return false;
    std::error_code error;
    if (fs::equivalent(NativePath(a), NativePath(b), error)) return true;
    const fs::path first = fs::absolute(NativePath(a), error).lexically_normal();
    const fs::path second = fs::absolute(NativePath(b), error).lexically_normal();
    return first == second;
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
    if (fromDocument.empty()) return true;
    std::vector<std::string> created;
    return CopyPhotos(ListedPhotoNames(table), PhotoFolderOf(fromDocument), PhotoFolderOf(toDocument), &created,
                      utf8Error);
}

bool CopyPhotos(const std::set<std::string>& names, const FilePath& fromFolder, const FilePath& toFolder,
                std::vector<std::string>* created, std::string* utf8Error) {
    if (names.empty() || fromFolder.empty()) return true;
    std::error_code error;
    const fs::path from = fs::absolute(NativePath(fromFolder), error).lexically_normal();
    const fs::path to = fs::absolute(NativePath(toFolder), error).lexically_normal();
    if (error || from == to || !fs::is_directory(from, error)) return true;
    if (!fs::is_directory(to, error) && !fs::create_directories(to, error)) {
        *utf8Error = FromNativePath(to).Utf8() + ": " + error.message();
        return false;
    }
    for (const std::string& name : names) {
        const fs::path file = NativePath(FilePath(name));
        if (!FileExists(from / file)) continue;
        const bool existed = FileExists(to / file);
        fs::copy_file(from / file, to / file, fs::copy_options::overwrite_existing, error);
        if (error) {
            *utf8Error = FromNativePath(to / file).Utf8() + ": " + error.message();
            return false;
        }
        if (!existed) created->push_back(name);
    }
    return true;
}

void RemovePhotoFiles(const FilePath& folder, const std::vector<std::string>& names) {
    std::error_code error;
    for (const std::string& name : names)
        fs::remove(NativePath(folder) / NativePath(FilePath(name)), error);
}
