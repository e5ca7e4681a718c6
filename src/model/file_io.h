#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "file_path.h"

// Whole-file reading and crash-safe writing with the system's own error texts.
namespace file_io {

// The largest file that is read. The node table holds at most 1024 records of at most 16
// fields; with four kilobytes in every field (the texts typed in the dialogs are a few hundred
// bytes) that is 64 MiB, while the fullest real documents take a few megabytes. A larger file
// is no document and no catalogue (a link to /dev/zero, a disk image), and is refused before
// it fills the memory.
constexpr std::uintmax_t kLargestFile = 64u * 1024 * 1024;

// True when something of that name exists (after following links): a regular file, or
// anything else that ReadAll then refuses with its reason.
bool Exists(const FilePath& path);
// True for a regular file (after following links).
bool IsFile(const FilePath& path);
// Why the file cannot be read, in Spanish (UTF-8) with the path first: it is not a regular file
// (a folder, a pipe, a device) or it is larger than kLargestFile. Nothing when it can be tried.
std::optional<std::string> ReadRefusal(const FilePath& path);
// Reads the whole file; on failure returns false and puts the system's description, or the
// reason of ReadRefusal, in *utf8Error. Only regular files are opened, so a pipe cannot block.
bool ReadAll(const FilePath& path, std::string& bytes, std::string* utf8Error);
// Writes the file through a temporary file in the same folder that replaces the old file only
// once it is completely written and flushed to disk. On failure the old file is untouched.
// A symbolic link is written through (even one whose target does not exist yet); a file the
// user may not write, or one that is not a regular file, is not replaced. After the replace,
// temporary files that killed saves of the same file left behind are removed.
bool WriteAtomically(const FilePath& path, const std::string& bytes, std::string* utf8Error);

}  // namespace file_io
