#pragma once

#include <string>

#include "file_path.h"
#include "overview_figures.h"

class DatePort;

namespace overview {

// The overview as a workbook (XLSX) written straight to path. Sheet "Resumen": a title row
// (folder and date), a bold heading row that stays in view (frozen) and carries the
// autofilter, one row per document with real date and number cells, the next review in red
// when passed and amber when due within 30 days, the reason of a document that could not be
// read in red, and the total row. Sheet "Medidas vencidas": every overdue measure of every
// firm (firm, place, measure, responsible, planned date, days overdue). False, with the reason
// in UTF-8, when the file could not be written.
bool WriteOverviewXlsx(const Overview& overview, DatePort& dates, const FilePath& path, std::string* utf8Error);

}  // namespace overview
