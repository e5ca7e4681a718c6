#include "photo_rows.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "header_texts.h"
#include "page_flow.h"
#include "picture_scale.h"

namespace {

struct Cell {
    const Photo* photo;
    FilePath file;
    std::optional<PictureSize> pixels;  // none when the picture cannot be read
    PictureSize box;                    // its size on paper
    std::vector<std::string> caption;
};

// The photo's file in the folder; none for a name that would lead out of it (a document edited
// by hand), which then prints as a photo that cannot be read.
FilePath PhotoFile(const FilePath& folder, const std::string& name) {
    if (name.find_first_of("/\\") != std::string::npos || name == "..") return FilePath();
    return folder.empty() ? FilePath(name) : FilePath(folder.Utf8() + "/" + name);
}

// A frame as large as a picture would be, with the photo's name in its middle.
void Placeholder(PageFlow& flow, const Cell& cell, int left, int top) {
    flow.DrawRectangle(left, top, left + cell.box.width, top + cell.box.height);
    Canvas& canvas = flow.canvas();
    const int pad = flow.LineHeight();
    const std::string name = ElideToWidth(canvas, cell.photo->file, cell.box.width - 2 * pad);
    flow.DrawText(left + (cell.box.width - canvas.TextWidth(name)) / 2,
                  top + (cell.box.height - flow.LineHeight()) / 2, name);
}

}  // namespace

void PrintPhotos(PageFlow& flow, const PhotoRows& rows, const PhotoList& photos, int x) {
    if (photos.empty()) return;
    Canvas& canvas = flow.canvas();
    const int points = flow.FontPoints();
    const FontStyle style = canvas.Style();
    const int perRow = std::max(1, rows.perRow);
    const int gap = Millimetres(4);
    const int width =
        std::max(1, std::min(rows.width, (flow.body().right - x - (perRow - 1) * gap) / perRow));
    flow.Font(rows.captionPoints, FontStyle::Italic);
    const int line = flow.LineHeight();
    for (std::size_t first = 0; first < photos.size(); first += static_cast<std::size_t>(perRow)) {
        const std::size_t end = std::min(photos.size(), first + static_cast<std::size_t>(perRow));
        std::vector<Cell> cells;
        int pictureHeight = 0;
        std::size_t captionLines = 0;
        for (std::size_t p = first; p < end; ++p) {
            Cell cell{&photos[p], PhotoFile(rows.folder, photos[p].file), std::nullopt, {}, {}};
            cell.pixels = canvas.PictureSizeOf(cell.file);
            cell.box = cell.pixels ? FitPicture(*cell.pixels, width, width) : PictureSize{width, width * 3 / 4};
            cell.caption = flow.Wrap(photos[p].caption.empty() ? photos[p].file : photos[p].caption, width);
            pictureHeight = std::max(pictureHeight, cell.box.height);
            captionLines = std::max(captionLines, cell.caption.size());
            cells.push_back(std::move(cell));
        }
        // The blanks above and below a row are part of its room, so that a level's strip beside
        // it goes on unbroken.
        const int captionTop = pictureHeight + line / 4;
        const int room = line / 2 + captionTop + static_cast<int>(captionLines) * line + line / 3;
        const int top = flow.Reserve(room) + line / 2;
        int left = x;
        for (const Cell& cell : cells) {
            if (cell.pixels) {
                flow.DrawPicture(left, top, left + cell.box.width, top + cell.box.height, cell.file);
            } else {
                Placeholder(flow, cell, left, top);
            }
            int y = top + captionTop;
            for (const std::string& text : cell.caption) {
                flow.DrawText(left, y, text);
                y += line;
            }
            left += width + gap;
        }
    }
    if (points > 0) flow.Font(points, style);
}
