#include "scratch_file.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "file_io.h"

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
        std::string name =
            (TemporaryFolder() / (kScratchPrefix + std::string(kScratchLetters, 'X'))).string() + suffix;
        const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
        if (fd >= 0) {
            ::close(fd);
            path_ = FilePath(name);
        } else {
            error_ = name + ": " + std::strerror(errno);
        }
    }
    ~ScratchFile() {
        if (!path_.empty()) ::unlink(path_.Utf8().c_str());
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
    const fs::path where = folder.empty() ? TemporaryFolder() : fs::path(folder.Utf8());
    const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kScratchPrefix, 0) != 0 || name.size() < kScratchPrefix.size() + kScratchLetters)
            continue;
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::getuid())
            continue;
        std::error_code ignored;
        if (fs::last_write_time(it->path(), ignored) < dayAgo && fs::remove(it->path(), ignored)) ++removed;
    }
    return removed;
}

}  // namespace file_io
