#pragma once

#include <memory>
#include <string>
#include <vector>

class QGuiApplication;
struct HeadlessContext;

// The application that fonts and printers need, on the offscreen platform; nothing when one
// exists already. Keep it while printing.
std::unique_ptr<QGuiApplication> HeadlessGuiApplication();

// --informe DOC [OUT.txt]: the text report of the whole document ("Informe.txt" by default).
int RunTextReport(HeadlessContext& context, const std::vector<std::string>& arguments);
// --imprimir-pdf DOC OUT.pdf: the printout of the whole document, to a PDF file.
int RunPrintPdf(HeadlessContext& context, const std::vector<std::string>& arguments);
// --cuestionario-pdf NN OUT.pdf [AREA]: a blank questionnaire, to a PDF file.
int RunBlankPdf(HeadlessContext& context, const std::vector<std::string>& arguments);
// --exportar DOC OUT.txt: the export of the firm's branch.
int RunExport(HeadlessContext& context, const std::vector<std::string>& arguments);
