#pragma once

#include <vector>

#include "view_item.h"

class NodeTable;

// The valuation arrangement: "Valoración" with the questionnaires grouped by the first
// character of their valuation (field::kQuestionnaireValuation): "Sin Valorar", "Aplicado", "Mejorable",
// "Deficiente", "Muy Deficiente". Items follow the slots.
std::vector<ViewItem> ValuationView(const NodeTable& table);
