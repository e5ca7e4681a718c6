#pragma once

#include <string>
#include <vector>

class Canvas;

// A table printed on a canvas, page after page: a header line on every page (a text on the left
// and one on the right, in bold), the heading row repeated at the top of every page's table,
// rows whose cells wrap their text inside their column (at line breaks, then by width), every
// cell framed, and "Página n de N" at the foot of every page. A row is never split between pages;
// a row taller than a whole page is cut with "..." at the end of its longest cells.
struct TableColumn {
    std::string heading;
    int weight = 1;    // share of the width that the fitted columns leave
    bool fit = false;  // as wide as its widest cell (dates, states), up to an eighth of the table
};

struct TableFrame {
    std::string jobTitle;     // the print job's (and the PDF's) title
    std::string headerLeft;   // e.g. the firm
    std::string headerRight;  // e.g. the date
    int fontSize = 8;
};

class CanvasTable {
public:
    CanvasTable(Canvas& canvas, std::vector<TableColumn> columns, TableFrame frame);

    // The whole job; false, with the printer's reason, when it could not start. Each row has a
    // text (Windows-1252) per column; missing cells are empty.
    bool Print(const std::vector<std::vector<std::string>>& rows, std::string* error);

    // Layout after Print, for those who check it: the pages and the rows on each.
    int Pages() const { return static_cast<int>(pages_.size()); }
    const std::vector<std::vector<int>>& RowsByPage() const { return pages_; }

private:
    using CellLines = std::vector<std::vector<std::string>>;  // per column, the lines drawn

    void Measure(const std::vector<std::vector<std::string>>& rows);
    CellLines Lines(const std::vector<std::string>& cells, int maxLines);
    int Height(const CellLines& lines) const;
    void DrawPage(int page, const std::vector<CellLines>& rows);
    int DrawRow(int y, const CellLines& lines);

    Canvas& canvas_;
    std::vector<TableColumn> columns_;
    TableFrame frame_;
    std::vector<std::vector<int>> pages_;

    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    int lineHeight_ = 0, padding_ = 0;
    std::vector<int> x_;  // the left edge of each column, then the table's right edge
};
