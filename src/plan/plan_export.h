#pragma once

#include <optional>
#include <string>

#include "action_plan.h"
#include "file_path.h"

class PdfCanvasSource;

namespace plan {

enum class Format { kXlsx, kCsv, kPdf };

// The format that a file's extension names (".xlsx", ".csv", ".pdf", in any case), if any.
std::optional<Format> FormatOf(const FilePath& path);

// Writes the plan to a file in the format, atomically as saving a document does: the file is
// replaced only when the whole export succeeded, so a failed one leaves the old file as it was.
// False, with the reason in UTF-8, when it could not be written. Texts that the format could
// not hold whole (a spreadsheet cell's limit) are shortened and named in *warnings (UTF-8).
bool ExportPlan(const ActionPlan& plan, Format format, const FilePath& path, PdfCanvasSource& pdf,
                std::string* utf8Error, std::vector<std::string>* warnings = nullptr);

}  // namespace plan
