#pragma once

#include <string>
#include <vector>

#include "workstation_sheet.h"

class Canvas;

namespace sheets {

// The sheets on a canvas (A4 portrait in the PDF), one copy after another, each starting a new
// page: a copy per named worker with the name in its acknowledgement, or one copy with blank
// lines to sign. A long sheet runs on to more pages; every page carries the firm and the
// workstation at its head and the date and "Página n de N" of its copy at its foot. False, with
// the printer's reason, when the job could not start.
bool PrintSheets(const std::vector<Sheet>& sheets, Canvas& canvas, std::string* error);

}  // namespace sheets
