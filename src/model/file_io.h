#pragma once

#include <string>

// Whole-file reading and crash-safe writing with the system's own error texts.
namespace file_io {

bool Exists(const std::string& path);
// Reads the whole file; on failure returns false and puts the system's description in *error.
bool ReadAll(const std::string& path, std::string& bytes, std::string* error);
// Writes the file through a temporary file in the same folder that replaces the old file only
// once it is completely written and flushed to disk. On failure the old file is untouched.
bool WriteAtomically(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace file_io
