#pragma once

#include "file_path.h"
#include "overview_export.h"
#include "user_port.h"

class DatePort;

namespace overview {

// The save dialog of an export: the format's filter and extension, and a name made from the
// folder's ("empresas" proposes "empresas-resumen.xlsx").
FileDialogSpec ExportDialog(Format format, const FilePath& folder);

// The overview window's export buttons: asks for a file name and writes the overview there. A
// file that cannot be written is reported ("No se puede escribir el resumen: ...") and the old
// file, if any, is left as it was. True when the overview was written.
bool SaveOverview(const Overview& overview, Format format, UserPort& port, DatePort& dates);

}  // namespace overview
