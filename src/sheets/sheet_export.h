#pragma once

#include <string>
#include <vector>

#include "file_path.h"
#include "workstation_sheet.h"

class PdfCanvasSource;

namespace sheets {

// "El documento no tiene ningún puesto de trabajo.": there is no sheet to write.
extern const char* const kNoWorkstation;

// Writes the sheets to a PDF file (A4 portrait), atomically as saving a document does: the file
// is replaced only when every sheet was written. False, with the reason in UTF-8, when it could
// not be; nothing is written for no sheets.
bool ExportPdf(const std::vector<Sheet>& sheets, const FilePath& path, PdfCanvasSource& pdf,
               std::string* utf8Error);

// The name proposed for the file of one workstation's sheet, "Ficha del puesto Torno", or of
// every one, "Fichas de los puestos Talleres": without the characters a file name cannot hold.
// Windows-1252, without extension.
std::string ProposedFileName(const std::string& prefix, const std::string& name);

}  // namespace sheets
