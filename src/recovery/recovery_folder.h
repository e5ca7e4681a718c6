#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "file_path.h"
#include "recovery_copy.h"

class CopyLocks;

// The folder of recovery copies, in the user's data folder: one file "<id>.kaldo-copia" per
// running program, its lock file beside it. Never the document's folder.
namespace recovery_folder {

constexpr const char* kFolderName = "recuperacion";
constexpr const char* kSuffix = ".kaldo-copia";

FilePath CopyPath(const FilePath& folder, const std::string& id);
// An id that no other copy has: the time, the process and the window's number in the process.
std::string NewId(int processId, std::int64_t nowMs, int window);
// The copies in the folder, by name; none when the folder does not exist.
std::vector<FilePath> Copies(const FilePath& folder);
bool Remove(const FilePath& copy);

}  // namespace recovery_folder

// A copy that no running program holds, as the start offers it.
struct OrphanedCopy {
    FilePath path;
    RecoveryCopy copy;
    // When the document file was last written; nothing for a new document or a file that is gone.
    std::optional<std::int64_t> documentWrittenMs;

    // The document was saved after the copy was taken: the copy may hold less than the file.
    bool SavedAfterCopy() const { return documentWrittenMs && *documentWrittenMs > copy.copiedAtMs; }
    // The document's name and folder as the window lists them (UTF-8): "<Nueva Empresa>" and
    // an empty folder for a document never saved.
    std::string DocumentName() const;
    std::string DocumentFolder() const;
};

// The copies of the folder that no running program holds, oldest first, `own` (this program's
// copy) left out. Their locks are taken and stay taken: the caller releases those it does not
// keep. A file that is not a whole copy is left as it is and not listed.
std::vector<OrphanedCopy> FindOrphanedCopies(const FilePath& folder, CopyLocks& locks, const FilePath& own);
