#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --plan DOC OUT [--a-fecha DD/MM/AAAA]: the action plan of a document on today's date or the
// given one, written to OUT as a workbook, CSV or PDF by OUT's extension.
int RunPlan(HeadlessContext& context, const std::vector<std::string>& arguments);
