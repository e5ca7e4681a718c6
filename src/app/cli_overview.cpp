#include "cli_overview.h"

#include <algorithm>
#include <ostream>

#include "cli_plan.h"
#include "command_line.h"
#include "cp1252.h"
#include "folder_reading.h"
#include "overview_export.h"
#include "overview_table.h"
#include "qt_dates.h"

namespace {

const char* const kUsage = "Uso: kaldo --resumen CARPETA SALIDA [--a-fecha DD/MM/AAAA] [--subcarpetas]";

}  // namespace

int RunOverview(HeadlessContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> rest = arguments;
    const auto subfolders = std::find(rest.begin() + 2, rest.end(), "--subcarpetas");
    const bool withSubfolders = subfolders != rest.end();
    if (withSubfolders) rest.erase(subfolders);

    const FilePath folder(rest[0]), out(rest[1]);
    const std::optional<overview::Format> format = overview::FormatOf(out);
    if (!format) {
        context.err << "Formato desconocido: " << out.Utf8() << " (use .xlsx o .csv)\n";
        return exit_status::kUsage;
    }
    const std::optional<Date> asOf = AsOfArgument(context, rest, 2, kUsage);
    if (!asOf) return exit_status::kUsage;

    std::string error;
    const auto documents = overview::ListDocuments(folder, withSubfolders, &error);
    if (!documents) {
        context.err << "No se puede leer la carpeta: " << error << '\n';
        return exit_status::kIoError;
    }
    const QtDates dates;
    const overview::Overview result =
        overview::ReadOverview(folder, *documents, dates.Format(), *asOf, overview::DefaultThreads());
    for (const overview::DocumentFigures& figures : result.documents) {
        const std::string note = figures.Readable() ? overview::WarningsText(figures.warnings) : figures.error;
        if (!note.empty()) context.err << figures.fileName << ": " << cp1252::ToUtf8(note) << '\n';
    }
    if (!overview::ExportOverview(result, *format, context.dates, out, &error)) {
        context.err << "No se puede escribir el resumen: " << error << '\n';
        return exit_status::kIoError;
    }
    return exit_status::kOk;
}
