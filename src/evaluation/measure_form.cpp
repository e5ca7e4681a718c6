#include "measure_form.h"

#include "evaluation_texts.h"
#include "location_path.h"
#include "measure_cost.h"
#include "node_table.h"
#include "user_port.h"
#include "valuation_code.h"

void MeasureForm::Open(const NodeTable& table, const oToken& record, DatePort& dates, UserPort& port) {
    plannedDate_ = dates.Today();
    caption_ = text::kMeasureCaption;
    measure_ = record.GetField(field::kMeasure);
    comments_ = record.GetField(field::kComments);
    resources_ = record.GetField(field::kResources);
    cost_ = record.GetField(field::kCost);
    photos_ = ReadPhotoList(record);
    const std::string planned = record.GetField(field::kPlannedDate);
    if (!planned.empty()) {
        if (const std::optional<Date> date = dates.FromText(planned)) {
            plannedDate_ = *date;
        } else {
            port.ShowError(InvalidDateMessage(planned));
        }
    }

    level_ = kNone;
    detected_.clear();
    location_.clear();
    if (const oToken* deficiency = table.Parent(record)) {
        detected_ = deficiency->GetField(field::kDeficiencyDetected);
        level_ = valuation::InterventionLevel(deficiency->GetField(field::kValuationCode)).value_or(kNone);
        location_ = DeficiencyLocation(table, *deficiency);
    }
}

void MeasureForm::WriteBack(oToken& record, DatePort& dates) const {
    record.SetField(field::kMeasure, measure_);
    record.SetField(field::kComments, comments_);
    record.SetField(field::kPlannedDate, dates.ToText(plannedDate_));
    SetNewDataField(record, field::kResources, resources_);
    SetNewDataField(record, field::kCost, cost_);
    WritePhotoList(record, photos_);
}

std::optional<std::string> MeasureForm::SetCost(const std::string& typed) {
    // What was stored and is shown again unchanged stays, even when it is no cost.
    if (typed == cost_) return std::nullopt;
    const std::optional<std::string> stored = measure_cost::Stored(typed);
    if (!stored) return measure_cost::BadCostMessage(typed);
    cost_ = *stored;
    return std::nullopt;
}
