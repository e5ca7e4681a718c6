#pragma once

#include <string>

class Canvas;

// Draws a text word-wrapped inside a framed box of the given width whose top-left corner is
// (x, y), in the canvas's current font, and returns the height of the box. Lines advance by
// step; a word that does not fit is broken between Spanish syllables with a hyphen at the end
// of the line, or moved whole to the next line when not even its first syllable fits. A single
// syllable wider than the box is drawn anyway and runs past it. A word with a digit or two
// capitals (MayHyphenate) is not broken: it moves to the next line whole, unless it is wider
// than a whole line.
int WrapText(Canvas& canvas, int x, int y, int width, int step, const std::string& text);
