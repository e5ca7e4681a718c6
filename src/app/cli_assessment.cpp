#include "cli_assessment.h"

#include <QGuiApplication>
#include <ostream>

#include "assessment.h"
#include "assessment_export.h"
#include "cli_document.h"
#include "cli_plan.h"
#include "cli_reports.h"
#include "command_line.h"
#include "plan_export.h"
#include "qt_pdf_canvas_source.h"

int RunAssessmentPdf(HeadlessContext& context, const std::vector<std::string>& arguments) {
    const std::string usage = "Uso: kaldo --evaluacion-pdf DOC SALIDA.pdf [--a-fecha DD/MM/AAAA]";
    if (AsOfMisplaced(context, arguments, 2, usage)) return exit_status::kUsage;
    const FilePath out(arguments[1]);
    if (plan::FormatOf(out) != plan::Format::kPdf) {
        context.err << "Formato desconocido: " << out.Utf8() << " (use .pdf)\n";
        return exit_status::kUsage;
    }
    const std::optional<Date> asOf = AsOfArgument(context, arguments, 2, usage);
    if (!asOf) return exit_status::kUsage;

    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const assessment::Assessment gathered =
        assessment::Gather(document.session, context.catalogue, context.dates, *asOf);
    const auto application = HeadlessGuiApplication();
    QtPdfCanvasSource pdf;
    std::string error;
    if (!assessment::ExportPdf(gathered, out, pdf, &error)) {
        context.err << "No se puede escribir el informe de evaluación: " << error << '\n';
        return exit_status::kIoError;
    }
    return exit_status::kOk;
}
