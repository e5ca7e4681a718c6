#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace file_io {

namespace {

bool Fail(std::string* utf8Error, const FilePath& path, int code) {
    if (utf8Error) *utf8Error = path.Utf8() + ": " + std::strerror(code);
    return false;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The temporary file's name: the document's name hidden and with six random characters added.
// A long name is cut (at a character boundary) so that the temporary name still fits the file
// system's limit of 255 bytes wherever the document's own name does.
std::string TemporaryPattern(const std::string& target) {
    std::string base = FilePath(target).FileName().Utf8();
    constexpr std::size_t kLongest = 200;
    if (base.size() > kLongest) {
        std::size_t cut = kLongest;
        while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80)
            --cut;
        base.resize(cut);
    }
    return DirectoryOf(target) + "/." + base + ".XXXXXX";
}

// A symbolic link is written through: the file it points to is replaced, the link kept.
std::string ResolvedTarget(const FilePath& path) {
    char* real = ::realpath(path.Utf8().c_str(), nullptr);
    if (!real) return path.Utf8();
    std::string resolved = real;
    std::free(real);
    return resolved;
}

}  // namespace

bool Exists(const FilePath& path) {
    struct stat info {};
    return ::stat(path.Utf8().c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool ReadAll(const FilePath& path, std::string& bytes, std::string* utf8Error) {
    bytes.clear();
    const int fd = ::open(path.Utf8().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Fail(utf8Error, path, errno);
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
    }
    ::close(fd);
    return true;
}

bool WriteAtomically(const FilePath& path, const std::string& bytes, std::string* utf8Error) {
    const std::string target = ResolvedTarget(path);
    std::string temp = TemporaryPattern(target);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Fail(utf8Error, path, errno);

    // The new file keeps the old one's permissions; a new file gets the usual ones.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
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
    if (::close(fd) != 0 && code == 0) code = errno;
    if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = errno;
    if (code != 0) {
        ::unlink(temp.c_str());
        return Fail(utf8Error, path, code);
    }
    // Make the rename itself durable.
    const int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace file_io
