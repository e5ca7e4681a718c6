#include "cli_plan.h"

#include <QGuiApplication>
#include <ostream>

#include "action_plan.h"
#include "cli_document.h"
#include "cli_reports.h"
#include "command_line.h"
#include "plan_export.h"
#include "qt_pdf_canvas_source.h"
#include "short_date_format.h"

std::optional<Date> AsOfArgument(HeadlessContext& context, const std::vector<std::string>& arguments,
                                 std::size_t from, const std::string& usage) {
    if (arguments.size() == from) return context.dates.Today();
    const bool option = arguments.size() == from + 2 && arguments[from] == "--a-fecha";
    const auto date = option ? ShortDateFormat("dd/MM/yyyy").Parse(arguments[from + 1]) : std::nullopt;
    if (!date) {
        context.err << usage << '\n';
        if (option) context.err << "Fecha errónea: " << arguments[from + 1] << '\n';
    }
    return date;
}

bool AsOfMisplaced(HeadlessContext& context, const std::vector<std::string>& arguments, std::size_t from,
                   const std::string& usage) {
    for (std::size_t i = 0; i < from && i < arguments.size(); ++i) {
        if (arguments[i] != "--a-fecha") continue;
        context.err << "La opción --a-fecha va detrás de DOC y SALIDA\n" << usage << '\n';
        return true;
    }
    return false;
}

int RunPlan(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const std::string usage = "Uso: kaldo --plan DOC SALIDA [--a-fecha DD/MM/AAAA]";
    if (AsOfMisplaced(context, arguments, 2, usage)) return exit_status::kUsage;
    const FilePath out(arguments[1]);
    const std::optional<plan::Format> format = plan::FormatOf(out);
    if (!format) {
        context.err << "Formato desconocido: " << out.Utf8() << " (use .xlsx, .csv o .pdf)\n";
        return exit_status::kUsage;
    }
    const std::optional<Date> asOf = AsOfArgument(context, arguments, 2, usage);
    if (!asOf) return exit_status::kUsage;

    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const plan::ActionPlan actionPlan = plan::BuildActionPlan(document.session, context.dates, *asOf);
    const auto application = *format == plan::Format::kPdf ? HeadlessGuiApplication() : nullptr;
    QtPdfCanvasSource pdf;
    std::string error;
    std::vector<std::string> shortened;
    const bool written = plan::ExportPlan(actionPlan, *format, out, pdf, &error, &shortened);
    for (const std::string& cell : shortened)
        context.err << "Aviso: celda " << cell << '\n';
    if (!written) {
        context.err << "No se puede escribir el plan de acción: " << error << '\n';
        return exit_status::kIoError;
    }
    return exit_status::kOk;
}
