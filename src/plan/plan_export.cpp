#include "plan_export.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "canvas.h"
#include "cp1252.h"
#include "file_io.h"
#include "pdf_canvas_source.h"
#include "plan_csv.h"
#include "plan_pdf.h"
#include "plan_xlsx.h"

namespace plan {

namespace {

// A file of the system's temporary folder for a writer that can only write to a file name;
// removed when it goes.
class ScratchFile {
public:
    explicit ScratchFile(const std::string& suffix) {
        std::error_code ignored;
        std::string name =
            (std::filesystem::temp_directory_path(ignored) / "kaldo-plan-XXXXXX").string() + suffix;
        const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
        if (fd >= 0) {
            ::close(fd);
            path_ = FilePath(name);
        } else {
            error_ = name + ": " + std::strerror(errno);
        }
    }
    ~ScratchFile() {
        if (!path_.empty()) ::unlink(path_.Utf8().c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool Ok() const { return !path_.empty(); }
    const FilePath& Path() const { return path_; }
    const std::string& Error() const { return error_; }

private:
    FilePath path_;
    std::string error_;
};

// Lets a writer fill a scratch file, then puts its bytes in place atomically.
bool ThroughScratch(const FilePath& path, const std::string& suffix,
                    const std::function<bool(const FilePath&, std::string*)>& write, std::string* utf8Error) {
    ScratchFile scratch(suffix);
    if (!scratch.Ok()) {
        if (utf8Error) *utf8Error = scratch.Error();
        return false;
    }
    std::string bytes;
    return write(scratch.Path(), utf8Error) && file_io::ReadAll(scratch.Path(), bytes, utf8Error) &&
           file_io::WriteAtomically(path, bytes, utf8Error);
}

}  // namespace

std::optional<Format> FormatOf(const FilePath& path) {
    const std::string name = path.FileName().Utf8();
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return std::nullopt;
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "xlsx") return Format::kXlsx;
    if (extension == "csv") return Format::kCsv;
    if (extension == "pdf") return Format::kPdf;
    return std::nullopt;
}

bool ExportPlan(const ActionPlan& plan, Format format, const FilePath& path, PdfCanvasSource& pdf,
                std::string* utf8Error) {
    switch (format) {
        case Format::kCsv:
            return file_io::WriteAtomically(path, PlanCsv(plan), utf8Error);
        case Format::kXlsx:
            return ThroughScratch(
                path, ".xlsx",
                [&plan](const FilePath& scratch, std::string* error) {
                return WritePlanXlsx(plan, scratch, error);
                },
                utf8Error);
        case Format::kPdf:
            return ThroughScratch(
                path, ".pdf",
                [&](const FilePath& scratch, std::string* error) {
                const std::unique_ptr<Canvas> canvas =
                    pdf.Open(scratch, PdfCanvasSource::Orientation::kLandscape);
                std::string reason;
                if (PrintPlan(plan, *canvas, &reason)) return true;
                if (error) *error = cp1252::ToUtf8(reason);
                return false;
                },
                utf8Error);
    }
    return false;
}

}  // namespace plan
