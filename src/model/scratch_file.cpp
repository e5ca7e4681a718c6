#include "scratch_file.h"

#include <chrono>
#include <filesystem>

#include "file_io.h"
#include "native_path.h"
#include "system_files.h"

namespace file_io {

namespace {

const std::string kScratchPrefix = "kaldo-export-";
constexpr std::size_t kScratchLetters = 6;  // the X of the name's template

std::filesystem::path TemporaryFolder() {
    std::error_code ignored;
    return std::filesystem::temp_directory_path(ignored);
}

// A file of the system's temporary folder, removed when it goes.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& suffix) {
        if (!CreateScratchFile("kaldo-export-", suffix, path_, &error_)) path_ = FilePath();
    }
    ~ScratchFile() {
        if (!path_.empty()) RemoveFile(path_);
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool Ok() const { return !path_.empty(); }
    const FilePath& Path() const { return path_; }
    const std::string& Error() const { return error_; }

private:
    FilePath path_;
    std::string error_;
};

}  // namespace

bool WriteThroughScratchFile(const FilePath& path, const std::string& suffix,
                             const std::function<bool(const FilePath&, std::string*)>& write,
                             std::string* utf8Error) {
    ScratchFile scratch(suffix);
    if (!scratch.Ok()) {
        if (utf8Error) *utf8Error = scratch.Error();
        return false;
    }
    std::string bytes;
    return write(scratch.Path(), utf8Error) && ReadAll(scratch.Path(), bytes, utf8Error) &&
           WriteAtomically(path, bytes, utf8Error);
}

int RemoveStaleScratchFiles(const FilePath& folder) {
    namespace fs = std::filesystem;
    const fs::path where = folder.empty() ? TemporaryFolder() : NativePath(folder);
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const std::string name = FromNativePath(it->path().filename()).Utf8();
        if (name.rfind(kScratchPrefix, 0) != 0 || name.size() < kScratchPrefix.size() + kScratchLetters)
            continue;
        if (!IsOwnRegularFile(FromNativePath(it->path()))) continue;
        std::error_code ignored;
        if (fs::last_write_time(it->path(), ignored) < dayAgo && fs::remove(it->path(), ignored)) ++removed;
    }
    return removed;
}

}  // namespace file_io
