#include "scratch_file.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "file_io.h"

namespace file_io {

namespace {

// A file of the system's temporary folder, removed when it goes.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& suffix) {
        std::error_code ignored;
        std::string name =
            (std::filesystem::temp_directory_path(ignored) / "kaldo-export-XXXXXX").string() + suffix;
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

}  // namespace file_io
