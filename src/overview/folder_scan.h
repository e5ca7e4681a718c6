#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file_path.h"

// The documents of a folder that the overview lists.
namespace overview {

struct FoundDocument {
    FilePath path;
    std::string relative;  // below the folder, '/' between parts (UTF-8)
};

// Every file of the folder whose name ends in ".kl3" (in any case), and with subfolders those
// of every folder below it too, sorted by the path below the folder. Something named ".kl3"
// that is no regular file is listed as well, so that its row can say why it cannot be read.
// Nothing, with the reason in UTF-8, when the folder itself cannot be read.
std::optional<std::vector<FoundDocument>> ListDocuments(const FilePath& folder, bool subfolders,
                                                        std::string* utf8Error);

}  // namespace overview
