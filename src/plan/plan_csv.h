#pragma once

#include <string>

#include "action_plan.h"

namespace plan {

// The plan as CSV for a spreadsheet in a Spanish locale: UTF-8 with a byte order mark, ';'
// between fields, CR LF after every line, the heading line first, a field quoted (inner quotes
// doubled) when it holds a ';', a quote or a line break; dates as the document holds them.
std::string PlanCsv(const ActionPlan& plan);

}  // namespace plan
