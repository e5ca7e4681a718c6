#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --fichas DOC OUT.pdf [--a-fecha DD/MM/AAAA] [--puesto N]: the worker information sheets of
// every workstation of DOC, or of the one on line N, on today's date or the given one, written
// to OUT as one PDF file.
int RunSheets(HeadlessContext& context, const std::vector<std::string>& arguments);
