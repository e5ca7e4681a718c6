#pragma once

#include <string>

#include "assessment.h"
#include "file_path.h"

class PdfCanvasSource;

namespace assessment {

// Writes the assessment document to a PDF file (A4 portrait), atomically as saving a document
// does: the file is replaced only when the whole document was written. False, with the reason
// in UTF-8, when it could not be.
bool ExportPdf(const Assessment& assessment, const FilePath& path, PdfCanvasSource& pdf,
               std::string* utf8Error);

// The name proposed for the document's file: the firm's name without the characters that a file
// name cannot hold ("/", "\", ":" ...) nor blanks and points at its ends; "Evaluación de riesgos"
// for a firm without name. Windows-1252, like the name; without extension.
std::string ProposedFileName(const std::string& firmName);

}  // namespace assessment
