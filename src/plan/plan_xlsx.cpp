#include "plan_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>

#include "cp1252.h"
#include "plan_colours.h"
#include "plan_summary.h"
#include "xlsx_book.h"

namespace plan {

namespace {

constexpr lxw_row_t kTitleRow = 0;
constexpr lxw_row_t kCountsRow = 1;
constexpr lxw_row_t kHeadingRow = 2;
constexpr lxw_row_t kFirstDataRow = 3;
// Column widths in characters: at least the narrowest, at most the widest; longer texts wrap.
constexpr double kNarrowest = 8;
constexpr double kWidest = 48;
// Amounts in euros with two decimals, the thousands grouped as the spreadsheet's language groups them.
constexpr const char* kEuroFormat = "#,##0.00 \"€\"";

// The characters of a UTF-8 text (continuation bytes are not counted).
std::size_t Characters(const std::string& utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A text that a cell cannot hold whole: its first characters, the last of them "…".
std::string Shortened(const std::string& utf8) {
    std::size_t kept = 0, end = 0;
    for (; end < utf8.size(); ++end) {
        if ((static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80 && kept++ == kCellCharacters - 1) break;
    }
    return utf8.substr(0, end) + "\xE2\x80\xA6";
}

// Writes the texts of the plan's cells; a text longer than a cell holds is shortened, and said.
class CellWriter {
public:
    CellWriter(lxw_worksheet* sheet, std::vector<std::string>* warnings) : sheet_(sheet), warnings_(warnings) {}

    void Text(lxw_row_t row, lxw_col_t col, std::string utf8, lxw_format* format, const std::string& heading) {
        const std::size_t length = Characters(utf8);
        if (length > kCellCharacters) {
            utf8 = Shortened(utf8);
            if (warnings_) {
                char name[LXW_MAX_CELL_NAME_LENGTH];
                lxw_rowcol_to_cell(name, row, col);
                warnings_->push_back(std::string(name) + " (" + heading + "): " + std::to_string(length) +
                                     " caracteres, acortado a " + std::to_string(kCellCharacters));
            }
        }
        const lxw_error result = worksheet_write_string(sheet_, row, col, utf8.c_str(), format);
        if (result != LXW_NO_ERROR && error_ == LXW_NO_ERROR) error_ = result;
    }
    lxw_error Error() const { return error_; }

private:
    lxw_worksheet* sheet_;
    std::vector<std::string>* warnings_;
    lxw_error error_ = LXW_NO_ERROR;
};

struct Formats {
    explicit Formats(lxw_workbook* book) {
        title = TitleFormat(book);
        heading = HeadingFormat(book);
        text = workbook_add_format(book);
        format_set_text_wrap(text);
        format_set_align(text, LXW_ALIGN_VERTICAL_TOP);
        date = workbook_add_format(book);
        format_set_num_format(date, "dd/mm/yyyy");
        format_set_align(date, LXW_ALIGN_VERTICAL_TOP);
        format_set_align(date, LXW_ALIGN_LEFT);
        euros = workbook_add_format(book);
        format_set_num_format(euros, kEuroFormat);
        format_set_align(euros, LXW_ALIGN_VERTICAL_TOP);
        totalEuros = workbook_add_format(book);
        format_set_num_format(totalEuros, kEuroFormat);
        format_set_bold(totalEuros);
        format_set_top(totalEuros, LXW_BORDER_THIN);
        for (int l = 0; l < kLevelCount; ++l) {
            const auto level = static_cast<Level>(l);
            lxw_format* f = workbook_add_format(book);
            format_set_bg_color(f, static_cast<lxw_color_t>(LevelColour(level).Packed()));
            format_set_font_color(f, LevelTextIsLight(level) ? LXW_COLOR_WHITE : LXW_COLOR_BLACK);
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_VERTICAL_TOP);
            levels[l] = f;
        }
    }
    lxw_format* title;
    lxw_format* heading;
    lxw_format* text;
    lxw_format* date;
    lxw_format* euros;
    lxw_format* totalEuros;
    std::array<lxw_format*, kLevelCount> levels{};
};

// Spreadsheets count dates from 1900: an earlier one would be a negative number.
constexpr int kFirstSerialYear = 1900;

void WriteDate(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const PlanDate& date, const Formats& f) {
    if (date.date && date.date->year >= kFirstSerialYear) {
        lxw_datetime value{date.date->year, date.date->month, date.date->day, 0, 0, 0};
        worksheet_write_datetime(sheet, row, col, &value, f.date);
    } else if (!date.text.empty()) {
        worksheet_write_string(sheet, row, col, XlsxText(date.text).c_str(), f.text);
    }
}

lxw_error WritePlanSheet(lxw_workbook* book, const ActionPlan& plan, const Formats& f,
                         std::vector<std::string>* warnings) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, cp1252::ToUtf8(W("Plan de acción")).c_str());
    worksheet_write_string(sheet, kTitleRow, 0, XlsxText(TitleText(plan)).c_str(), f.title);
    worksheet_write_string(sheet, kCountsRow, 0, XlsxText(CountsText(plan.counts)).c_str(), nullptr);

    CellWriter cells(sheet, warnings);
    std::array<double, kColumnCount> widths{};
    std::array<std::string, kColumnCount> headings;
    for (int c = 0; c < kColumnCount; ++c) {
        headings[c] = XlsxText(ColumnHeading(static_cast<Column>(c)));
        worksheet_write_string(sheet, kHeadingRow, static_cast<lxw_col_t>(c), headings[c].c_str(), f.heading);
        widths[c] = LongestLine(headings[c]);
    }
    lxw_row_t r = kFirstDataRow;
    for (const PlanRow& row : plan.rows) {
        for (int c = 0; c < kColumnCount; ++c) {
            const auto column = static_cast<Column>(c);
            const auto col = static_cast<lxw_col_t>(c);
            if (column == Column::kPlannedDate || column == Column::kDoneDate) {
                WriteDate(sheet, r, col, column == Column::kPlannedDate ? row.planned : row.done, f);
                widths[c] = std::max(widths[c], 10.0);
                continue;
            }
            if (column == Column::kCost && row.cost) {
                worksheet_write_number(sheet, r, col, static_cast<double>(*row.cost) / 100, f.euros);
                widths[c] = std::max(widths[c], LongestLine(row.costText) + 2);
                continue;
            }
            const std::string text = XlsxText(row.Text(column));
            if (text.empty()) continue;
            lxw_format* format = column == Column::kLevel ? f.levels[static_cast<int>(row.level)] : f.text;
            cells.Text(r, col, text, format, headings[c]);
            widths[c] = std::max(widths[c], LongestLine(text));
        }
        ++r;
    }
    const lxw_row_t lastDataRow = r - 1;
    if (plan.counts.costed > 0) {
        // Below the rows, apart from the filter's range: the sum of the costs.
        const auto cost = static_cast<lxw_col_t>(Column::kCost);
        worksheet_write_string(sheet, r + 1, cost - 1, "Total", f.heading);
        char name[8] = {};
        lxw_col_to_name(name, cost, 0);
        const std::string column = name;
        const std::string formula = "=SUM(" + column + std::to_string(kFirstDataRow + 1) + ":" + column +
                                    std::to_string(lastDataRow + 1) + ")";
        worksheet_write_formula_num(sheet, r + 1, cost, formula.c_str(), f.totalEuros,
                                    static_cast<double>(plan.counts.cost) / 100);
    }
    for (int c = 0; c < kColumnCount; ++c) {
        const double width = std::clamp(widths[c] + 2, kNarrowest, kWidest);
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width, nullptr);
    }
    worksheet_freeze_panes(sheet, kFirstDataRow, 0);
    worksheet_autofilter(sheet, kHeadingRow, 0, std::max(kHeadingRow, lastDataRow),
                         static_cast<lxw_col_t>(kColumnCount - 1));
    // On paper: landscape, as wide as one page, the heading row on every page.
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9);  // A4
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, kHeadingRow, kHeadingRow);
    return cells.Error();
}

void WriteSummarySheet(lxw_workbook* book, const ActionPlan& plan, const Formats& f) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Resumen");
    worksheet_write_string(sheet, 0, 0, XlsxText(TitleText(plan)).c_str(), f.title);
    worksheet_write_string(sheet, 2, 0, "Nivel", f.heading);
    for (int s = 0; s < kStateCount; ++s) {
        worksheet_write_string(sheet, 2, static_cast<lxw_col_t>(s + 1),
                               XlsxText(StateHeading(static_cast<State>(s))).c_str(), f.heading);
    }
    worksheet_write_string(sheet, 2, kStateCount + 1, "Total", f.heading);
    constexpr lxw_col_t kCostColumn = kStateCount + 2;
    worksheet_write_string(sheet, 2, kCostColumn, XlsxText(ColumnHeading(Column::kCost)).c_str(), f.heading);
    lxw_row_t r = 3;
    for (int l = 0; l < kLevelCount; ++l, ++r) {
        const auto level = static_cast<Level>(l);
        worksheet_write_string(sheet, r, 0, XlsxText(LevelName(level)).c_str(), f.levels[l]);
        int total = 0;
        for (int s = 0; s < kStateCount; ++s) {
            const int n = plan.counts.Of(level, static_cast<State>(s));
            total += n;
            worksheet_write_number(sheet, r, static_cast<lxw_col_t>(s + 1), n, nullptr);
        }
        worksheet_write_number(sheet, r, kStateCount + 1, total, nullptr);
        worksheet_write_number(sheet, r, kCostColumn, static_cast<double>(plan.counts.costByLevel[l]) / 100,
                               f.euros);
    }
    worksheet_write_string(sheet, r, 0, "Total", f.heading);
    for (int s = 0; s < kStateCount; ++s)
        worksheet_write_number(sheet, r, static_cast<lxw_col_t>(s + 1), plan.counts.byState[s], f.heading);
    worksheet_write_number(sheet, r, kStateCount + 1, plan.counts.total, f.heading);
    worksheet_write_number(sheet, r, kCostColumn, static_cast<double>(plan.counts.cost) / 100, f.totalEuros);
    // What the measures not done yet will cost.
    worksheet_write_string(sheet, r + 1, kStateCount + 1, "Pendiente", f.heading);
    worksheet_write_number(sheet, r + 1, kCostColumn, static_cast<double>(plan.counts.pendingCost) / 100,
                           f.totalEuros);
    worksheet_set_column(sheet, 0, 0, 20, nullptr);
    worksheet_set_column(sheet, 1, kStateCount + 1, 12, nullptr);
    worksheet_set_column(sheet, kCostColumn, kCostColumn, 16, nullptr);
}

}  // namespace

bool WritePlanXlsx(const ActionPlan& plan, const FilePath& path, std::string* utf8Error,
                   std::vector<std::string>* warnings) {
    XlsxWorkbook book(path);
    if (!book.get()) return book.Close(path, utf8Error);
    const Formats formats(book.get());
    if (const lxw_error result = WritePlanSheet(book.get(), plan, formats, warnings); result != LXW_NO_ERROR) {
        if (utf8Error) *utf8Error = path.Utf8() + ": " + lxw_strerror(result);
        return false;
    }
    WriteSummarySheet(book.get(), plan, formats);
    const std::string title = cp1252::ToUtf8(W("Plan de acción"));
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    workbook_set_properties(book.get(), &properties);
    return book.Close(path, utf8Error);
}

}  // namespace plan
