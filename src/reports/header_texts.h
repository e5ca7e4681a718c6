#pragma once

#include <string>

class Canvas;

// Shortens a text to the given width in the canvas's current font: its start is kept and it
// ends with "…". A text that fits comes back whole; where not even "…" fits, nothing is left.
std::string ElideToWidth(Canvas& canvas, const std::string& text, int width);

// The two texts of a page header line, the left one starting at the left margin and the right
// one ending at the right edge, width apart. When they would meet, the one that does not fit
// is shortened (ElideToWidth) so that a gap of at least `gap` stays between them: a text that
// takes less than half of the line keeps all of it, and two long ones get half each.
struct HeaderTexts {
    std::string left;
    std::string right;
};
HeaderTexts FitHeaderTexts(Canvas& canvas, const std::string& left, const std::string& right, int width,
                           int gap);
