#pragma once

#include <vector>

#include "view_item.h"

class NodeTable;

// The temporal arrangement: "Inspecciones" (the questionnaires) and "Medidas Preventivas" (the
// measures), each split into "Sin fecha", "Realizadas" and "Pendiente" by the emptiness of the
// planned date (field 6) and of the completion date (field 8). Items follow the slots.
std::vector<ViewItem> TemporalView(const NodeTable& table);
