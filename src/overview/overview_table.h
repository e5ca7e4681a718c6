#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "overview_figures.h"

class DatePort;

// The overview as a table: its columns, the text of each cell, the order of the rows by any
// column, the search, and the total row. CSV, XLSX and the window all take them from here.
namespace overview {

enum class Column {
    kFirm,
    kTaxId,
    kFile,
    kEvaluated,
    kNextReview,
    kCritical,
    kToCorrect,
    kToImprove,
    kNotEssential,
    kNotValued,
    kOverdue,
    kPending,
    kDone,
    kPendingPoints,
    kModified,
    kNotes,
};
constexpr int kColumnCount = 16;

const std::string& ColumnHeading(Column column);  // "Empresa" ... "Observaciones"
// The level whose deficiencies a column counts, if it counts deficiencies.
std::optional<plan::Level> LevelOf(Column column);
// Whether a column holds a whole number (shown right-aligned, summed in the total row).
bool IsCount(Column column);

// How near the next review is on the overview's date.
enum class Review { kNone, kLater, kSoon, kPassed };
constexpr int kSoonDays = 30;
// Passed: before asOf; soon: on asOf or within kSoonDays days after it.
Review ReviewOf(const DocumentFigures& figures, const Date& asOf);

// A count of a document in a count column; nothing for a document that could not be read, or
// for the completeness review's points where there is no review.
std::optional<int> CountOf(const DocumentFigures& figures, Column column);
// The cell's text (Windows-1252); dates as the document holds them, the modification time in
// the given date format with the hour.
std::string CellText(const DocumentFigures& figures, Column column, DatePort& dates);

// "3 avisos al leerlo", "1 aviso al leerlo", or the empty text.
std::string WarningsText(int warnings);

// Negative, zero or positive as a goes before, with or after b in the column's ascending
// order: counts and dates by value (nothing first), texts as a reader orders them.
int Compare(const DocumentFigures& a, const DocumentFigures& b, Column column);

// Whether the document's firm, NIF/CIF, file name or notes contain every word of the search
// (Windows-1252; case and accents are not told apart).
bool Matches(const DocumentFigures& figures, const std::string& search);

struct Totals {
    int documents = 0;
    int unreadable = 0;
    std::array<int, kColumnCount> counts{};   // by column, for the count columns
    std::array<bool, kColumnCount> present{};  // whether any document has a count there

    std::optional<int> Of(Column column) const;
};

Totals Sum(const std::vector<const DocumentFigures*>& rows);
Totals Sum(const std::vector<DocumentFigures>& rows);
// The total row's text: "Total: 12 documentos" under Empresa, "2 no se pueden leer" under
// Observaciones, the sums under the counts.
std::string TotalText(const Totals& totals, Column column);

}  // namespace overview
