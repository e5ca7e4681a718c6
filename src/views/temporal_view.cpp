#include "temporal_view.h"

#include "cp1252.h"
#include "kinds.h"
#include "node_table.h"

namespace {

enum DateGroup { kUndated, kDone, kPending };

ViewItem WithDateGroups(const std::string& text, int icon) {
    return {text,
            icon,
            {{W("Sin fecha"), icon::kUndated, {}},
             {"Realizadas", icon::kDone, {}},
             {"Pendiente", icon::kPending, {}}}};
}

// Dates are only tested for emptiness, never read: a blank counts as a date. The planned date
// decides first, so a completion without a planned date is still undated.
DateGroup GroupOf(const oToken& record) {
    if (record.GetField(6).empty()) return kUndated;
    return record.GetField(8).empty() ? kPending : kDone;
}

}  // namespace

std::vector<ViewItem> TemporalView(const NodeTable& table) {
    ViewItem inspections = WithDateGroups("Inspecciones", icon::kQuestionnaire);
    ViewItem measures = WithDateGroups("Medidas Preventivas", icon::kMeasure);
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record) continue;
        const char kind = record->GetKind(3);
        ViewItem* top = kind == kind::kQuestionnaire ? &inspections
                        : kind == kind::kMeasure     ? &measures
                                                     : nullptr;
        if (!top) continue;
        top->children[GroupOf(*record)].children.push_back({record->GetField(4), KindIcon(kind), {}});
    }
    return {std::move(inspections), std::move(measures)};
}
