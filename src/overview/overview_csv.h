#pragma once

#include <string>

#include "overview_figures.h"

class DatePort;

namespace overview {

// The overview as CSV for a spreadsheet in a Spanish locale, as the action plan's: UTF-8 with a
// byte order mark, ';' between fields, CR LF after each line; the heading line, a line per
// document in the overview's order and the total line. A text that a spreadsheet would run as
// a formula (beginning with =, +, - or @) gets a "'" in front.
std::string OverviewCsv(const Overview& overview, DatePort& dates);

}  // namespace overview
