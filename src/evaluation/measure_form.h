#pragma once

#include <optional>
#include <string>

#include "date_port.h"
#include "photo_list.h"

class NodeTable;
class oToken;
class UserPort;

// The measure dialog's state: the texts of a new preventive measure, its planned date, and what
// it shows of the deficiency above it (its location, the deficiency detected and its level).
class MeasureForm {
public:
    static constexpr int kNone = -1;

    // Everything that happens before the window shows, for a measure record whose field::kParent
    // names its deficiency. The planned date starts as today's.
    void Open(const NodeTable& table, const oToken& record, DatePort& dates, UserPort& port);
    // The measure, comments and planned date from the form; the planned date is always written,
    // the resources only when there are some or were some before.
    void WriteBack(oToken& record, DatePort& dates) const;

    const std::string& Caption() const { return caption_; }
    const std::string& Location() const { return location_; }  // Edit1
    // The deficiency's level as the index of the level button (0 " Crítico" .. 3), or kNone.
    int Level() const { return level_; }

    const std::string& Measure() const { return measure_; }      // Edit2, field::kMeasure
    const std::string& Detected() const { return detected_; }    // Edit3, shown only
    const std::string& Comments() const { return comments_; }    // Memo1, field::kComments
    const Date& PlannedDate() const { return plannedDate_; }     // dtP, field::kPlannedDate
    const std::string& Resources() const { return resources_; }  // "Recursos:", field::kResources
    // "Coste previsto (€)": field::kCost, in its stored form once SetCost accepted it.
    const std::string& Cost() const { return cost_; }
    void SetMeasure(const std::string& text) { measure_ = text; }
    void SetComments(const std::string& text) { comments_ = text; }
    void SetPlannedDate(const Date& date) { plannedDate_ = date; }
    void SetResources(const std::string& text) { resources_ = text; }
    // The measure's photos (field 16).
    const PhotoList& Photos() const { return photos_; }
    void SetPhotos(const PhotoList& photos) { photos_ = photos; }
    // Takes a typed cost in its stored form; the message for one that is not a cost (which is
    // then not taken).
    std::optional<std::string> SetCost(const std::string& typed);

private:
    std::string caption_;
    std::string location_;
    int level_ = kNone;
    std::string measure_;
    std::string detected_;
    std::string comments_;
    Date plannedDate_;
    std::string resources_;
    std::string cost_;
    PhotoList photos_;
};
