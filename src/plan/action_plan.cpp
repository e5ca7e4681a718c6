#include "action_plan.h"

#include <algorithm>
#include <tuple>

#include "ancestors.h"
#include "cp1252.h"
#include "document_session.h"
#include "kinds.h"
#include "measure_cost.h"
#include "valuation_code.h"

namespace plan {

namespace {

const std::array<std::string, kColumnCount> kHeadings = {
    "Nivel",       "Lugar",          W("Cuestionario"),      "Deficiencia",   "Medida", "Recursos",
    "Responsable", "Fecha prevista", W("Fecha realización"), "Realizada por", "Estado", "Comentarios", W("Coste (€)"),
    "Fotos",
};
const std::array<std::string, kLevelCount> kLevelNames = {
    W("Crítico"), "A corregir", "A mejorar", "No imprescindible", "Sin valorar",
};
const std::array<std::string, kStateCount> kStateNames = {
    "Vencida", "Pendiente", "Sin fecha", "Realizada", "Sin medida",
};
const std::array<std::string, kStateCount> kStateHeadings = {
    "Vencidas", "Pendientes", "Sin fecha", "Realizadas", "Sin medida",
};
const std::string kDetectedSeparator = W(" — ");
const std::string kPlaceSeparator = " / ";

Level LevelOf(const oToken* deficiency) {
    return deficiency ? LevelOfCode(deficiency->GetField(field::kValuationCode)) : Level::kNotValued;
}

PlanDate ReadDate(const oToken& record, int field, DatePort& dates) {
    PlanDate date{record.GetField(field), std::nullopt};
    if (!date.text.empty()) date.date = dates.FromText(date.text);
    return date;
}

const oToken* ParentOfKind(const NodeTable& table, const oToken& record, char kind) {
    const oToken* parent = table.Parent(record);
    return parent && parent->GetKind(field::kKind) == kind ? parent : nullptr;
}

// Level, place, questionnaire and deficiency of a row, from its deficiency (nullptr for a
// measure that hangs under something else; the measure itself then stands for it).
void Describe(const NodeTable& table, const oToken* deficiency, const oToken& row, PlanRow& out) {
    out.level = LevelOf(deficiency);
    const oToken& anchor = deficiency ? *deficiency : row;
    if (deficiency) {
        out.deficiency = deficiency->GetField(field::kItem);
        const std::string detected = deficiency->GetField(field::kDeficiencyDetected);
        if (!detected.empty()) out.deficiency += kDetectedSeparator + detected;
    }
    if (const oToken* questionnaire = ParentOfKind(table, anchor, kind::kQuestionnaire)) {
        out.questionnaire = questionnaire->GetField(field::kTitle);
        out.place = AncestorPath(table, *questionnaire, kPlaceSeparator);
    } else {
        out.place = AncestorPath(table, anchor, kPlaceSeparator);
    }
}

PhotoList PhotosOf(const oToken* record) {
    return record ? ParsePhotoList(record->GetField(kPhotoField)) : PhotoList();
}

// The names of a row's photos in one cell.
std::string PhotoNames(const PlanRow& row) {
    std::string out;
    for (const PhotoList* list : {&row.photos, &row.deficiencyPhotos}) {
        for (const Photo& photo : *list)
            out += (out.empty() ? "" : ", ") + photo.file;
    }
    return out;
}

PlanRow MeasureRow(const NodeTable& table, const oToken& measure, DatePort& dates, const Date& asOf) {
    PlanRow row;
    row.kind = kind::kMeasure;
    const oToken* deficiency = ParentOfKind(table, measure, kind::kDeficiency);
    Describe(table, deficiency, measure, row);
    row.photos = PhotosOf(&measure);
    row.deficiencyPhotos = PhotosOf(deficiency);
    row.photoNames = PhotoNames(row);
    row.measure = measure.GetField(field::kMeasure);
    row.resources = measure.GetField(field::kResources);
    row.costText = measure.GetField(field::kCost);
    row.cost = measure_cost::Cents(row.costText);
    if (row.cost) row.costText = measure_cost::Shown(*row.cost);
    row.responsible = measure.GetField(field::kPlannedBy);
    row.planned = ReadDate(measure, field::kPlannedDate, dates);
    row.done = ReadDate(measure, field::kDoneDate, dates);
    row.doneBy = measure.GetField(field::kDoneBy);
    // The measure dialog's comments, then the data editor's: both are the measure's own.
    row.comments = measure.GetField(field::kComments);
    const std::string observations = measure.GetField(field::kObservations);
    if (!row.comments.empty() && !observations.empty()) row.comments += "\r\n";
    row.comments += observations;
    row.state = MeasureState(row.planned, row.done, asOf);
    return row;
}

PlanRow DeficiencyRow(const NodeTable& table, const oToken& deficiency) {
    PlanRow row;
    row.kind = kind::kDeficiency;
    Describe(table, &deficiency, deficiency, row);
    row.photos = PhotosOf(&deficiency);
    row.photoNames = PhotoNames(row);
    row.state = State::kNoMeasure;
    return row;
}

// The position of every slot in the document's order: the document tree's pre-order while it
// is shown; slots that it does not reach, and every slot in the other views, follow by number.
std::vector<int> DocumentOrder(const DocumentSession& session) {
    const NodeTable& table = session.Table();
    std::vector<int> rank(static_cast<std::size_t>(table.count()) + 1, 0);
    int next = 0;
    if (session.ViewMode() == view::kGeographic) {
        for (const TreeNode* node : session.Tree().PreOrder()) {
            const int slot = node->record ? table.SlotOf(node->record) : 0;
            if (slot > 0 && rank[slot] == 0) rank[slot] = ++next;
        }
    }
    for (int s = 1; s <= table.count(); ++s) {
        if (rank[s] == 0) rank[s] = ++next;
    }
    return rank;
}

}  // namespace

const std::string& StateHeading(State state) {
    return kStateHeadings[static_cast<int>(state)];
}

Level LevelOfCode(const std::string& storedCode) {
    // The code's levels '0'..'3', most urgent first.
    static constexpr Level kByCode[] = {Level::kCritical, Level::kToCorrect, Level::kToImprove,
                                        Level::kNotEssential};
    const std::optional<int> level = valuation::InterventionLevel(storedCode);
    return level ? kByCode[*level] : Level::kNotValued;
}

const std::string& ColumnHeading(Column column) {
    return kHeadings[static_cast<int>(column)];
}

const std::string& LevelName(Level level) {
    return kLevelNames[static_cast<int>(level)];
}

const std::string& StateName(State state) {
    return kStateNames[static_cast<int>(state)];
}

Level DeficiencyLevel(const oToken& deficiency) {
    return LevelOf(&deficiency);
}

bool Before(const Date& a, const Date& b) {
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

State MeasureState(const PlanDate& planned, const PlanDate& done, const Date& asOf) {
    if (done.date && !Before(asOf, *done.date)) return State::kDone;
    if (!planned.date) return State::kUndated;
    return Before(*planned.date, asOf) ? State::kOverdue : State::kPending;
}

const std::string& PlanRow::Text(Column column) const {
    switch (column) {
        case Column::kLevel:
            return LevelName(level);
        case Column::kPlace:
            return place;
        case Column::kQuestionnaire:
            return questionnaire;
        case Column::kDeficiency:
            return deficiency;
        case Column::kMeasure:
            return measure;
        case Column::kResources:
            return resources;
        case Column::kCost:
            return costText;
        case Column::kResponsible:
            return responsible;
        case Column::kPlannedDate:
            return planned.text;
        case Column::kDoneDate:
            return done.text;
        case Column::kDoneBy:
            return doneBy;
        case Column::kState:
            return StateName(state);
        case Column::kComments:
            return comments;
        case Column::kPhotos:
            return photoNames;
    }
    return comments;
}

ActionPlan BuildActionPlan(const DocumentSession& session, DatePort& dates, const Date& asOf) {
    const NodeTable& table = session.Table();
    ActionPlan plan;
    plan.asOf = asOf;
    plan.asOfText = dates.ToText(asOf);
    if (const oToken* firm = table.Record(1)) plan.firm = firm->GetField(field::kName);

    // Deficiencies that some measure hangs under.
    std::vector<bool> measured(static_cast<std::size_t>(table.count()) + 1, false);
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record || record->GetKind(field::kKind) != kind::kMeasure) continue;
        if (const oToken* deficiency = ParentOfKind(table, *record, kind::kDeficiency))
            measured[table.SlotOf(deficiency)] = true;
    }
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record) continue;
        const char kind = record->GetKind(field::kKind);
        if (kind == kind::kMeasure) {
            plan.rows.push_back(MeasureRow(table, *record, dates, asOf));
        } else if (kind == kind::kDeficiency && !measured[s]) {
            plan.rows.push_back(DeficiencyRow(table, *record));
        } else {
            continue;
        }
        plan.rows.back().slot = s;
    }

    const std::vector<int> rank = DocumentOrder(session);
    std::sort(plan.rows.begin(), plan.rows.end(), [&](const PlanRow& a, const PlanRow& b) {
        if (a.level != b.level) return a.level < b.level;
        const bool aDated = a.planned.date.has_value(), bDated = b.planned.date.has_value();
        if (aDated != bDated) return aDated;
        if (aDated && *a.planned.date != *b.planned.date) return Before(*a.planned.date, *b.planned.date);
        return rank[a.slot] < rank[b.slot];
    });

    for (const PlanRow& row : plan.rows) {
        ++plan.counts.byState[static_cast<int>(row.state)];
        ++plan.counts.byLevelAndState[static_cast<int>(row.level)][static_cast<int>(row.state)];
        ++plan.counts.total;
        if (!row.cost) continue;
        plan.counts.costByLevel[static_cast<int>(row.level)] += *row.cost;
        plan.counts.cost += *row.cost;
        ++plan.counts.costed;
        if (row.state != State::kDone) plan.counts.pendingCost += *row.cost;
    }
    return plan;
}

}  // namespace plan
