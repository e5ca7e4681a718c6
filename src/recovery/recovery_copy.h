#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "file_path.h"

// What one recovery copy holds: which document it belongs to, when it was taken, and the
// document's bytes exactly as "&Guardar" writes them. On disk a short header of text lines
// comes first (a line that names the format, "documento=" and "copia="), then an empty line,
// then the document. The path is kept with its backslashes, CRs and LFs escaped, so that any
// name the file system allows survives.
struct RecoveryCopy {
    FilePath document;  // as the session names it: a full path, or "NuevaEmpresa.kl3" for a new one
    std::int64_t copiedAtMs = 0;
    std::string bytes;

    bool operator==(const RecoveryCopy&) const = default;
};

std::string ComposeCopy(const RecoveryCopy& copy);
// Nothing for a file that is not a whole copy (another file, a header cut short).
std::optional<RecoveryCopy> ParseCopy(const std::string& fileBytes);
