#include "recent_files.h"

#include <algorithm>
#include <filesystem>

#include "document_session.h"

RecentFiles::RecentFiles(const std::vector<FilePath>& paths) {
    for (const FilePath& path : paths) {
        if (paths_.size() == kCapacity) break;
        if (path.empty() || std::find(paths_.begin(), paths_.end(), path) != paths_.end()) continue;
        paths_.push_back(path);
    }
}

bool RecentFiles::Note(const FilePath& path) {
    if (path.empty() || (!paths_.empty() && paths_.front() == path)) return false;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kCapacity) paths_.resize(kCapacity);
    return true;
}

bool RecentFiles::Remove(const FilePath& path) {
    const auto found = std::find(paths_.begin(), paths_.end(), path);
    if (found == paths_.end()) return false;
    paths_.erase(found);
    return true;
}

std::string RecentFileCaption(std::size_t index, const FilePath& path) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : path.FileName().Utf8()) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

std::optional<FilePath> DocumentInStepWithFile(const DocumentSession& session, const FilePath& currentDir) {
    if (!session.TreeVisible() || session.Modified() || session.FileName().empty()) return std::nullopt;
    std::filesystem::path path(session.FileName().Utf8());
    if (path.is_relative()) path = std::filesystem::path(currentDir.Utf8()) / path;
    return FilePath(path.lexically_normal().string());
}
