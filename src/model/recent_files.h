#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "file_path.h"

class DocumentSession;

// The documents opened or saved last, newest first: the list that "&Archivo" offers before
// "&Salir". Paths are absolute.
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 6;

    // Starts from a stored list, which may come from an older or edited store: empty names and
    // repeats are dropped, and only the first kCapacity are kept.
    explicit RecentFiles(const std::vector<FilePath>& paths = {});

    const std::vector<FilePath>& Paths() const { return paths_; }
    // Puts the document first (moving it up when it is listed already); false when the list
    // stays as it was.
    bool Note(const FilePath& path);
    // False when the document was not listed.
    bool Remove(const FilePath& path);

private:
    std::vector<FilePath> paths_;
};

// The menu captions of the listed documents, in UTF-8 like their names: "&1 " and the file name
// without its folder; when another listed document has the same name, as much of the folder as
// tells the two apart ("&2 …/Antiguas/Talleres.kl3", or the whole path). Every '&' of a name is
// doubled so that the menu shows it instead of taking it as the entry's accelerator.
std::vector<std::string> RecentFileCaptions(const std::vector<FilePath>& paths);

// The document worth remembering once a command has finished: the open document's file, made
// absolute against currentDir, when the document is shown and in step with that file (it has
// just been loaded or saved); nothing while it has unsaved changes or none is open.
std::optional<FilePath> DocumentInStepWithFile(const DocumentSession& session, const FilePath& currentDir);
