#pragma once

#include <string>
#include <vector>

struct HeadlessContext;

// --evaluacion-pdf DOC OUT.pdf [--a-fecha DD/MM/AAAA]: the risk assessment document of DOC, on
// today's date or the given one, written to OUT as a PDF file.
int RunAssessmentPdf(HeadlessContext& context, const std::vector<std::string>& arguments);
