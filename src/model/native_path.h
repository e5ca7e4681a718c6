#pragma once

#include <filesystem>

#include "file_path.h"

// A FilePath as std::filesystem takes it and back. Made through UTF-8 both ways, so that on
// Windows no name goes through the ANSI code page (which has no "文" and, in some locales, no
// "ñ"); on Linux both are the same bytes. Separators come back as '/'.
inline std::filesystem::path NativePath(const FilePath& path) {
    const std::string& utf8 = path.Utf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline FilePath FromNativePath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.generic_u8string();
    return FilePath(std::string(utf8.begin(), utf8.end()));
}
