#include "assessment_export.h"

#include <memory>

#include "assessment_printout.h"
#include "canvas.h"
#include "cp1252.h"
#include "pdf_canvas_source.h"
#include "scratch_file.h"

namespace assessment {

bool ExportPdf(const Assessment& assessment, const FilePath& path, PdfCanvasSource& pdf,
               std::string* utf8Error) {
    return file_io::WriteThroughScratchFile(
        path, ".pdf",
        [&](const FilePath& scratch, std::string* error) {
        const std::unique_ptr<Canvas> canvas = pdf.Open(scratch, PdfCanvasSource::Orientation::kPortrait);
        std::string reason;
        if (PrintAssessment(assessment, *canvas, &reason)) return true;
        if (error) *error = cp1252::ToUtf8(reason);
        return false;
        },
        utf8Error);
}

std::string ProposedFileName(const std::string& firmName) {
    std::string name;
    for (const char c : firmName) {
        const bool unfit =
            static_cast<unsigned char>(c) < 0x20 || std::string("/\\:*?\"<>|").find(c) != std::string::npos;
        name += unfit ? ' ' : c;
    }
    // Runs of blanks left by what was taken out become one.
    std::string single;
    for (const char c : name) {
        if (c != ' ' || (!single.empty() && single.back() != ' ')) single += c;
    }
    while (!single.empty() && (single.back() == ' ' || single.back() == '.'))
        single.pop_back();
    while (!single.empty() && single.front() == '.')
        single.erase(0, 1);
    return single.empty() ? W("Evaluación de riesgos") : single;
}

}  // namespace assessment
