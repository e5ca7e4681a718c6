#pragma once

#include <string>

#include "file_path.h"

// The few calls on files whose form differs between POSIX and Windows, apart from reading and
// writing documents (file_io.h). Each system has its own file_io_<system>.cpp.
namespace file_io {

// A new empty file of the system's temporary folder, named prefix, six random characters and
// suffix; false with the reason in UTF-8 when none can be made.
bool CreateScratchFile(const std::string& prefix, const std::string& suffix, FilePath& made,
                       std::string* utf8Error);
// Removes a file; false when it is not there or cannot be removed.
bool RemoveFile(const FilePath& path);
// Whether the path is a regular file (not a link) of the user running the program; on Windows,
// where the temporary folder is the user's own, a regular file.
bool IsOwnRegularFile(const FilePath& path);
// The running program's executable.
FilePath RunningExecutable();

}  // namespace file_io
