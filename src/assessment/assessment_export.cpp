#include "assessment_export.h"

#include <memory>

#include "assessment_printout.h"
#include "canvas.h"
#include "cp1252.h"
#include "pdf_canvas_source.h"

namespace assessment {

bool ExportPdf(const Assessment& assessment, const FilePath& path, PdfCanvasSource& pdf,
               std::string* utf8Error) {
    // The canvas replaces the file itself, and only with a whole one.
    const std::unique_ptr<Canvas> canvas = pdf.Open(path, PdfCanvasSource::Orientation::kPortrait);
    std::string reason;
    if (PrintAssessment(assessment, *canvas, &reason)) return true;
    if (utf8Error) *utf8Error = cp1252::ToUtf8(reason);
    return false;
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
