#pragma once

#include <string>

#include "file_path.h"

// Whole-file reading and crash-safe writing with the system's own error texts.
namespace file_io {

bool Exists(const FilePath& path);
// Reads the whole file; on failure returns false and puts the system's description in *utf8Error.
bool ReadAll(const FilePath& path, std::string& bytes, std::string* utf8Error);
// Writes the file through a temporary file in the same folder that replaces the old file only
// once it is completely written and flushed to disk. On failure the old file is untouched.
bool WriteAtomically(const FilePath& path, const std::string& bytes, std::string* utf8Error);

}  // namespace file_io
