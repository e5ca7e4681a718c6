#include "overview_table.h"

#include <algorithm>

#include "cp1252.h"
#include "date_port.h"
#include "day_count.h"
#include "text_fold.h"

namespace overview {

namespace {

const std::array<std::string, kColumnCount> kHeadings = {
    "Empresa",   "NIF/CIF",           "Archivo",     W("Fecha de evaluación"), W("Próxima revisión"),
    W("Crítico"), "A corregir",        "A mejorar",   "No imprescindible",     "Sin valorar",
    "Medidas vencidas", "Pendientes", "Realizadas", "Puntos pendientes",   "Modificado",
    "Observaciones",
};

int DateOrder(const std::optional<Date>& a, const std::optional<Date>& b) {
    if (a.has_value() != b.has_value()) return a ? 1 : -1;
    if (!a) return 0;
    return DayNumber(*a) - DayNumber(*b);
}

int DateOrder(const plan::PlanDate& a, const plan::PlanDate& b) {
    if (const int order = DateOrder(a.date, b.date)) return order;
    return a.text.compare(b.text);
}

std::optional<Date> StampDate(const DocumentFigures& f) {
    return f.modified ? std::optional<Date>(f.modified->date) : std::nullopt;
}

// The text a text column is ordered by: the file's name as the system spells it.
std::string SortText(const DocumentFigures& f, Column column) {
    switch (column) {
        case Column::kFirm:
            return f.firm;
        case Column::kTaxId:
            return f.taxId;
        case Column::kFile:
            return f.fileName;
        default:
            return f.Readable() ? WarningsText(f.warnings) : f.error;
    }
}

std::string TwoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

}  // namespace

const std::string& ColumnHeading(Column column) {
    return kHeadings[static_cast<int>(column)];
}

std::optional<plan::Level> LevelOf(Column column) {
    const int c = static_cast<int>(column);
    const int first = static_cast<int>(Column::kCritical);
    if (c < first || c >= first + plan::kLevelCount) return std::nullopt;
    return static_cast<plan::Level>(c - first);
}

bool IsCount(Column column) {
    return LevelOf(column) || column == Column::kOverdue || column == Column::kPending ||
           column == Column::kDone || column == Column::kPendingPoints;
}

Review ReviewOf(const DocumentFigures& figures, const Date& asOf) {
    if (!figures.nextReview.date) return Review::kNone;
    const int days = DaysBetween(asOf, *figures.nextReview.date);
    if (days < 0) return Review::kPassed;
    return days <= kSoonDays ? Review::kSoon : Review::kLater;
}

std::optional<int> CountOf(const DocumentFigures& figures, Column column) {
    if (!figures.Readable()) return std::nullopt;
    if (const auto level = LevelOf(column)) return figures.deficiencies[static_cast<int>(*level)];
    switch (column) {
        case Column::kOverdue:
            return figures.overdue;
        case Column::kPending:
            return figures.pending;
        case Column::kDone:
            return figures.done;
        case Column::kPendingPoints:
            return figures.pendingPoints;
        default:
            return std::nullopt;
    }
}

std::string WarningsText(int warnings) {
    if (warnings == 0) return {};
    return std::to_string(warnings) + (warnings == 1 ? " aviso al leerlo" : " avisos al leerlo");
}

std::string CellText(const DocumentFigures& f, Column column, DatePort& dates) {
    if (IsCount(column)) {
        const auto count = CountOf(f, column);
        return count ? std::to_string(*count) : std::string();
    }
    switch (column) {
        case Column::kFirm:
            return f.firm;
        case Column::kTaxId:
            return f.taxId;
        case Column::kFile:
            return cp1252::FromUtf8(f.fileName);
        case Column::kEvaluated:
            return f.evaluated.text;
        case Column::kNextReview:
            return f.nextReview.text;
        case Column::kModified:
            return f.modified ? dates.ToText(f.modified->date) + ' ' + TwoDigits(f.modified->hour) + ':' +
                                    TwoDigits(f.modified->minute)
                              : std::string();
        case Column::kNotes:
            return f.Readable() ? WarningsText(f.warnings) : f.error;
        default:
            return {};
    }
}

int Compare(const DocumentFigures& a, const DocumentFigures& b, Column column) {
    if (IsCount(column)) {
        const auto x = CountOf(a, column), y = CountOf(b, column);
        return x == y ? 0 : (x < y ? -1 : 1);  // nothing before any count
    }
    switch (column) {
        case Column::kEvaluated:
            return DateOrder(a.evaluated, b.evaluated);
        case Column::kNextReview:
            return DateOrder(a.nextReview, b.nextReview);
        case Column::kModified: {
            if (const int order = DateOrder(StampDate(a), StampDate(b))) return order;
            if (!a.modified || !b.modified) return 0;
            return (a.modified->hour * 60 + a.modified->minute) - (b.modified->hour * 60 + b.modified->minute);
        }
        default:
            break;
    }
    // Texts: the folded form first, so that "Álava" goes with "alava"; then the bytes.
    const std::string x = SortText(a, column), y = SortText(b, column);
    if (const int folded = FoldForSearch(x).compare(FoldForSearch(y))) return folded;
    return x.compare(y);
}

bool Matches(const DocumentFigures& figures, const std::string& search) {
    const std::string text = FoldForSearch(figures.firm + '\n' + figures.taxId + '\n' +
                                           cp1252::FromUtf8(figures.fileName) + '\n' + figures.error);
    const std::string folded = FoldForSearch(search);
    std::size_t at = 0;
    while (at < folded.size()) {
        const std::size_t start = folded.find_first_not_of(' ', at);
        if (start == std::string::npos) break;
        const std::size_t end = std::min(folded.find(' ', start), folded.size());
        if (!ContainsFolded(text, std::string_view(folded).substr(start, end - start))) return false;
        at = end;
    }
    return true;
}

std::optional<int> Totals::Of(Column column) const {
    const int c = static_cast<int>(column);
    if (!IsCount(column) || !present[c]) return std::nullopt;
    return counts[c];
}

Totals Sum(const std::vector<const DocumentFigures*>& rows) {
    Totals totals;
    for (const DocumentFigures* f : rows) {
        ++totals.documents;
        if (!f->Readable()) ++totals.unreadable;
        for (int c = 0; c < kColumnCount; ++c) {
            if (const auto count = CountOf(*f, static_cast<Column>(c))) {
                totals.counts[c] += *count;
                totals.present[c] = true;
            }
        }
    }
    return totals;
}

Totals Sum(const std::vector<DocumentFigures>& rows) {
    std::vector<const DocumentFigures*> pointers;
    pointers.reserve(rows.size());
    for (const DocumentFigures& f : rows)
        pointers.push_back(&f);
    return Sum(pointers);
}

std::string TotalText(const Totals& totals, Column column) {
    if (const auto count = totals.Of(column)) return std::to_string(*count);
    if (column == Column::kFirm)
        return "Total: " + std::to_string(totals.documents) + (totals.documents == 1 ? " documento" : " documentos");
    if (column == Column::kNotes && totals.unreadable > 0)
        return std::to_string(totals.unreadable) + (totals.unreadable == 1 ? " no se puede leer" : " no se pueden leer");
    return {};
}

}  // namespace overview
