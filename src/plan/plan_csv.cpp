#include "plan_csv.h"

#include "csv_field.h"
#include "measure_cost.h"

namespace plan {

namespace {

void AppendLine(std::string& out, const auto& cellOf) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (c > 0) out += ';';
        AppendCsvField(out, cellOf(static_cast<Column>(c)));
    }
    out += "\r\n";
}

}  // namespace

std::string PlanCsv(const ActionPlan& plan) {
    std::string out = "\xEF\xBB\xBF";
    // The states are those of the plan's date, which the file would not say otherwise.
    const std::string state = ColumnHeading(Column::kState) + " a " + plan.asOfText;
    AppendLine(out, [&state](Column c) -> const std::string& {
        return c == Column::kState ? state : ColumnHeading(c);
    });
    for (const PlanRow& row : plan.rows)
        AppendLine(out, [&row, cost = row.cost ? measure_cost::StoredText(*row.cost) : std::string()](
                            Column c) -> const std::string& {
            // An amount as a number that a spreadsheet in Spanish reads: "1250,50".
            return c == Column::kCost && row.cost ? cost : row.Text(c);
        });
    return out;
}

}  // namespace plan
