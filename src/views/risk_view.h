#pragma once

#include <vector>

#include "view_item.h"

class Catalogue;
class NodeTable;

// The risk arrangement: "Riesgos" with one group per catalogue questionnaire (all 23, also when
// empty) listing the places (firm, zones, workstations) it is assigned to, in slot order of the
// questionnaire records.
std::vector<ViewItem> RiskView(const NodeTable& table, const Catalogue& catalogue);
