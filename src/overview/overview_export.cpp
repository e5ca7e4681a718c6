#include "overview_export.h"

#include "file_io.h"
#include "overview_csv.h"
#include "overview_xlsx.h"
#include "plan_export.h"
#include "scratch_file.h"

namespace overview {

std::optional<Format> FormatOf(const FilePath& path) {
    const auto format = plan::FormatOf(path);
    if (format == plan::Format::kXlsx) return Format::kXlsx;
    if (format == plan::Format::kCsv) return Format::kCsv;
    return std::nullopt;
}

bool ExportOverview(const Overview& overview, Format format, DatePort& dates, const FilePath& path,
                    std::string* utf8Error) {
    if (format == Format::kCsv) return file_io::WriteAtomically(path, OverviewCsv(overview, dates), utf8Error);
    return file_io::WriteThroughScratchFile(
        path, ".xlsx",
        [&](const FilePath& scratch, std::string* error) { return WriteOverviewXlsx(overview, dates, scratch, error); },
        utf8Error);
}

}  // namespace overview
