#include "photo_session_files.h"

#include <filesystem>
#include <random>

#include "document_session.h"
#include "field_names.h"
#include "native_path.h"
#include "otoken.h"
#include "photo_folder.h"

namespace fs = std::filesystem;

namespace {

void AddListed(const oToken& record, std::set<std::string>& names) {
    if (!KindHasPhotos(record.GetKind(field::kKind))) return;
    for (const Photo& photo : ParsePhotoList(record.GetField(kPhotoField)))
        names.insert(photo.file);
}

// A folder of its own in the system's temporary folder; empty when none could be made.
FilePath MakeScratchFolder(std::string* utf8Error) {
    std::error_code error;
    const fs::path temp = fs::temp_directory_path(error);
    if (error) {
        *utf8Error = error.message();
        return {};
    }
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = temp / ("kaldo-fotos-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(folder, error)) return FromNativePath(folder);
        if (error) break;
    }
    *utf8Error = FromNativePath(temp).Utf8() + ": " + (error ? error.message() : "no free name");
    return {};
}

}  // namespace

PhotoSessionFiles::~PhotoSessionFiles() {
    Close();
}

void PhotoSessionFiles::Open(const FilePath& folder, std::set<std::string> savedListed) {
    Close();
    folder_ = folder;
    savedListed_ = std::move(savedListed);
}

void PhotoSessionFiles::Close() {
    for (const std::string& name : std::set<std::string>(added_))
        if (!savedListed_.count(name)) Remove(name);
    added_.clear();
    RemoveEmptyMadeFolder();
    RemoveScratch();
    folder_ = FilePath();
    savedListed_.clear();
}

FilePath PhotoSessionFiles::FolderForAdding(std::string* utf8Error) {
    if (folder_.empty()) {
        if (scratch_.empty()) scratch_ = MakeScratchFolder(utf8Error);
        return scratch_;
    }
    std::error_code error;
    if (fs::is_directory(NativePath(folder_), error)) return folder_;
    if (!fs::create_directories(NativePath(folder_), error)) {
        *utf8Error = folder_.Utf8() + ": " + error.message();
        return {};
    }
    madeFolder_ = true;
    return folder_;
}

std::string PhotoSessionFiles::NewName(char kind, const std::set<std::string>& inUse) const {
    std::set<std::string> taken = inUse;
    taken.insert(savedListed_.begin(), savedListed_.end());
    taken.insert(added_.begin(), added_.end());
    return NewPhotoName(kind, Folder(), taken);
}

void PhotoSessionFiles::Added(const std::string& name) {
    added_.insert(name);
}

void PhotoSessionFiles::Drop(const std::vector<std::string>& names, const std::set<std::string>& inUse) {
    for (const std::string& name : names)
        if (added_.count(name) && Deletable(name, inUse)) Remove(name);
}

void PhotoSessionFiles::Clean(const std::set<std::string>& inUse) {
    for (const std::string& name : std::set<std::string>(added_))
        if (Deletable(name, inUse)) Remove(name);
}

void PhotoSessionFiles::Saved(const FilePath& folder, std::set<std::string> listed,
                              const std::vector<std::string>& newInFolder) {
    if (!SameFolder(folder, Folder())) {
        // What stays in the old folder belongs to the document saved there before, if any.
        for (const std::string& name : std::set<std::string>(added_))
            if (!savedListed_.count(name)) Remove(name);
        RemoveEmptyMadeFolder();
        RemoveScratch();
        folder_ = folder;
        madeFolder_ = false;
        added_ = std::set<std::string>(newInFolder.begin(), newInFolder.end());
    }
    savedListed_ = std::move(listed);
}

bool PhotoSessionFiles::Deletable(const std::string& name, const std::set<std::string>& inUse) const {
    return !inUse.count(name) && !savedListed_.count(name);
}

void PhotoSessionFiles::Remove(const std::string& name) {
    std::error_code error;
    fs::remove(NativePath(Folder()) / NativePath(FilePath(name)), error);
    added_.erase(name);
}

void PhotoSessionFiles::RemoveScratch() {
    if (scratch_.empty()) return;
    std::error_code error;
    fs::remove_all(NativePath(scratch_), error);
    scratch_ = FilePath();
}

void PhotoSessionFiles::RemoveEmptyMadeFolder() {
    if (!madeFolder_ || folder_.empty()) return;
    std::error_code error;
    if (fs::is_empty(NativePath(folder_), error)) fs::remove(NativePath(folder_), error);
    madeFolder_ = false;
}

std::set<std::string> PhotosInUse(const DocumentSession& session) {
    std::set<std::string> names = ListedPhotoNames(session.Table());
    session.History().ForEachSnapshot([&](const DocumentSnapshot& snapshot) {
        snapshot.ForEachRecord([&](const oToken& record) { AddListed(record, names); });
    });
    return names;
}
