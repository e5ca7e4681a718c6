#include "recovery_folder.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "copy_locks.h"
#include "cp1252.h"
#include "file_io.h"
#include "native_path.h"
#include "texts.h"

namespace fs = std::filesystem;

namespace recovery_folder {

FilePath CopyPath(const FilePath& folder, const std::string& id) {
    return FilePath(folder.Utf8() + "/" + id + kSuffix);
}

std::string NewId(int processId, std::int64_t nowMs, int window) {
    return std::to_string(nowMs) + "-" + std::to_string(processId) + "-" + std::to_string(window);
}

std::vector<FilePath> Copies(const FilePath& folder) {
    std::vector<FilePath> copies;
    std::error_code error;
    for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = FromNativePath(it->path().filename()).Utf8();
        if (name.size() > std::char_traits<char>::length(kSuffix) && name.ends_with(kSuffix) &&
            it->is_regular_file(error)) {
            copies.push_back(FromNativePath(it->path()));
        }
    }
    std::sort(copies.begin(), copies.end(),
              [](const FilePath& a, const FilePath& b) { return a.Utf8() < b.Utf8(); });
    return copies;
}

bool Remove(const FilePath& copy) {
    std::error_code error;
    fs::remove(NativePath(copy), error);
    return !error;
}

}  // namespace recovery_folder

namespace {

bool IsNewDocument(const FilePath& document) {
    return document.empty() || document == text::kNewDocumentName;
}

std::optional<std::int64_t> WrittenMs(const FilePath& document) {
    if (IsNewDocument(document)) return std::nullopt;
    std::error_code error;
    const auto written = fs::last_write_time(NativePath(document), error);
    if (error) return std::nullopt;
    using namespace std::chrono;
    return duration_cast<milliseconds>(file_clock::to_sys(written).time_since_epoch()).count();
}

}  // namespace

std::string OrphanedCopy::DocumentName() const {
    if (IsNewDocument(copy.document)) return cp1252::ToUtf8(text::kNewFirm);
    return copy.document.FileName().Utf8();
}

std::string OrphanedCopy::DocumentFolder() const {
    if (IsNewDocument(copy.document)) return {};
    const std::string& path = copy.document.Utf8();
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::vector<OrphanedCopy> FindOrphanedCopies(const FilePath& folder, CopyLocks& locks, const FilePath& own) {
    std::vector<OrphanedCopy> found;
    for (const FilePath& path : recovery_folder::Copies(folder)) {
        if (path == own || !locks.Take(path)) continue;
        std::string bytes;
        std::optional<RecoveryCopy> copy;
        if (file_io::ReadAll(path, bytes, nullptr)) copy = ParseCopy(bytes);
        if (!copy) {
            locks.Release(path);
            continue;
        }
        found.push_back({path, std::move(*copy), std::nullopt});
        found.back().documentWrittenMs = WrittenMs(found.back().copy.document);
    }
    std::stable_sort(found.begin(), found.end(), [](const OrphanedCopy& a, const OrphanedCopy& b) {
        return a.copy.copiedAtMs < b.copy.copiedAtMs;
    });
    return found;
}
