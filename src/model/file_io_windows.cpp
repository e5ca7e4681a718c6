#include <windows.h>

#include <random>
#include <vector>

#include "file_io.h"
#include "system_files.h"
#include "windows_names.h"

// Windows' form of the file calls: the same promises as file_io_posix.cpp, through the wide
// (UTF-16) calls, with every path converted from UTF-8 only at the call.
namespace file_io {

namespace {

using windows_names::Wide;

bool Fail(std::string* utf8Error, const FilePath& path, DWORD code) {
    if (utf8Error) *utf8Error = path.Utf8() + ": " + windows_names::ErrorText(code);
    return false;
}

bool Refuse(std::string* utf8Error, const FilePath& path, const std::string& reason) {
    if (utf8Error) *utf8Error = path.Utf8() + ": " + reason;
    return false;
}

const char* const kTooLarge = "es demasiado grande (más de 64 MB) para ser un documento";
const char* const kFolder = "es una carpeta, no un archivo";
const char* const kDevice = "es un dispositivo, no un archivo";
const char* const kReadOnly =
    "es de solo lectura; quite esa marca en sus propiedades o guárdelo con otro nombre";

// A handle closed when it goes.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Ok() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    void Close() {
        if (Ok()) ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

std::optional<WIN32_FILE_ATTRIBUTE_DATA> Attributes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data;
}

std::uint64_t SizeOf(const WIN32_FILE_ATTRIBUTE_DATA& data) {
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::wstring DirectoryOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return path.size() >= 2 && path[1] == L':' ? path.substr(0, 2) : L".";
    // "C:\doc.kl3" lies in "C:\", not in "C:" (the drive's current folder).
    return slash == 2 && path[1] == L':' ? path.substr(0, 3) : path.substr(0, slash);
}

constexpr std::size_t kRandomLength = 6;

std::wstring RandomPart() {
    static std::mt19937 generator(std::random_device{}() ^ ::GetTickCount());
    const wchar_t letters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, std::size(letters) - 2);
    std::wstring part;
    for (std::size_t i = 0; i < kRandomLength; ++i) part += letters[pick(generator)];
    return part;
}

// The temporary files' common start, as on POSIX: ".<name>.kaldo-". The document's name is
// cut so that the temporary file's path stays within Windows' limit wherever the document's
// own does; nothing when even an empty name cannot fit.
std::optional<std::wstring> TemporaryPrefix(const std::wstring& directory, std::wstring base) {
    const std::size_t fixed = directory.size() + 2 + 7 + kRandomLength;  // "\." ".kaldo-" random
    if (fixed > windows_names::kLongestPath) return std::nullopt;
    const std::size_t room = windows_names::kLongestPath - fixed;
    if (base.size() > room) {
        base.resize(room);
        // Never half of a surrogate pair.
        if (!base.empty() && base.back() >= 0xD800 && base.back() <= 0xDBFF) base.pop_back();
    }
    return L"." + base + L".kaldo-";
}

// A new file of the folder named prefix and six random characters, opened for writing. No
// FILE_SHARE_DELETE: another save's clean-up cannot take it while it is written.
HANDLE CreateTemporary(const std::wstring& directory, const std::wstring& prefix, std::wstring& name) {
    HANDLE made = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && made == INVALID_HANDLE_VALUE; ++attempt) {
        name = directory + L"\\" + prefix + RandomPart();
        made = ::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        if (made == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) break;
    }
    return made;
}

// Writes all the bytes; the error code of the write that failed, or 0.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
        DWORD n = 0;
        if (!::WriteFile(file, bytes.data() + written, chunk, &n, nullptr)) return ::GetLastError();
        written += n;
    }
    return 0;
}

// Removes the temporary files that killed saves of the same file left behind. A save holds its
// temporary file open without letting others delete it until it is written, so one that is
// still being written elsewhere is left alone.
void RemoveLeftTemporaries(const std::wstring& directory, const std::wstring& prefix) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((directory + L"\\" + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name.size() != prefix.size() + kRandomLength || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        ::DeleteFileW((directory + L"\\" + name).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace

bool Exists(const FilePath& path) {
    return ::GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFile(const FilePath& path) {
    if (windows_names::IsReservedName(windows_names::FileName(path))) return false;
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> ReadRefusal(const FilePath& path) {
    if (windows_names::IsReservedName(windows_names::FileName(path))) return path.Utf8() + ": " + kDevice;
    const auto data = Attributes(Wide(path));
    if (!data) return std::nullopt;  // reading reports why
    if (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return path.Utf8() + ": " + kFolder;
    if (SizeOf(*data) > kLargestFile) return path.Utf8() + ": " + kTooLarge;
    return std::nullopt;
}

bool ReadAll(const FilePath& path, std::string& bytes, std::string* utf8Error) {
    bytes.clear();
    if (auto refusal = ReadRefusal(path)) {
        if (utf8Error) *utf8Error = *refusal;
        return false;
    }
    if (auto refusal = windows_names::PathRefusal(path)) return Refuse(utf8Error, path, *refusal);
    // Others may go on reading, writing or replacing it: the whole file is read at once.
    Handle file(::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Ok()) return Fail(utf8Error, path, ::GetLastError());
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) return Refuse(utf8Error, path, kDevice);
    std::vector<char> buffer(65536);
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &n, nullptr)) {
            const DWORD code = ::GetLastError();
            bytes.clear();
            return Fail(utf8Error, path, code);
        }
        if (n == 0) break;
        bytes.append(buffer.data(), n);
        if (bytes.size() > kLargestFile) {
            bytes.clear();
            return Refuse(utf8Error, path, kTooLarge);
        }
    }
    return true;
}

// A link at the path is replaced by the new file rather than written through: links among
// documents are rare on Windows, and following them needs rights that users seldom have.
bool WriteAtomically(const FilePath& path, const std::string& bytes, std::string* utf8Error) {
    if (auto refusal = windows_names::PathRefusal(path)) return Refuse(utf8Error, path, *refusal);
    const std::wstring target = Wide(path);

    const auto old = Attributes(target);
    if (old) {
        if (old->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return Refuse(utf8Error, path, kFolder);
        if (old->dwFileAttributes & FILE_ATTRIBUTE_READONLY) return Refuse(utf8Error, path, kReadOnly);
        // Asked before anything is written: another program that holds the file open (a
        // spreadsheet, a backup) would make the replace fail with a less clear reason.
        Handle probe(::CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.Ok()) return Fail(utf8Error, path, ::GetLastError());
    }

    const std::wstring directory = DirectoryOf(target);
    const std::size_t slash = target.find_last_of(L"\\:");
    const auto prefix =
        TemporaryPrefix(directory, slash == std::wstring::npos ? target : target.substr(slash + 1));
    if (!prefix) return Refuse(utf8Error, path, windows_names::kTooLong);

    std::wstring temp;
    Handle file(CreateTemporary(directory, *prefix, temp));
    if (!file.Ok()) return Fail(utf8Error, path, ::GetLastError());

    DWORD code = WriteAll(file.get(), bytes);
    // On disk before it takes the old file's place.
    if (code == 0 && !::FlushFileBuffers(file.get())) code = ::GetLastError();
    // Closed for the move, as Windows moves no file that is open without FILE_SHARE_DELETE. A
    // clean-up by another save in this instant would take it; the move then fails with its
    // reason and the old file stays.
    file.Close();
    // A hidden or system document stays so.
    if (code == 0 && old)
        ::SetFileAttributesW(temp.c_str(), old->dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                                    FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                                                    FILE_ATTRIBUTE_ARCHIVE));
    // One step that leaves either the old file or the new one, and is on disk when it returns.
    if (code == 0 &&
        !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        code = ::GetLastError();
    if (code != 0) {
        ::DeleteFileW(temp.c_str());
        return Fail(utf8Error, path, code);
    }
    RemoveLeftTemporaries(directory, *prefix);
    return true;
}

bool CreateScratchFile(const std::string& prefix, const std::string& suffix, FilePath& made,
                       std::string* utf8Error) {
    std::vector<wchar_t> folder(MAX_PATH + 1);
    const DWORD length = ::GetTempPathW(static_cast<DWORD>(folder.size()), folder.data());
    if (length == 0 || length > folder.size()) {
        if (utf8Error) *utf8Error = "carpeta temporal: " + windows_names::ErrorText(::GetLastError());
        return false;
    }
    const std::wstring base = std::wstring(folder.data(), length) + Wide(FilePath(prefix));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = base + RandomPart() + Wide(FilePath(suffix));
        Handle file(::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY, nullptr));
        if (file.Ok()) {
            made = windows_names::PathOf(name);
            return true;
        }
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_EXISTS) {
            if (utf8Error) *utf8Error = windows_names::Utf8(name) + ": " + windows_names::ErrorText(code);
            return false;
        }
    }
    if (utf8Error) *utf8Error = windows_names::Utf8(base) + ": " + windows_names::ErrorText(ERROR_FILE_EXISTS);
    return false;
}

bool RemoveFile(const FilePath& path) {
    return ::DeleteFileW(Wide(path).c_str()) != 0;
}

FilePath RunningExecutable() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return FilePath();
        if (length < name.size()) return windows_names::PathOf(std::wstring(name.data(), length));
        name.resize(name.size() * 2);
    }
}

bool IsOwnRegularFile(const FilePath& path) {
    const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE));
}

}  // namespace file_io
