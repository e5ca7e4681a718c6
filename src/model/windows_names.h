#pragma once

#include <optional>
#include <string>

#include "file_path.h"

// What Windows makes of a path: the wide form its calls take, and the names and lengths it
// refuses. Only for Windows, where file_io_windows.cpp uses it.
namespace windows_names {

// Paths longer than this (in UTF-16 units, without the final zero) are refused by the file
// calls of programs, like this one, that do not opt in to long paths: MAX_PATH less one.
constexpr std::size_t kLongestPath = 259;

// Why a path beyond kLongestPath, or one whose folder leaves no room for the save's temporary
// file, is refused, in Spanish.
extern const char* const kTooLong;

// The path in UTF-16 with '\' separators, converted from UTF-8 (never through the ANSI code
// page). Bytes that are not UTF-8 become U+FFFD, which no file name matches.
std::wstring Wide(const FilePath& path);
// A name of the system back in UTF-8.
std::string Utf8(const std::wstring& wide);
// A path of the system as the program keeps it: UTF-8 with '/' separators.
FilePath PathOf(const std::wstring& wide);
// The last part of the path, after the last '/' or '\'.
std::string FileName(const FilePath& path);
// True for a device name that Windows reserves in every folder, whatever the extension and
// case: CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 ("CON.kl3", "nul.tar.kl3", "Com1 .kl3").
bool IsReservedName(const std::string& utf8FileName);
// Why Windows cannot have a file at this path, in Spanish, or nothing: a reserved name, a
// character that names may not hold, or a path beyond kLongestPath.
std::optional<std::string> PathRefusal(const FilePath& path);
// The Spanish text for an error code of GetLastError, with the clear cases told in words
// (another program holds the file, read-only, full disk, ...) and the system's text otherwise.
std::string ErrorText(unsigned long code);

}  // namespace windows_names
