#pragma once

#include <string>

namespace plan {

// Appends a Windows-1252 text as one CSV field in UTF-8, quoted (inner quotes doubled) when it
// holds a ';', a quote or a line break.
void AppendCsvField(std::string& out, const std::string& text);

}  // namespace plan
