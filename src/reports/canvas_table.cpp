#include "canvas_table.h"

#include <algorithm>

#include "canvas.h"
#include "cp1252.h"
#include "header_texts.h"
#include "report_line_wrap.h"

namespace {

// The lines of a text at its own line breaks (CR LF, or a lone CR or LF).
std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

}  // namespace

CanvasTable::CanvasTable(Canvas& canvas, std::vector<TableColumn> columns, TableFrame frame)
    : canvas_(canvas), columns_(std::move(columns)), frame_(std::move(frame)) {}

void CanvasTable::Measure(const std::vector<std::vector<std::string>>& rows) {
    canvas_.SetFontSize(frame_.fontSize);
    canvas_.SetFontStyle(FontStyle::Regular);
    lineHeight_ = canvas_.TextHeight("W");
    padding_ = std::max(1, lineHeight_ / 4);
    left_ = canvas_.TextWidth("W");
    right_ = canvas_.PageWidth() - left_;
    top_ = 2 * lineHeight_;                            // below the header line
    bottom_ = canvas_.PageHeight() - 2 * lineHeight_;  // above the page number

    // Fitted columns first: their widest line, and the widest word of their heading in bold.
    std::vector<int> widths(columns_.size(), 0);
    int fitted = 0, weights = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (!columns_[c].fit) {
            weights += std::max(1, columns_[c].weight);
            continue;
        }
        int widest = 0;
        for (const auto& row : rows) {
            if (c < row.size()) {
                for (const std::string& line : TextLines(row[c]))
                    widest = std::max(widest, canvas_.TextWidth(line));
            }
        }
        canvas_.SetFontStyle(FontStyle::Bold);
        const std::string& heading = columns_[c].heading;
        for (std::size_t start = 0; start <= heading.size();) {
            const std::size_t end = std::min(heading.find(' ', start), heading.size());
            widest = std::max(widest, canvas_.TextWidth(heading.substr(start, end - start)));
            start = end + 1;
        }
        canvas_.SetFontStyle(FontStyle::Regular);
        widths[c] = std::min(widest + 2 * padding_ + 1, (right_ - left_) / 8);
        fitted += widths[c];
    }
    const int shared = std::max(0, right_ - left_ - fitted);
    int sum = 0;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].fit) continue;
        const int before = static_cast<int>(static_cast<long long>(shared) * sum / std::max(1, weights));
        sum += std::max(1, columns_[c].weight);
        widths[c] = static_cast<int>(static_cast<long long>(shared) * sum / std::max(1, weights)) - before;
    }
    x_.assign(1, left_);
    for (const int width : widths)
        x_.push_back(x_.back() + width);
}

CanvasTable::CellLines CanvasTable::Lines(const std::vector<std::string>& cells, int maxLines) {
    CellLines lines(columns_.size());
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const int width = std::max(1, x_[c + 1] - x_[c] - 2 * padding_);
        const std::string text = c < cells.size() ? cells[c] : std::string();
        for (const std::string& piece : TextLines(text)) {
            for (std::string& line : FitToWidth(canvas_, piece, width))
                lines[c].push_back(std::move(line));
        }
        if (maxLines > 0 && static_cast<int>(lines[c].size()) > maxLines) {
            lines[c].resize(static_cast<std::size_t>(maxLines));
            lines[c].back() += "...";
        }
    }
    return lines;
}

int CanvasTable::Height(const CellLines& lines) const {
    std::size_t most = 1;
    for (const auto& cell : lines)
        most = std::max(most, cell.size());
    return static_cast<int>(most) * lineHeight_ + 2 * padding_;
}

bool CanvasTable::Print(const std::vector<std::vector<std::string>>& rows, std::string* error) {
    if (!canvas_.BeginJob(frame_.jobTitle, error)) return false;
    Measure(rows);

    std::vector<std::string> headings;
    for (const TableColumn& column : columns_)
        headings.push_back(column.heading);
    canvas_.SetFontStyle(FontStyle::Bold);
    const CellLines heading = Lines(headings, 0);
    canvas_.SetFontStyle(FontStyle::Regular);
    const int room = bottom_ - top_ - Height(heading);
    const int maxLines = std::max(1, (room - 2 * padding_) / std::max(1, lineHeight_));

    // First pass: the lines of every row and the rows of every page.
    std::vector<CellLines> laidOut;
    laidOut.push_back(heading);
    pages_.assign(1, {});
    int y = top_ + Height(heading);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        laidOut.push_back(Lines(rows[r], maxLines));
        const int height = Height(laidOut.back());
        if (y + height > bottom_ && !pages_.back().empty()) {
            pages_.emplace_back();
            y = top_ + Height(heading);
        }
        pages_.back().push_back(static_cast<int>(r));
        y += height;
    }

    for (int page = 0; page < Pages(); ++page) {
        if (page > 0) canvas_.NewPage();
        DrawPage(page, laidOut);
    }
    canvas_.EndJob();
    return true;
}

void CanvasTable::DrawPage(int page, const std::vector<CellLines>& rows) {
    canvas_.SetFontStyle(FontStyle::Bold);
    // A long firm name is shortened rather than run into the date.
    const HeaderTexts header = FitHeaderTexts(canvas_, frame_.headerLeft, frame_.headerRight, right_ - left_,
                                              2 * canvas_.TextWidth("W"));
    canvas_.DrawText(left_, 0, header.left);
    canvas_.DrawText(right_ - canvas_.TextWidth(header.right), 0, header.right);
    int y = DrawRow(top_, rows[0]);
    canvas_.SetFontStyle(FontStyle::Regular);
    for (const int r : pages_[static_cast<std::size_t>(page)])
        y = DrawRow(y, rows[static_cast<std::size_t>(r) + 1]);
    const std::string number = W("Página ") + std::to_string(page + 1) + " de " + std::to_string(Pages());
    canvas_.DrawText((left_ + right_ - canvas_.TextWidth(number)) / 2, bottom_ + lineHeight_ / 2, number);
}

int CanvasTable::DrawRow(int y, const CellLines& lines) {
    const int height = Height(lines);
    for (std::size_t c = 0; c < lines.size(); ++c) {
        canvas_.DrawRectangle(x_[c], y, x_[c + 1], y + height);
        int lineY = y + padding_;
        for (const std::string& line : lines[c]) {
            canvas_.DrawText(x_[c] + padding_, lineY, line);
            lineY += lineHeight_;
        }
    }
    return y + height;
}
