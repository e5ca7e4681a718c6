#include "plan_csv.h"

#include "cp1252.h"
#include "measure_cost.h"

namespace plan {

namespace {

void AppendField(std::string& out, const std::string& text) {
    const std::string utf8 = cp1252::ToUtf8(text);
    if (utf8.find_first_of(";\"\r\n") == std::string::npos) {
        out += utf8;
        return;
    }
    out += '"';
    for (const char c : utf8) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendLine(std::string& out, const auto& cellOf) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (c > 0) out += ';';
        AppendField(out, cellOf(static_cast<Column>(c)));
    }
    out += "\r\n";
}

}  // namespace

std::string PlanCsv(const ActionPlan& plan) {
    std::string out = "\xEF\xBB\xBF";
    AppendLine(out, [](Column c) -> const std::string& { return ColumnHeading(c); });
    for (const PlanRow& row : plan.rows)
        AppendLine(out, [&row, cost = row.cost ? measure_cost::StoredText(*row.cost) : std::string()](
                            Column c) -> const std::string& {
            // An amount as a number that a spreadsheet in Spanish reads: "1250,50".
            return c == Column::kCost && row.cost ? cost : row.Text(c);
        });
    return out;
}

}  // namespace plan
