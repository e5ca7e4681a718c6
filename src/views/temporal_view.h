#pragma once

#include <vector>

#include "view_item.h"

class NodeTable;

// The temporal arrangement: "Inspecciones" (the questionnaires) and "Medidas Preventivas" (the
// measures), each split into "Sin fecha", "Realizadas" and "Pendiente" by the emptiness of the
// planned date (field::kPlannedDate) and of the completion date (field::kDoneDate). Items follow the slots;
// each one's tooltip is the path of the nodes above it ("Empresa / Zona / Puesto / 01.- ... / 5. ...").
std::vector<ViewItem> TemporalView(const NodeTable& table);
