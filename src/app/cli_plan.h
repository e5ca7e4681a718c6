#pragma once

#include <optional>
#include <string>
#include <vector>

#include "date_port.h"

struct HeadlessContext;

// The date that "[--a-fecha DD/MM/AAAA]" gives from arguments[from] on: today's when they end
// there. Nothing, with the usage (and the bad date) on the error output, when what follows is
// not that option with a date; the date is always day, month and year, whatever the locale.
std::optional<Date> AsOfArgument(HeadlessContext& context, const std::vector<std::string>& arguments,
                                 std::size_t from, const std::string& usage);
// Whether "--a-fecha" stands before arguments[from], where DOC and SALIDA belong; if so the
// error output says where it goes, with the usage.
bool AsOfMisplaced(HeadlessContext& context, const std::vector<std::string>& arguments, std::size_t from,
                   const std::string& usage);

// --plan DOC OUT [--a-fecha DD/MM/AAAA]: the action plan of a document on today's date or the
// given one, written to OUT as a workbook, CSV or PDF by OUT's extension.
int RunPlan(HeadlessContext& context, const std::vector<std::string>& arguments);
