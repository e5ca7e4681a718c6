#pragma once

#include <string>

#include "action_plan.h"
#include "file_path.h"

namespace plan {

// The plan as a spreadsheet workbook (XLSX) written straight to path: a sheet "Plan de acción"
// with a title row (firm and date), the counts, a bold heading row that stays in view (frozen)
// and carries the autofilter, one row per plan row with real date cells, widths that fit and
// the level's colour in "Nivel"; and a sheet "Resumen" with the rows counted by level and
// state. False, with the reason in UTF-8, when the file could not be written.
bool WritePlanXlsx(const ActionPlan& plan, const FilePath& path, std::string* utf8Error);

}  // namespace plan
