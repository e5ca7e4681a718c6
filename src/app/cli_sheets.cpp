#include "cli_sheets.h"

#include <QGuiApplication>
#include <ostream>

#include "cli_document.h"
#include "cli_plan.h"
#include "cli_reports.h"
#include "command_line.h"
#include "otoken.h"
#include "qt_pdf_canvas_source.h"
#include "sheet_export.h"
#include "workstation_sheet.h"

namespace {

const std::string kUsage = "Uso: kaldo --fichas DOC SALIDA.pdf [--a-fecha DD/MM/AAAA] [--puesto N]";

}  // namespace

int RunSheets(HeadlessContext& context, const std::vector<std::string>& arguments) {
    // The options after the files, each once, in either order; the date is read as --plan reads it.
    std::vector<std::string> dateArguments(arguments.begin(), arguments.begin() + 2);
    std::optional<int> line;
    for (std::size_t i = 2; i < arguments.size(); i += 2) {
        const bool paired = i + 1 < arguments.size();
        if (paired && arguments[i] == "--a-fecha" && dateArguments.size() == 2) {
            dateArguments.insert(dateArguments.end(), {arguments[i], arguments[i + 1]});
        } else if (paired && arguments[i] == "--puesto" && !line) {
            line = ParseWholeInt(arguments[i + 1]);
            if (!line || *line < 1) {
                context.err << kUsage << "\nNúmero de línea erróneo: " << arguments[i + 1] << '\n';
                return exit_status::kUsage;
            }
        } else {
            context.err << kUsage << '\n';
            return exit_status::kUsage;
        }
    }
    const std::optional<Date> asOf = AsOfArgument(context, dateArguments, 2, kUsage);
    if (!asOf) return exit_status::kUsage;

    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    std::vector<sheets::Sheet> chosen =
        sheets::Gather(document.session, context.catalogue, context.dates, *asOf);
    if (line) {
        const std::optional<sheets::Sheet> sheet = sheets::SheetAt(chosen, *line);
        if (!sheet) {
            context.err << "La línea " << *line << " del documento no es un puesto de trabajo.\n";
            return exit_status::kUsage;
        }
        chosen = {*sheet};
    }
    if (chosen.empty()) {
        context.err << sheets::kNoWorkstation << '\n';
        return exit_status::kUsage;
    }
    const auto application = HeadlessGuiApplication();
    QtPdfCanvasSource pdf;
    std::string error;
    if (!sheets::ExportPdf(chosen, FilePath(arguments[1]), pdf, &error)) {
        context.err << "No se pueden escribir las fichas de los puestos: " << error << '\n';
        return exit_status::kIoError;
    }
    return exit_status::kOk;
}
