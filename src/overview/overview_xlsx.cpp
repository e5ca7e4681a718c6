#include "overview_xlsx.h"

#include <algorithm>
#include <array>

#include "cp1252.h"
#include "date_port.h"
#include "overview_table.h"
#include "xlsx_book.h"

namespace overview {

namespace {

using plan::LongestLine;
using plan::HeadingFormat;
using plan::TitleFormat;
using plan::XlsxText;

constexpr lxw_row_t kTitleRow = 0;
constexpr lxw_row_t kHeadingRow = 1;
constexpr lxw_row_t kFirstDataRow = 2;
constexpr double kNarrowest = 8;
constexpr double kWidest = 48;
constexpr lxw_color_t kPassedColour = 0xE53935;  // the red of Crítico
constexpr lxw_color_t kSoonColour = 0xFFB300;    // amber

struct Formats {
    explicit Formats(lxw_workbook* book) {
        title = TitleFormat(book);
        heading = HeadingFormat(book);
        total = workbook_add_format(book);
        format_set_bold(total);
        format_set_top(total, LXW_BORDER_THIN);
        date = DateFormat(book, "dd/mm/yyyy");
        stamp = DateFormat(book, "dd/mm/yyyy hh:mm");
        passed = DateFormat(book, "dd/mm/yyyy");
        format_set_bg_color(passed, kPassedColour);
        format_set_font_color(passed, LXW_COLOR_WHITE);
        soon = DateFormat(book, "dd/mm/yyyy");
        format_set_bg_color(soon, kSoonColour);
        error = workbook_add_format(book);
        format_set_font_color(error, kPassedColour);
    }
    static lxw_format* DateFormat(lxw_workbook* book, const char* pattern) {
        lxw_format* f = workbook_add_format(book);
        format_set_num_format(f, pattern);
        format_set_align(f, LXW_ALIGN_LEFT);
        return f;
    }
    lxw_format* title;
    lxw_format* heading;
    lxw_format* total;
    lxw_format* date;
    lxw_format* stamp;
    lxw_format* passed;
    lxw_format* soon;
    lxw_format* error;
};

// A sheet's columns, widened to what they hold.
class Widths {
public:
    explicit Widths(std::size_t count) : widths_(count, 0) {}
    void Fit(lxw_col_t col, double characters) { widths_[col] = std::max(widths_[col], characters); }
    void Apply(lxw_worksheet* sheet) const {
        for (std::size_t c = 0; c < widths_.size(); ++c) {
            const auto col = static_cast<lxw_col_t>(c);
            worksheet_set_column(sheet, col, col, std::clamp(widths_[c] + 2, kNarrowest, kWidest), nullptr);
        }
    }

private:
    std::vector<double> widths_;
};

void WriteText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text, lxw_format* format,
               Widths& widths) {
    if (text.empty()) return;
    const std::string utf8 = XlsxText(text);
    worksheet_write_string(sheet, row, col, utf8.c_str(), format);
    widths.Fit(col, LongestLine(utf8));
}

void WriteDate(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const plan::PlanDate& date, lxw_format* format,
               Widths& widths) {
    if (date.date) {
        lxw_datetime value{date.date->year, date.date->month, date.date->day, 0, 0, 0};
        worksheet_write_datetime(sheet, row, col, &value, format);
        widths.Fit(col, 10);
    } else {
        WriteText(sheet, row, col, date.text, nullptr, widths);
    }
}

void Headings(lxw_worksheet* sheet, lxw_row_t row, const std::vector<std::string>& headings, const Formats& f,
              Widths& widths) {
    for (std::size_t c = 0; c < headings.size(); ++c)
        WriteText(sheet, row, static_cast<lxw_col_t>(c), headings[c], f.heading, widths);
}

// The heading stays in view and carries the autofilter over the rows below it.
void FreezeAndFilter(lxw_worksheet* sheet, lxw_row_t lastRow, std::size_t columns) {
    worksheet_freeze_panes(sheet, kFirstDataRow, 0);
    worksheet_autofilter(sheet, kHeadingRow, 0, std::max(kHeadingRow, lastRow),
                         static_cast<lxw_col_t>(columns - 1));
}

std::string Title(const Overview& overview, const std::string& what) {
    return what + " · " + cp1252::FromUtf8(overview.folder.Utf8()) + W(" · a fecha de ") + overview.asOfText;
}

void WriteDocument(lxw_worksheet* sheet, lxw_row_t r, const DocumentFigures& figures, const Date& asOf,
                   DatePort& dates, const Formats& f, Widths& widths) {
    for (int c = 0; c < kColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        const auto col = static_cast<lxw_col_t>(c);
        if (IsCount(column)) {
            if (const auto count = CountOf(figures, column)) {
                worksheet_write_number(sheet, r, col, *count, nullptr);
            }
        } else if (column == Column::kEvaluated) {
            WriteDate(sheet, r, col, figures.evaluated, f.date, widths);
        } else if (column == Column::kNextReview) {
            const Review review = ReviewOf(figures, asOf);
            WriteDate(sheet, r, col, figures.nextReview,
                      review == Review::kPassed ? f.passed : review == Review::kSoon ? f.soon : f.date, widths);
        } else if (column == Column::kModified && figures.modified) {
            const Stamp& s = *figures.modified;
            lxw_datetime value{s.date.year, s.date.month, s.date.day, s.hour, s.minute, 0};
            worksheet_write_datetime(sheet, r, col, &value, f.stamp);
            widths.Fit(col, 16);
        } else {
            const bool failure = column == Column::kNotes && !figures.Readable();
            WriteText(sheet, r, col, CellText(figures, column, dates), failure ? f.error : nullptr, widths);
        }
    }
}

void WriteOverviewSheet(lxw_workbook* book, const Overview& overview, DatePort& dates, const Formats& f) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Resumen");
    worksheet_write_string(sheet, kTitleRow, 0, XlsxText(Title(overview, "Resumen")).c_str(), f.title);
    Widths widths(kColumnCount);
    std::vector<std::string> headings;
    for (int c = 0; c < kColumnCount; ++c)
        headings.push_back(ColumnHeading(static_cast<Column>(c)));
    Headings(sheet, kHeadingRow, headings, f, widths);

    lxw_row_t r = kFirstDataRow;
    for (const DocumentFigures& figures : overview.documents)
        WriteDocument(sheet, r++, figures, overview.asOf, dates, f, widths);
    const lxw_row_t lastDocument = r - 1;

    const Totals totals = Sum(overview.documents);
    for (int c = 0; c < kColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        const auto col = static_cast<lxw_col_t>(c);
        if (const auto count = totals.Of(column)) {
            worksheet_write_number(sheet, r, col, *count, f.total);
        } else {
            worksheet_write_string(sheet, r, col, XlsxText(TotalText(totals, column)).c_str(), f.total);
        }
    }
    widths.Fit(0, LongestLine(XlsxText(TotalText(totals, Column::kFirm))));
    widths.Apply(sheet);
    FreezeAndFilter(sheet, lastDocument, kColumnCount);
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9);  // A4
    worksheet_fit_to_pages(sheet, 1, 0);
    worksheet_repeat_rows(sheet, kHeadingRow, kHeadingRow);
}

void WriteOverdueSheet(lxw_workbook* book, const Overview& overview, const Formats& f) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Medidas vencidas");
    worksheet_write_string(sheet, kTitleRow, 0, XlsxText(Title(overview, "Medidas vencidas")).c_str(), f.title);
    const std::vector<std::string> headings = {"Empresa",        "Lugar",         "Medida", "Responsable",
                                               "Fecha prevista", W("Días de retraso")};
    Widths widths(headings.size());
    Headings(sheet, kHeadingRow, headings, f, widths);
    lxw_row_t r = kFirstDataRow;
    for (const DocumentFigures& figures : overview.documents) {
        for (const OverdueMeasure& m : figures.overdueMeasures) {
            WriteText(sheet, r, 0, figures.firm, nullptr, widths);
            WriteText(sheet, r, 1, m.place, nullptr, widths);
            WriteText(sheet, r, 2, m.measure, nullptr, widths);
            WriteText(sheet, r, 3, m.responsible, nullptr, widths);
            WriteDate(sheet, r, 4, m.planned, f.date, widths);
            worksheet_write_number(sheet, r, 5, m.daysOverdue, nullptr);
            ++r;
        }
    }
    widths.Apply(sheet);
    FreezeAndFilter(sheet, r - 1, headings.size());
}

}  // namespace

bool WriteOverviewXlsx(const Overview& overview, DatePort& dates, const FilePath& path, std::string* utf8Error) {
    plan::XlsxWorkbook book(path);
    if (!book.get()) return book.Close(path, utf8Error);
    const Formats formats(book.get());
    WriteOverviewSheet(book.get(), overview, dates, formats);
    WriteOverdueSheet(book.get(), overview, formats);
    const std::string title = XlsxText("Resumen de una carpeta");
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    workbook_set_properties(book.get(), &properties);
    return book.Close(path, utf8Error);
}

}  // namespace overview
