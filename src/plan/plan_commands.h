#pragma once

#include "action_plan.h"
#include "file_path.h"
#include "plan_export.h"
#include "user_port.h"

class PdfCanvasSource;

namespace plan {

// The save dialog of an export: the format's filter and extension, and a name made from the
// document's ("taller.kl3" proposes "taller-plan.xlsx").
FileDialogSpec ExportDialog(Format format, const FilePath& documentName);

// The plan window's export buttons: asks for a file name and writes the plan there. A file
// that cannot be written is reported ("No se puede escribir el plan de acción: ...") and the
// old file, if any, is left as it was. True when the plan was written.
bool SavePlan(const ActionPlan& plan, Format format, const FilePath& documentName, UserPort& port,
              PdfCanvasSource& pdf);

}  // namespace plan
