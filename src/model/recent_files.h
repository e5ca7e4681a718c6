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

// The menu caption of the entry at index (from 0): "&1 " and the file name without its folder,
// with every '&' of the name doubled so that the menu shows it instead of taking it as the
// entry's accelerator. In UTF-8, like the name it shows.
std::string RecentFileCaption(std::size_t index, const FilePath& path);

// The document worth remembering once a command has finished: the open document's file, made
// absolute against currentDir, when the document is shown and in step with that file (it has
// just been loaded or saved); nothing while it has unsaved changes or none is open.
std::optional<FilePath> DocumentInStepWithFile(const DocumentSession& session, const FilePath& currentDir);
