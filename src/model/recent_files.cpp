#include "recent_files.h"

#include <algorithm>
#include <filesystem>

#include "document_session.h"

RecentFiles::RecentFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (paths_.size() == kCapacity) break;
        if (path.empty() || std::find(paths_.begin(), paths_.end(), path) != paths_.end()) continue;
        paths_.push_back(path);
    }
}

bool RecentFiles::Note(const std::string& path) {
    if (path.empty() || (!paths_.empty() && paths_.front() == path)) return false;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kCapacity) paths_.resize(kCapacity);
    return true;
}

bool RecentFiles::Remove(const std::string& path) {
    const auto found = std::find(paths_.begin(), paths_.end(), path);
    if (found == paths_.end()) return false;
    paths_.erase(found);
    return true;
}

std::string RecentFileCaption(std::size_t index, const std::string& path) {
    std::string caption = "&" + std::to_string(index + 1) + " ";
    for (const char c : std::filesystem::path(path).filename().string()) {
        caption += c;
        if (c == '&') caption += '&';
    }
    return caption;
}

std::optional<std::string> DocumentInStepWithFile(const DocumentSession& session,
                                                  const std::string& currentDir) {
    if (!session.TreeVisible() || session.Modified() || session.FileName().empty()) return std::nullopt;
    std::filesystem::path path(session.FileName());
    if (path.is_relative()) path = std::filesystem::path(currentDir) / path;
    return path.lexically_normal().string();
}
