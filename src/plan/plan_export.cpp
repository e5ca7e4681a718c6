#include "plan_export.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "canvas.h"
#include "cp1252.h"
#include "file_io.h"
#include "pdf_canvas_source.h"
#include "plan_csv.h"
#include "plan_pdf.h"
#include "plan_xlsx.h"
#include "scratch_file.h"

namespace plan {

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
                std::string* utf8Error, std::vector<std::string>* warnings) {
    switch (format) {
        case Format::kCsv:
            return file_io::WriteAtomically(path, PlanCsv(plan), utf8Error);
        case Format::kXlsx:
            return file_io::WriteThroughScratchFile(
                path, ".xlsx",
                [&plan, warnings](const FilePath& scratch, std::string* error) {
                return WritePlanXlsx(plan, scratch, error, warnings);
                },
                utf8Error);
        case Format::kPdf: {
            // The canvas replaces the file itself, and only with a whole one.
            const std::unique_ptr<Canvas> canvas = pdf.Open(path, PdfCanvasSource::Orientation::kLandscape);
            std::string reason;
            if (PrintPlan(plan, *canvas, &reason)) return true;
            if (utf8Error) *utf8Error = cp1252::ToUtf8(reason);
            return false;
        }
    }
    return false;
}

}  // namespace plan
