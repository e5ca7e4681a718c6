#pragma once

#include <string>
#include <string_view>
#include <vector>

// Whether a program of the desktop is known to open a type of file, from the freedesktop.org
// lists that desktops keep (mimeapps.list and the applications' mimeinfo.cache). Used to tell
// the user, with the file's path, when nothing will open the manual or the help file instead of
// handing it to the desktop for nothing.
namespace desktop_association {

// The association lists to read, most personal first, from the XDG folders of the environment
// (XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME, XDG_DATA_DIRS, HOME) with their defaults.
std::vector<std::string> ListFiles();
// Whether one list's text names a program for any of the types ("type=program.desktop;" in its
// [Default Applications], [Added Associations] or [MIME Cache] group).
bool ListNamesProgram(std::string_view list, const std::vector<std::string>& types);
// Whether any of the lists on disk names a program for any of the types.
bool AnyProgramFor(const std::vector<std::string>& types);

}  // namespace desktop_association
