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

int RunPlan(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const FilePath out(arguments[1]);
    const std::optional<plan::Format> format = plan::FormatOf(out);
    if (!format) {
        context.err << "Formato desconocido: " << out.Utf8() << " (use .xlsx, .csv o .pdf)\n";
        return exit_status::kUsage;
    }
    Date asOf = context.dates.Today();
    if (arguments.size() > 2) {
        // Always day, month and year, whatever the locale: scripts need one form.
        const auto date = arguments.size() == 4 && arguments[2] == "--a-fecha"
                              ? ShortDateFormat("dd/MM/yyyy").Parse(arguments[3])
                              : std::nullopt;
        if (!date) {
            context.err << "Uso: kaldo --plan DOC SALIDA [--a-fecha DD/MM/AAAA]\n";
            if (arguments.size() == 4 && arguments[2] == "--a-fecha")
                context.err << "Fecha errónea: " << arguments[3] << '\n';
            return exit_status::kUsage;
        }
        asOf = *date;
    }

    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const plan::ActionPlan actionPlan = plan::BuildActionPlan(document.session, context.dates, asOf);
    const auto application = *format == plan::Format::kPdf ? HeadlessGuiApplication() : nullptr;
    QtPdfCanvasSource pdf;
    std::string error;
    if (!plan::ExportPlan(actionPlan, *format, out, pdf, &error)) {
        context.err << "No se puede escribir el plan de acción: " << error << '\n';
        return exit_status::kIoError;
    }
    return exit_status::kOk;
}
