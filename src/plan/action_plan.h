#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "date_port.h"
#include "photo_list.h"

class DocumentSession;
class oToken;

// The action plan: every preventive measure of the document, and every deficiency that has no
// measure yet, as the rows of one table with the level, place, dates and state of each, in the
// order in which they are to be dealt with. Texts are Windows-1252, like the document's.
namespace plan {

// Intervention levels in the plan's order; kNotValued for a deficiency whose valuation code
// names no level.
enum class Level { kCritical, kToCorrect, kToImprove, kNotEssential, kNotValued };
constexpr int kLevelCount = 5;

// The state of a row on the plan's date.
enum class State {
    kOverdue,    // "Vencida": not done and planned before the plan's date
    kPending,    // "Pendiente": not done and planned on or after it
    kUndated,    // "Sin fecha": not done and without a readable planned date
    kDone,       // "Realizada": done on or before the plan's date
    kNoMeasure,  // "Sin medida": a deficiency without any measure
};
constexpr int kStateCount = 5;

// The columns of the plan, in their order.
enum class Column {
    kLevel,
    kPlace,
    kQuestionnaire,
    kDeficiency,
    kMeasure,
    kResources,
    kResponsible,
    kPlannedDate,
    kDoneDate,
    kDoneBy,
    kState,
    kComments,
    kCost,  // "Coste (€)", at the right edge of the printed table, where its total stands
    kPhotos,  // "Fotos": the names of the row's photos; in the files and the window, not on paper
};
constexpr int kColumnCount = 14;

const std::string& ColumnHeading(Column column);
// The level of a deficiency's stored valuation code (field::kValuationCode).
Level LevelOfCode(const std::string& storedCode);
const std::string& LevelName(Level level);  // "Crítico" ... "Sin valorar"
const std::string& StateName(State state);  // "Vencida" ... "Sin medida"
// The heading of a count of rows in a state: "Vencidas" ... "Sin medida".
const std::string& StateHeading(State state);

// The intervention level that a deficiency's valuation code names.
Level DeficiencyLevel(const oToken& deficiency);

// A date field as stored and as read: the text is kept whatever it holds; the date is there only
// when the text is a date in the document's short date format.
struct PlanDate {
    std::string text;
    std::optional<Date> date;
};

struct PlanRow {
    int slot = 0;     // the node table slot of the measure, or of the deficiency without measure
    char kind = ' ';  // kind::kMeasure or kind::kDeficiency
    Level level = Level::kNotValued;
    std::string place;          // firm, zones and workstations above the questionnaire, " / "
    std::string questionnaire;  // the questionnaire's title
    std::string deficiency;     // the item, and " — " with the deficiency detected when there is one
    std::string measure;
    std::string resources;
    std::optional<long long> cost;  // "Coste previsto (€)" in cents, when it is an amount
    std::string costText;           // "1.250,50"; a stored text that is no amount as it is
    std::string responsible;  // the technician of the planned date
    PlanDate planned;
    PlanDate done;
    std::string doneBy;
    State state = State::kNoMeasure;
    std::string comments;  // the measure's two comments (fields 5 and 10), on lines of their own
    PhotoList photos;             // the row's own record's: the measure's, or the deficiency's
    PhotoList deficiencyPhotos;   // a measure's: those of its deficiency
    std::string photoNames;       // the names of both, the row's own first, ", " between them

    // The cell's text, as the CSV and the window show it (dates as in the document).
    const std::string& Text(Column column) const;
};

struct PlanCounts {
    std::array<int, kStateCount> byState{};
    std::array<std::array<int, kStateCount>, kLevelCount> byLevelAndState{};
    int total = 0;
    // The planned costs of the measures, in cents: by level, all of them, and those not done.
    std::array<long long, kLevelCount> costByLevel{};
    long long cost = 0;
    long long pendingCost = 0;
    int costed = 0;  // the measures that have a cost

    int Of(State state) const { return byState[static_cast<int>(state)]; }
    int Of(Level level, State state) const {
        return byLevelAndState[static_cast<int>(level)][static_cast<int>(state)];
    }
};

struct ActionPlan {
    Date asOf;                  // the plan's date ("a fecha de")
    std::string asOfText;       // the same in the document's short date format
    std::string firm;           // the name of the record in slot 1
    std::vector<PlanRow> rows;  // in the plan's order
    PlanCounts counts;
};

// The plan of the session's document on the date asOf. Rows go by level (Crítico first, Sin
// valorar last), then by planned date (earliest first, none last), then in the document's order:
// the document tree's while it is shown, else the node table's (which is the file's order after
// opening or saving). The views leave the records as they are, so the plan is the same in all.
ActionPlan BuildActionPlan(const DocumentSession& session, DatePort& dates, const Date& asOf);

// Whether a date is earlier than another.
bool Before(const Date& a, const Date& b);

// The state of a measure on the date asOf: "Realizada" only when its done date reads as a date
// on or before asOf; until then (and for a done field that is not a date) "Vencida",
// "Pendiente" or "Sin fecha" by its planned date. Every output of a measure's state asks this.
State MeasureState(const PlanDate& planned, const PlanDate& done, const Date& asOf);

}  // namespace plan
