#pragma once

#include <string>

#include "action_plan.h"

class Canvas;

namespace plan {

// The plan printed as a table on a landscape page: the plan's title (firm) on the left of every
// page's header and its date on the right, the heading row on every page, the page numbers at
// the foot. False, with the printer's reason, when the job could not start.
bool PrintPlan(const ActionPlan& plan, Canvas& canvas, std::string* error);

}  // namespace plan
