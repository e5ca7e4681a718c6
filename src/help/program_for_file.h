#pragma once

#include <string>
#include <vector>

#include "file_path.h"

// Whether the system knows a program that opens the file, asked before the manual or the help
// file is handed to it, so that the user is told the file's path instead of seeing nothing.
// On Linux the desktop's lists of programs by type (desktop_association.h); on Windows the
// program associated with the file's extension (program_for_file_windows.cpp).
bool ProgramOpens(const FilePath& file, const std::vector<std::string>& mimeTypes);
