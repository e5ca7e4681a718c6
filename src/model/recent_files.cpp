#include "recent_files.h"

#include <algorithm>
#include <filesystem>

#include "document_session.h"
#include "native_path.h"
#include "text_pieces.h"

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

namespace {

// Whether two paths end in the same `count` parts (a shorter path never does).
bool SameEnd(const std::vector<std::string>& a, const std::vector<std::string>& b, std::size_t count) {
    return a.size() >= count && b.size() >= count && std::equal(a.end() - count, a.end(), b.end() - count);
}

}  // namespace

std::vector<std::string> RecentFileCaptions(const std::vector<FilePath>& paths) {
    std::vector<std::vector<std::string>> parts;
    for (const FilePath& path : paths)
        parts.push_back(SplitText(path.Utf8(), "/"));  // an absolute path starts with an empty part
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        // The fewest last parts that no other listed path ends in as well.
        std::size_t shown = 1;
        auto sharedWithAnother = [&] {
            for (std::size_t j = 0; j < paths.size(); ++j) {
                if (j != i && SameEnd(parts[i], parts[j], shown)) return true;
            }
            return false;
        };
        while (shown < parts[i].size() && sharedWithAnother())
            ++shown;
        // A folder shown is marked as the end of a longer path (…, in UTF-8).
        std::string name = shown > 1 && shown < parts[i].size() ? "\u2026/" : "";
        for (std::size_t k = parts[i].size() - shown; k < parts[i].size(); ++k)
            name += parts[i][k] + (k + 1 < parts[i].size() ? "/" : "");
        std::string caption = "&" + std::to_string(i + 1) + " ";
        for (const char c : name) {
            caption += c;
            if (c == '&') caption += '&';
        }
        captions.push_back(caption);
    }
    return captions;
}

std::optional<FilePath> DocumentInStepWithFile(const DocumentSession& session, const FilePath& currentDir) {
    if (!session.TreeVisible() || session.Modified() || session.FileName().empty()) return std::nullopt;
    std::filesystem::path path = NativePath(session.FileName());
    if (path.is_relative()) path = NativePath(currentDir) / path;
    return FromNativePath(path.lexically_normal());
}
