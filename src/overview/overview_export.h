#pragma once

#include <optional>
#include <string>

#include "file_path.h"
#include "overview_figures.h"

class DatePort;

namespace overview {

enum class Format { kXlsx, kCsv };

// The format that a file's extension names (".xlsx", ".csv", in any case), if any.
std::optional<Format> FormatOf(const FilePath& path);

// Writes the overview to a file in the format; the file is replaced only when the whole export
// succeeded. False, with the reason in UTF-8, when it could not be written.
bool ExportOverview(const Overview& overview, Format format, DatePort& dates, const FilePath& path,
                    std::string* utf8Error);

}  // namespace overview
