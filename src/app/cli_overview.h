#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --resumen CARPETA SALIDA [--a-fecha DD/MM/AAAA] [--subcarpetas]: the overview of the
// documents of a folder (and of its subfolders) on today's date or the given one, written to
// SALIDA as a workbook or CSV by its extension. A document that cannot be read has its row with
// the reason, and a line on the error output; the status is still 0.
int RunOverview(HeadlessContext& context, const std::vector<std::string>& arguments);
