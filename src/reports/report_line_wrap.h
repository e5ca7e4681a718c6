#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Where a report line of 90 characters or more is cut in two: just after the latest blank,
// hyphen or tab before the wrap column, never inside a quoted stretch, and only when something
// other than breaks follows. A line break already in the text starts a new count. Nothing when
// the line is drawn whole.
std::optional<std::size_t> ReportSplitPoint(const std::string& line);

constexpr std::size_t kReportWrapColumn = 90;

class Canvas;

// The lines of a text at its own line breaks (CR LF, or a lone CR or LF); one empty line for an
// empty text.
std::vector<std::string> TextLines(const std::string& text);

// Cuts a line that is wider than the given width, in the canvas's current font, into lines
// that fit: after the latest blank, hyphen or tab that fits; a word too long for a line of its
// own at a Spanish syllable, with a hyphen added ("Metalúr-" / "gica"), and only where no
// syllable fits (or in a number or acronym) at the last character that fits. A line that fits
// comes back whole. The cost grows with the line's length, not with its square.
std::vector<std::string> FitToWidth(Canvas& canvas, const std::string& line, int width);
