#include "plan_pdf.h"

#include "canvas_table.h"
#include "cp1252.h"

namespace plan {

namespace {

// Shares of the page's width: the long texts get the most, dates and names the least.
constexpr int kWeights[kColumnCount] = {7, 12, 11, 18, 16, 11, 8, 7, 7, 8, 7, 12};

}  // namespace

bool PrintPlan(const ActionPlan& plan, Canvas& canvas, std::string* error) {
    std::vector<TableColumn> columns;
    for (int c = 0; c < kColumnCount; ++c)
        columns.push_back({ColumnHeading(static_cast<Column>(c)), kWeights[c]});
    std::string left = W("Plan de acción");
    if (!plan.firm.empty()) left += W(" · ") + plan.firm;
    const TableFrame frame{W("Plan de acción"), left, "A fecha de " + plan.asOfText, 8};

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
