#include "plan_pdf.h"

#include "canvas_table.h"
#include "cp1252.h"
#include "plan_summary.h"

namespace plan {

namespace {

// Shares of the page's width: the long texts get the most. Level, dates and state are as wide
// as their texts.
constexpr int kWeights[kColumnCount] = {0, 12, 11, 16, 15, 11, 10, 0, 0, 10, 0, 12};

}  // namespace

bool PrintPlan(const ActionPlan& plan, Canvas& canvas, std::string* error) {
    std::vector<TableColumn> columns;
    for (int c = 0; c < kColumnCount; ++c)
        columns.push_back({ColumnHeading(static_cast<Column>(c)), kWeights[c], kWeights[c] == 0});
    const TableFrame frame{W("Plan de acción"), HeadingText(plan), "A fecha de " + plan.asOfText, 8};

    std::vector<std::vector<std::string>> rows;
    rows.reserve(plan.rows.size());
    for (const PlanRow& row : plan.rows) {
        std::vector<std::string> cells;
        cells.reserve(kColumnCount);
        for (int c = 0; c < kColumnCount; ++c)
            cells.push_back(row.Text(static_cast<Column>(c)));
        rows.push_back(std::move(cells));
    }
    CanvasTable table(canvas, std::move(columns), frame);
    return table.Print(rows, error);
}

}  // namespace plan
