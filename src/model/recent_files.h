#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class DocumentSession;

// The documents opened or saved last, newest first: the list that "&Archivo" offers before
// "&Salir". Paths are the platform's own (UTF-8), absolute.
class RecentFiles {
public:
    static constexpr std::size_t kCapacity = 6;

    // Starts from a stored list, which may come from an older or edited store: empty names and
    // repeats are dropped, and only the first kCapacity are kept.
    explicit RecentFiles(const std::vector<std::string>& paths = {});

    const std::vector<std::string>& Paths() const { return paths_; }
    // Puts the document first (moving it up when it is listed already); false when the list
    // stays as it was.
    bool Note(const std::string& path);
    // False when the document was not listed.
    bool Remove(const std::string& path);

private:
    std::vector<std::string> paths_;
};

// The menu caption of the entry at index (from 0): "&1 " and the file name without its folder,
// with every '&' of the name doubled so that the menu shows it instead of taking it as the
// entry's accelerator.
std::string RecentFileCaption(std::size_t index, const std::string& path);

// The document worth remembering once a command has finished: the open document's file, made
// absolute against currentDir, when the document is shown and in step with that file (it has
// just been loaded or saved); nothing while it has unsaved changes or none is open.
std::optional<std::string> DocumentInStepWithFile(const DocumentSession& session,
                                                  const std::string& currentDir);
