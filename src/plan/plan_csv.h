#pragma once

#include <string>

#include "action_plan.h"

namespace plan {

// The plan as CSV for a spreadsheet in a Spanish locale: UTF-8 with a byte order mark, ';'
// between fields, CR LF after every line, the heading line first, a field quoted (inner quotes
// doubled) when it holds a ';', a quote or a line break; dates as the document holds them. The
// "Estado" heading names the plan's date ("Estado a 11/04/2026"). A field that a spreadsheet
// would run as a formula (beginning with =, +, -, @, TAB or CR) is quoted with an apostrophe
// first, and control bytes other than line breaks are written as "\x1b".
std::string PlanCsv(const ActionPlan& plan);

}  // namespace plan
