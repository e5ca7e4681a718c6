#include "temporal_view.h"

#include "ancestors.h"
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
    if (record.GetField(field::kPlannedDate).empty()) return kUndated;
    return record.GetField(field::kDoneDate).empty() ? kPending : kDone;
}

}  // namespace

std::vector<ViewItem> TemporalView(const NodeTable& table) {
    ViewItem inspections = WithDateGroups("Inspecciones", icon::kQuestionnaire);
    ViewItem measures = WithDateGroups("Medidas Preventivas", icon::kMeasure);
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record) continue;
        const char kind = record->GetKind(field::kKind);
        ViewItem* top = kind == kind::kQuestionnaire ? &inspections
                        : kind == kind::kMeasure     ? &measures
                                                     : nullptr;
        if (!top) continue;
        // Measures of different places often read alike: the pointer tells where each one is.
        top->children[GroupOf(*record)].children.push_back(
            {record->GetField(field::kLabel), KindIcon(kind), {}, AncestorPath(table, *record, " / ")});
    }
    return {std::move(inspections), std::move(measures)};
}
