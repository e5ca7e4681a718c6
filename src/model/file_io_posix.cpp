#include "file_io.h"
#include "system_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

namespace file_io {

namespace {

bool Fail(std::string* utf8Error, const FilePath& path, int code) {
    if (utf8Error) *utf8Error = path.Utf8() + ": " + std::strerror(code);
    return false;
}

bool Refuse(std::string* utf8Error, const FilePath& path, const std::string& reason) {
    if (utf8Error) *utf8Error = path.Utf8() + ": " + reason;
    return false;
}

// Why something that is not a regular file is neither read nor replaced.
std::optional<std::string> NotAFile(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return std::nullopt;
    if (S_ISDIR(info.st_mode)) return "es una carpeta, no un archivo";
    if (S_ISFIFO(info.st_mode)) return "es una tubería, no un archivo";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "es un dispositivo, no un archivo";
    return "no es un archivo normal";
}

const char* const kTooLarge = "es demasiado grande (más de 64 MB) para ser un documento";

std::optional<std::string> ReadRefusal(const struct stat& info) {
    if (auto reason = NotAFile(info)) return reason;
    if (static_cast<std::uintmax_t>(info.st_size) > kLargestFile) return kTooLarge;
    return std::nullopt;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr char kRandomPart[] = "XXXXXX";

// The temporary file's name: the document's name hidden, a tag of the program's own and six
// random characters, so that cleaning up never takes a file the user named alike. A long name
// is cut (at a character boundary) so that the temporary name still fits the file system's
// limit of 255 bytes wherever the document's own name does.
std::string TemporaryPattern(const std::string& target) {
    std::string base = FilePath(target).FileName().Utf8();
    constexpr std::size_t kLongest = 200;
    if (base.size() > kLongest) {
        std::size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;
        base.resize(cut);
    }
    return DirectoryOf(target) + "/." + base + ".kaldo-" + kRandomPart;
}

// The file a path names once its symbolic links are followed, also when the last link points
// to a file that does not exist yet: that file is written and the link kept. False for a loop.
bool FollowLinks(std::string path, std::string& target) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = path;
            return true;
        }
        std::vector<char> link(static_cast<std::size_t>(info.st_size) + 256);
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<std::size_t>(n) >= link.size()) {
            target = path;
            return true;
        }
        const std::string next(link.data(), static_cast<std::size_t>(n));
        path = next[0] == '/' ? next : DirectoryOf(path) + "/" + next;
    }
    return false;
}

// Removes the temporary files that killed saves of the same file left behind. A save holds a
// lock on its temporary file until it is renamed, so one that is still being written elsewhere
// is left alone.
void RemoveLeftTemporaries(const std::string& pattern) {
    const std::string dir = DirectoryOf(pattern);
    const std::string base = FilePath(pattern).FileName().Utf8();
    const std::string prefix = base.substr(0, base.size() - std::strlen(kRandomPart));
    DIR* folder = ::opendir(dir.c_str());
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() != base.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string file = dir + "/" + name;
        const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(file.c_str());
        ::close(fd);
    }
    ::closedir(folder);
}

}  // namespace

bool Exists(const FilePath& path) {
    struct stat info {};
    return ::stat(path.Utf8().c_str(), &info) == 0;
}

bool IsFile(const FilePath& path) {
    struct stat info {};
    return ::stat(path.Utf8().c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadRefusal(const FilePath& path) {
    struct stat info {};
    if (::stat(path.Utf8().c_str(), &info) != 0) return std::nullopt;  // reading reports why
    if (auto reason = ReadRefusal(info)) return path.Utf8() + ": " + *reason;
    return std::nullopt;
}

bool ReadAll(const FilePath& path, std::string& bytes, std::string* utf8Error) {
    bytes.clear();
    // Looked at before opening: opening a device may have effects of its own.
    if (auto refusal = ReadRefusal(path)) {
        if (utf8Error) *utf8Error = *refusal;
        return false;
    }
    const int fd = ::open(path.Utf8().c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return Fail(utf8Error, path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int code = errno;
        ::close(fd);
        return Fail(utf8Error, path, code);
    }
    // The file may have been replaced since it was looked at.
    if (auto reason = ReadRefusal(info)) {
        ::close(fd);
        return Refuse(utf8Error, path, *reason);
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int code = errno;
            ::close(fd);
            return Fail(utf8Error, path, code);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read, or whose size the system does not know.
        if (bytes.size() > kLargestFile) {
            ::close(fd);
            bytes.clear();
            return Refuse(utf8Error, path, kTooLarge);
        }
    }
    ::close(fd);
    return true;
}

bool WriteAtomically(const FilePath& path, const std::string& bytes, std::string* utf8Error) {
    std::string target;
    if (!FollowLinks(path.Utf8(), target)) return Fail(utf8Error, path, ELOOP);

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing) {
        if (auto reason = NotAFile(old)) return Refuse(utf8Error, path, *reason);
        // Renaming over the file needs only the folder's permission; the file's own decides.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return Fail(utf8Error, path, errno);
    }

    const std::string pattern = TemporaryPattern(target);
    std::string temp = pattern;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Fail(utf8Error, path, errno);
    // Held until the rename, so that another save's clean-up knows this file is in use.
    ::flock(fd, LOCK_EX | LOCK_NB);

    // The new file keeps the old one's permissions; a new file gets the usual ones.
    if (replacing) {
        ::fchmod(fd, old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    std::size_t written = 0;
    int code = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            code = errno;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (code == 0 && ::fsync(fd) != 0) code = errno;
    // Once flushed the data is on disk; the file stays open (and locked) through the rename.
    if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        ::close(fd);
        return Fail(utf8Error, path, code);
    }
    ::close(fd);
    // Make the rename itself durable.
    const int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    RemoveLeftTemporaries(pattern);
    return true;
}

bool CreateScratchFile(const std::string& prefix, const std::string& suffix, FilePath& made,
                       std::string* utf8Error) {
    std::error_code ignored;
    std::string name =
        (std::filesystem::temp_directory_path(ignored) / (prefix + kRandomPart)).string() + suffix;
    const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        if (utf8Error) *utf8Error = name + ": " + std::strerror(errno);
        return false;
    }
    ::close(fd);
    made = FilePath(name);
    return true;
}

bool RemoveFile(const FilePath& path) {
    return ::unlink(path.Utf8().c_str()) == 0;
}

FilePath RunningExecutable() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? FilePath() : FilePath(exe.string());
}

bool IsOwnRegularFile(const FilePath& path) {
    struct stat info {};
    return ::lstat(path.Utf8().c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::getuid();
}

}  // namespace file_io
