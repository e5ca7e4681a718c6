#pragma once

#include <string>
#include <string_view>

namespace help {

// The page (and section) of the help that explains a window, by the window's object name, for
// F1 pressed in it; empty for a window that has no page of its own (the help opens at its
// first page). A new dialog adds its line to the table in help_topics.cpp.
std::string TopicOf(std::string_view windowName);

}  // namespace help
