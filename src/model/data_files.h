#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the files that come with the program are found: the catalogue beside the executable,
// the help file and the manual in the current working folder; for an installed program, all
// of them in the data folder ../share/kaldo/ beside the executable.

// The folder of the running executable, ending in '/'.
std::string ExecutableDirectory();
// The installed data folder, ../share/kaldo/ beside the executable, ending in '/'.
std::string InstalledDataDirectory();
// The path of the file in the first folder that holds it; nothing when none does.
std::optional<std::string> FindInFolders(const std::string& name, const std::vector<std::string>& folders);
// The catalogue and other files read at start: beside the executable, else in the installed
// data folder; when neither holds it, the path beside the executable.
std::string ShippedFile(const std::string& name);
// The help file and the manual: in the current working folder, else in the installed data
// folder; nothing when neither holds it.
std::optional<std::string> DocumentationFile(const std::string& name);
