#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class Canvas;

// A table printed on a canvas, page after page: a header line on every page (a text on the left
// and one on the right, in bold), the heading row repeated at the top of every page's table,
// rows whose cells wrap their text inside their column (at line breaks, then by width), every
// cell framed, and "Página n de N" at the foot of every page. A row goes whole to the next page
// when it does not fit below the last one; a row taller than a whole page is split, its cells
// going on at the top of the next page below the heading row: no text is left out. Within a
// printout, a first row taller than half a page is split too rather than leave what heads the
// table alone at the foot of a page.
struct TableColumn {
    std::string heading;
    int weight = 1;    // share of the width that the fitted columns leave
    bool fit = false;  // as wide as its widest cell (dates, states), up to an eighth of the table
    bool right = false;  // its rows' texts against the right edge (amounts); the heading stays left
};

// Where a table is drawn inside a longer printout: its left and right edges, and the top and
// bottom of every page's room for it.
struct TableArea {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
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

    // The table as part of a job that is printing already (the frame's texts are not used): from
    // y on the current page, within the area, starting a new page on the canvas (and going on at
    // the area's top, with the heading row again) whenever the next row does not fit. The table
    // starts on a new page when not even its heading and first row fit below y. Returns the y
    // below the last row.
    int PrintWithin(const std::vector<std::vector<std::string>>& rows, const TableArea& area, int y);

    // A background colour (0xRRGGBB) for some cells: given a row (from 0, the heading row not
    // counted) and a column, a colour or nothing.
    using CellFill = std::function<std::optional<int>(std::size_t row, std::size_t column)>;
    void SetCellFill(CellFill fill) { fill_ = std::move(fill); }

    // Layout after Print, for those who check it: the pages and the rows on each.
    // A row split between pages is on each of them.
    int Pages() const { return static_cast<int>(pages_.size()); }
    const std::vector<std::vector<int>>& RowsByPage() const { return rowsByPage_; }

private:
    using CellLines = std::vector<std::vector<std::string>>;  // per column, the lines drawn
    // The part of a row on one page: its lines from first, count of them (the heading row: -1).
    struct Piece {
        int row;
        std::size_t first;
        std::size_t count;
    };

    void SetFont();
    void FitColumns(const std::vector<std::vector<std::string>>& rows);
    // The width that the widest word of a heading takes in bold, with the cell's padding.
    int HeadingWordWidth(const std::string& heading);
    CellLines Lines(const std::vector<std::string>& cells);
    static std::size_t LineCount(const CellLines& lines);
    int Height(std::size_t lineCount) const;
    // The heading's and every row's lines (the heading first), and the rows of each page, the
    // first page's room starting at firstTop.
    std::vector<CellLines> LayOut(const std::vector<std::vector<std::string>>& rows, int firstTop);
    void DrawFrame(int page);
    int DrawRows(int page, int y, const std::vector<CellLines>& rows);
    // The lines of a row's cells that the piece takes.
    int DrawRow(int y, const CellLines& lines, const Piece& piece);

    Canvas& canvas_;
    std::vector<TableColumn> columns_;
    TableFrame frame_;
    std::vector<std::vector<Piece>> pages_;
    std::vector<std::vector<int>> rowsByPage_;
    CellFill fill_;

    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    int lineHeight_ = 0, padding_ = 0;
    std::vector<int> x_;  // the left edge of each column, then the table's right edge
};
