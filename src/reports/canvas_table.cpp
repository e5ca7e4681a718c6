#include "canvas_table.h"

#include <algorithm>

#include "canvas.h"
#include "cp1252.h"
#include "header_texts.h"
#include "report_line_wrap.h"

CanvasTable::CanvasTable(Canvas& canvas, std::vector<TableColumn> columns, TableFrame frame)
    : canvas_(canvas), columns_(std::move(columns)), frame_(std::move(frame)) {}

void CanvasTable::SetFont() {
    canvas_.SetFontSize(frame_.fontSize);
    canvas_.SetFontStyle(FontStyle::Regular);
    lineHeight_ = canvas_.TextHeight("W");
    padding_ = std::max(1, lineHeight_ / 4);
}

int CanvasTable::HeadingWordWidth(const std::string& heading) {
    canvas_.SetFontStyle(FontStyle::Bold);
    int widest = 0;
    for (std::size_t start = 0; start <= heading.size();) {
        const std::size_t end = std::min(heading.find(' ', start), heading.size());
        widest = std::max(widest, canvas_.TextWidth(heading.substr(start, end - start)));
        start = end + 1;
    }
    canvas_.SetFontStyle(FontStyle::Regular);
    return widest + 2 * padding_ + 1;
}

void CanvasTable::FitColumns(const std::vector<std::vector<std::string>>& rows) {
    // Fitted columns first: their widest line, and the widest word of their heading in bold.
    std::vector<int> widths(columns_.size(), 0);
    int fitted = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (!columns_[c].fit) continue;
        int widest = 0;
        for (const auto& row : rows) {
            if (c < row.size()) {
                for (const std::string& line : TextLines(row[c]))
                    widest = std::max(widest, canvas_.TextWidth(line) + 2 * padding_ + 1);
            }
        }
        widest = std::max(widest, HeadingWordWidth(columns_[c].heading));
        widths[c] = std::min(widest, (right_ - left_) / 8);
        fitted += widths[c];
    }
    // The others share the rest by their weights; a column whose share would cut a word of its
    // heading gets that word's width, and the rest is shared again among the others.
    std::vector<bool> fixed(columns_.size(), false);
    for (bool again = true; again;) {
        again = false;
        int shared = right_ - left_ - fitted, weights = 0;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].fit) continue;
            if (fixed[c]) {
                shared -= widths[c];
            } else {
                weights += std::max(1, columns_[c].weight);
            }
        }
        shared = std::max(0, shared);
        int sum = 0;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].fit || fixed[c]) continue;
            const int before = static_cast<int>(static_cast<long long>(shared) * sum / std::max(1, weights));
            sum += std::max(1, columns_[c].weight);
            widths[c] =
                static_cast<int>(static_cast<long long>(shared) * sum / std::max(1, weights)) - before;
            const int least = HeadingWordWidth(columns_[c].heading);
            if (widths[c] < least && least < (right_ - left_) / 8) {
                widths[c] = least;
                fixed[c] = again = true;
            }
        }
    }
    x_.assign(1, left_);
    for (const int width : widths)
        x_.push_back(x_.back() + width);
}

CanvasTable::CellLines CanvasTable::Lines(const std::vector<std::string>& cells) {
    CellLines lines(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const int width = std::max(1, x_[c + 1] - x_[c] - 2 * padding_);
        const std::string text = c < cells.size() ? cells[c] : std::string();
        for (const std::string& piece : TextLines(text)) {
            for (std::string& line : FitToWidth(canvas_, piece, width))
                lines[c].push_back(std::move(line));
        }
    }
    return lines;
}

std::size_t CanvasTable::LineCount(const CellLines& lines) {
    std::size_t most = 1;
    for (const auto& cell : lines)
        most = std::max(most, cell.size());
    return most;
}

int CanvasTable::Height(std::size_t lineCount) const {
    return static_cast<int>(lineCount) * lineHeight_ + 2 * padding_;
}

std::vector<CanvasTable::CellLines> CanvasTable::LayOut(const std::vector<std::vector<std::string>>& rows,
                                                        int firstTop) {
    std::vector<std::string> headings;
    for (const TableColumn& column : columns_)
        headings.push_back(column.heading);
    canvas_.SetFontStyle(FontStyle::Bold);
    const CellLines heading = Lines(headings);
    canvas_.SetFontStyle(FontStyle::Regular);
    const int headingHeight = Height(LineCount(heading));
    const int wholeRoom = bottom_ - top_ - headingHeight;
    // The lines of a row that fit between y and the foot of the page; at least one.
    const auto linesBelow = [&](int y) {
        return static_cast<std::size_t>(std::max(1, (bottom_ - y - 2 * padding_) / std::max(1, lineHeight_)));
    };

    std::vector<CellLines> laidOut;
    laidOut.push_back(heading);
    pages_.assign(1, {});
    int y = firstTop + headingHeight;
    // A page begun lower down may be left without rows; a whole page takes at least one.
    bool wholePage = firstTop <= top_;
    const auto newPage = [&] {
        pages_.emplace_back();
        y = top_ + headingHeight;
        wholePage = true;
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        laidOut.push_back(Lines(rows[r]));
        const std::size_t total = LineCount(laidOut.back());
        const int height = Height(total);
        if (y + height > bottom_ && (!pages_.back().empty() || !wholePage)) {
            // A row that no page could hold starts at once when a few of its lines fit here, and
            // so does a first row of more than half a page below what heads the table (which
            // would stay behind alone); any other row goes whole to the next page.
            const bool tall = height > wholeRoom || (r == 0 && !wholePage && height > wholeRoom / 2);
            const bool startsHere = tall && y + Height(2) <= bottom_;
            if (!startsHere) newPage();
        }
        // The row's lines, page after page: a cell taller than a page goes on below the heading
        // row of the next one.
        for (std::size_t first = 0;;) {
            const std::size_t count = std::min(total - first, linesBelow(y));
            pages_.back().push_back({static_cast<int>(r), first, count});
            y += Height(count);
            first += count;
            if (first >= total) break;
            newPage();
        }
    }
    rowsByPage_.clear();
    for (const auto& pieces : pages_) {
        rowsByPage_.emplace_back();
        for (const Piece& piece : pieces)
            rowsByPage_.back().push_back(piece.row);
    }
    return laidOut;
}

bool CanvasTable::Print(const std::vector<std::vector<std::string>>& rows, std::string* error) {
    if (!canvas_.BeginJob(frame_.jobTitle, error)) return false;
    SetFont();
    left_ = canvas_.TextWidth("W");
    right_ = canvas_.PageWidth() - left_;
    top_ = 2 * lineHeight_;                            // below the header line
    bottom_ = canvas_.PageHeight() - 2 * lineHeight_;  // above the page number
    FitColumns(rows);
    const std::vector<CellLines> laidOut = LayOut(rows, top_);
    for (int page = 0; page < Pages(); ++page) {
        if (page > 0) canvas_.NewPage();
        DrawFrame(page);
        DrawRows(page, top_, laidOut);
    }
    return canvas_.EndJob(error);
}

int CanvasTable::PrintWithin(const std::vector<std::vector<std::string>>& rows, const TableArea& area,
                             int y) {
    SetFont();
    left_ = area.left;
    right_ = area.right;
    top_ = area.top;
    bottom_ = area.bottom;
    FitColumns(rows);
    const std::vector<CellLines> laidOut = LayOut(rows, y);
    for (int page = 0; page < Pages(); ++page) {
        if (page > 0) {
            canvas_.NewPage();
            y = top_;
        }
        if (page == 0 && pages_[0].empty() && Pages() > 1) continue;  // no room left below y
        y = DrawRows(page, y, laidOut);
    }
    canvas_.SetFontStyle(FontStyle::Regular);
    return y;
}

void CanvasTable::DrawFrame(int page) {
    canvas_.SetFontStyle(FontStyle::Bold);
    // A long firm name is shortened rather than run into the date.
    const HeaderTexts header = FitHeaderTexts(canvas_, frame_.headerLeft, frame_.headerRight, right_ - left_,
                                              2 * canvas_.TextWidth("W"));
    canvas_.DrawText(left_, 0, header.left);
    canvas_.DrawText(right_ - canvas_.TextWidth(header.right), 0, header.right);
    canvas_.SetFontStyle(FontStyle::Regular);
    const std::string number = W("Página ") + std::to_string(page + 1) + " de " + std::to_string(Pages());
    canvas_.DrawText((left_ + right_ - canvas_.TextWidth(number)) / 2, bottom_ + lineHeight_ / 2, number);
}

int CanvasTable::DrawRows(int page, int y, const std::vector<CellLines>& rows) {
    canvas_.SetFontStyle(FontStyle::Bold);
    y = DrawRow(y, rows[0], {-1, 0, LineCount(rows[0])});
    canvas_.SetFontStyle(FontStyle::Regular);
    for (const Piece& piece : pages_[static_cast<std::size_t>(page)])
        y = DrawRow(y, rows[static_cast<std::size_t>(piece.row) + 1], piece);
    return y;
}

int CanvasTable::DrawRow(int y, const CellLines& lines, const Piece& piece) {
    const int height = Height(piece.count);
    for (std::size_t c = 0; c < lines.size(); ++c) {
        if (piece.row >= 0 && fill_) {
            if (const std::optional<int> rgb = fill_(static_cast<std::size_t>(piece.row), c))
                canvas_.FillRectangle(x_[c], y, x_[c + 1], y + height, *rgb);
        }
        canvas_.DrawRectangle(x_[c], y, x_[c + 1], y + height);
        int lineY = y + padding_;
        const bool right = piece.row >= 0 && columns_[c].right;
        const std::size_t end = std::min(lines[c].size(), piece.first + piece.count);
        for (std::size_t l = piece.first; l < end; ++l) {
            const std::string& line = lines[c][l];
            canvas_.DrawText(right ? x_[c + 1] - padding_ - canvas_.TextWidth(line) : x_[c] + padding_, lineY, line);
            lineY += lineHeight_;
        }
    }
    return y + height;
}
