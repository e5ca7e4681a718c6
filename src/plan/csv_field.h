#pragma once

#include <string>

namespace plan {

// Appends a Windows-1252 text as one CSV field in UTF-8, quoted (inner quotes doubled) when it
// holds a ';', a quote or a line break. A text a spreadsheet would run as a formula (starting
// with =, +, -, @, TAB or CR) gets an apostrophe inside the quotes, and control bytes other
// than line breaks are written as "\x1b".
void AppendCsvField(std::string& out, const std::string& text);

}  // namespace plan
