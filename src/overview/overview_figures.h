#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "action_plan.h"
#include "date_port.h"
#include "file_path.h"

// What the overview of a folder keeps of each document: a few figures, never the document.
// Texts are Windows-1252, like the documents'; paths are UTF-8.
namespace overview {

// A file's modification time in the machine's local time.
struct Stamp {
    Date date;
    int hour = 0;
    int minute = 0;
    bool operator==(const Stamp&) const = default;
};

// A measure not done and planned before the overview's date.
struct OverdueMeasure {
    std::string place;
    std::string measure;
    std::string responsible;
    plan::PlanDate planned;
    int daysOverdue = 0;
};

struct DocumentFigures {
    FilePath path;         // as found in the folder
    std::string fileName;  // the path below the folder ("zona/taller.kl3"), UTF-8
    std::optional<Stamp> modified;
    // Set when the document could not be read: why (Windows-1252); the figures below stay empty.
    std::string error;
    int warnings = 0;  // the messages that reading it gave (bad lines)

    std::string firm;
    std::string taxId;
    plan::PlanDate evaluated;   // the firm's "Fecha Realiz"
    plan::PlanDate nextReview;  // the firm's "Próxima revisión"
    std::array<int, plan::kLevelCount> deficiencies{};
    int overdue = 0;
    int pending = 0;  // not done and not overdue: planned on or after the date, or undated
    int done = 0;
    // The completeness review's count of open points, where the review exists.
    std::optional<int> pendingPoints;
    std::vector<OverdueMeasure> overdueMeasures;

    bool Readable() const { return error.empty(); }
};

// The overview of one folder on one date: a row per document, in the folder's order.
struct Overview {
    FilePath folder;
    Date asOf;
    std::string asOfText;
    std::vector<DocumentFigures> documents;
};

}  // namespace overview
