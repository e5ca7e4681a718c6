#include "overview_csv.h"

#include "csv_field.h"
#include "overview_table.h"

namespace overview {

namespace {

std::string Neutralised(const std::string& text) {
    if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos) return "'" + text;
    return text;
}

void AppendLine(std::string& out, const auto& cellOf) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (c > 0) out += ';';
        plan::AppendCsvField(out, Neutralised(cellOf(static_cast<Column>(c))));
    }
    out += "\r\n";
}

}  // namespace

std::string OverviewCsv(const Overview& overview, DatePort& dates) {
    std::string out = "\xEF\xBB\xBF";
    AppendLine(out, [](Column c) { return ColumnHeading(c); });
    for (const DocumentFigures& figures : overview.documents)
        AppendLine(out, [&](Column c) { return CellText(figures, c, dates); });
    const Totals totals = Sum(overview.documents);
    AppendLine(out, [&](Column c) { return TotalText(totals, c); });
    return out;
}

}  // namespace overview
