#pragma once

#include <functional>
#include <string>

#include "file_path.h"

namespace file_io {

// For a writer that can only write to a file name (a PDF printer, a spreadsheet library): lets
// it fill a scratch file of the system's temporary folder, then puts the bytes at path as
// WriteAtomically does, so that a failed export leaves the old file as it was. The scratch
// file (named with the suffix, e.g. ".pdf") is removed either way. False, with the reason in
// UTF-8, when the writer or the write failed.
bool WriteThroughScratchFile(
    const FilePath& path, const std::string& suffix,
    const std::function<bool(const FilePath& scratch, std::string* utf8Error)>& write,
    std::string* utf8Error);

// Removes the scratch files that exports of this user killed before their end left in a
// folder (the system's temporary folder when empty): files named as WriteThroughScratchFile
// names them, owned by the user, last written more than a day ago, so that no export still
// running loses its file. How many went.
int RemoveStaleScratchFiles(const FilePath& folder = FilePath());

}  // namespace file_io
