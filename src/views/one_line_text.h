#pragma once

#include <string>

// A node's text on one line of terminal output: a line break inside a field is written "~~",
// as the document file writes it, and every other control character as a visible escape such
// as "\x1b", so that no byte of a field can end the line or drive the terminal. Windows-1252
// in and out; the five bytes that Windows-1252 leaves undefined stand for control characters
// too and are escaped.
std::string OneLineText(const std::string& text);
