#include "sheet_export.h"

#include <memory>

#include "assessment_export.h"
#include "canvas.h"
#include "cp1252.h"
#include "pdf_canvas_source.h"
#include "sheet_printout.h"

namespace sheets {

const char* const kNoWorkstation = "El documento no tiene ningún puesto de trabajo.";

bool ExportPdf(const std::vector<Sheet>& sheets, const FilePath& path, PdfCanvasSource& pdf,
               std::string* utf8Error) {
    if (sheets.empty()) {
        if (utf8Error) *utf8Error = kNoWorkstation;
        return false;
    }
    // The canvas replaces the file itself, and only with a whole one.
    const std::unique_ptr<Canvas> canvas = pdf.Open(path, PdfCanvasSource::Orientation::kPortrait);
    std::string reason;
    if (PrintSheets(sheets, *canvas, &reason)) return true;
    if (utf8Error) *utf8Error = cp1252::ToUtf8(reason);
    return false;
}

std::string ProposedFileName(const std::string& prefix, const std::string& name) {
    const std::string cleaned = assessment::ProposedFileName(prefix + " " + name);
    return cleaned;
}

}  // namespace sheets
