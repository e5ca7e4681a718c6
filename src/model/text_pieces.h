#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pieces of `text` between the occurrences of `separator`, read from the left: n separators
// give n + 1 pieces, empty ones included.
std::vector<std::string> SplitText(const std::string& text, std::string_view separator);

// `text` with each run of blanks (spaces, tabs, line ends) made one space; blanks at its start
// are dropped, one at its end stays.
std::string CollapseBlanks(std::string_view text);

// `text` with each occurrence of `from`, read from the left and not overlapping, replaced by `to`.
std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to);
