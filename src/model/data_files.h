#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file_path.h"

// Where the files that come with the program are found: the catalogue beside the executable,
// the help file and the manual in the current working folder; for an installed program, all
// of them in the data folder ../share/kaldo/ beside the executable.

// The folder of the running executable, ending in '/'.
FilePath ExecutableDirectory();
// The installed data folder, ../share/kaldo/ beside the executable, ending in '/'.
FilePath InstalledDataDirectory();
// The path of the file in the first folder that holds it; nothing when none does.
std::optional<FilePath> FindInFolders(const FilePath& name, const std::vector<FilePath>& folders);
// The catalogue and other files read at start: beside the executable, else in the installed
// data folder; when neither holds it, the path beside the executable.
FilePath ShippedFile(const FilePath& name);
// The help file and the manual: in the current working folder, else in the installed data
// folder; nothing when neither holds it.
std::optional<FilePath> DocumentationFile(const FilePath& name);
