#pragma once

#include <string>

class DocumentSession;

// The tree as it is shown, as text: one line per node in pre-order, two blanks of indent per
// level, the icon index, a blank and the node's shown text (the display text in the geographic
// view) with its line breaks and control characters made visible (OneLineText). Windows-1252,
// lines ended by '\n'.
std::string TreeOutline(const DocumentSession& session);
