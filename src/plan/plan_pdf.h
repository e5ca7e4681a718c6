#pragma once

#include <string>
#include <vector>

#include "action_plan.h"
#include "canvas_table.h"

class Canvas;

namespace plan {

// The plan printed as a table on a landscape page: the plan's title (firm) on the left of every
// page's header and its date on the right, the heading row on every page, the level's cell in a
// tint of its colour, the page numbers at the foot. False, with the printer's reason, when the job could not start.
bool PrintPlan(const ActionPlan& plan, Canvas& canvas, std::string* error);

// The printed table's columns (headings and shares of the width) and rows, for some of the
// plan's columns in the order given: what PrintPlan prints with all of them, and what a
// narrower page can show. The places go without the firm's name in front.
std::vector<TableColumn> PlanTableColumns(const std::vector<Column>& columns);
std::vector<std::vector<std::string>> PlanTableRows(const ActionPlan& plan,
                                                    const std::vector<Column>& columns);

}  // namespace plan
