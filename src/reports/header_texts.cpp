#include "header_texts.h"

#include "canvas.h"

namespace {

const std::string kEllipsis = "\x85";  // "…" in Windows-1252

}  // namespace

std::string ElideToWidth(Canvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width) return text;
    // The longest start that fits with the ellipsis; widths grow with the length.
    std::size_t low = 0, high = text.size();
    while (low < high) {
        const std::size_t middle = (low + high + 1) / 2;
        if (canvas.TextWidth(text.substr(0, middle) + kEllipsis) <= width) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    std::string start = text.substr(0, low);
    start.erase(start.find_last_not_of(' ') + 1);
    if (start.empty() && canvas.TextWidth(kEllipsis) > width) return {};
    return start + kEllipsis;
}

HeaderTexts FitHeaderTexts(Canvas& canvas, const std::string& left, const std::string& right, int width,
                           int gap) {
    const int room = width - (left.empty() || right.empty() ? 0 : gap);
    const int leftWidth = canvas.TextWidth(left);
    const int rightWidth = canvas.TextWidth(right);
    if (leftWidth + rightWidth <= room) return {left, right};
    const int half = room / 2;
    if (leftWidth <= half) return {left, ElideToWidth(canvas, right, room - leftWidth)};
    if (rightWidth <= half) return {ElideToWidth(canvas, left, room - rightWidth), right};
    const std::string shortLeft = ElideToWidth(canvas, left, half);
    return {shortLeft, ElideToWidth(canvas, right, room - canvas.TextWidth(shortLeft))};
}
