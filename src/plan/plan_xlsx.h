#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "action_plan.h"
#include "file_path.h"

namespace plan {

// The plan as a spreadsheet workbook (XLSX) written straight to path: a sheet "Plan de acción"
// with a title row (firm and date), the counts, a bold heading row that stays in view (frozen)
// and carries the autofilter, one row per plan row with real date cells, widths that fit and
// the level's colour in "Nivel"; and a sheet "Resumen" with the rows counted by level and
// state. False, with the reason in UTF-8, when the file could not be written. A text longer than
// a cell holds keeps its first kCellCharacters characters, the last of them "…", and adds a
// warning (UTF-8, e.g. "L4 (Comentarios): 40000 caracteres, acortado a 32767") to *warnings.
bool WritePlanXlsx(const ActionPlan& plan, const FilePath& path, std::string* utf8Error,
                   std::vector<std::string>* warnings = nullptr);

// The most characters a spreadsheet cell holds.
constexpr std::size_t kCellCharacters = 32767;

}  // namespace plan
