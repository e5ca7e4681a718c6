#include "plan_pdf.h"

#include "cp1252.h"
#include "plan_colours.h"
#include "plan_summary.h"

namespace plan {

namespace {

// Shares of the page's width: the long texts get the most. Level, dates and state are as wide
// as their texts.
constexpr int kWeights[kColumnCount] = {0, 12, 11, 16, 15, 11, 10, 0, 0, 10, 0, 12, 0, 10};

}  // namespace

std::vector<TableColumn> PlanTableColumns(const std::vector<Column>& columns) {
    std::vector<TableColumn> out;
    for (const Column column : columns) {
        const int weight = kWeights[static_cast<int>(column)];
        out.push_back({ColumnHeading(column), weight, weight == 0, column == Column::kCost});
    }
    return out;
}

std::vector<std::vector<std::string>> PlanTableRows(const ActionPlan& plan,
                                                    const std::vector<Column>& columns) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(plan.rows.size());
    // The firm is in every page's header: its name does not open every place again.
    const std::string firm = plan.firm + " / ";
    for (const PlanRow& row : plan.rows) {
        std::vector<std::string> cells;
        cells.reserve(columns.size());
        for (const Column column : columns) {
            cells.push_back(row.Text(column));
            if (column == Column::kPlace && !plan.firm.empty() && cells.back().compare(0, firm.size(), firm) == 0)
                cells.back().erase(0, firm.size());
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

bool PrintPlan(const ActionPlan& plan, Canvas& canvas, std::string* error) {
    std::vector<Column> all;
    // The photos' names say nothing on paper.
    for (int c = 0; c < kColumnCount; ++c) {
        if (static_cast<Column>(c) != Column::kPhotos) all.push_back(static_cast<Column>(c));
    }
    const TableFrame frame{W("Plan de acción"), HeadingText(plan), "A fecha de " + plan.asOfText, 8};
    CanvasTable table(canvas, PlanTableColumns(all), frame);
    // The level's cell in a tint of its colour, as the window and the workbook colour it.
    table.SetCellFill([&plan](std::size_t row, std::size_t column) {
        return static_cast<Column>(column) == Column::kLevel ? std::optional<int>(LevelTint(plan.rows[row].level).Packed())
                                                             : std::nullopt;
    });
    return table.Print(PlanTableRows(plan, all), error);
}

}  // namespace plan
