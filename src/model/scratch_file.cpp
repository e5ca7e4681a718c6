#include "scratch_file.h"

#include "file_io.h"
#include "system_files.h"

namespace file_io {

namespace {

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

}  // namespace file_io
