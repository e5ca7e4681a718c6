#include "cli_reports.h"

#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "blank_questionnaire.h"
#include "branch_export.h"
#include "branch_printout.h"
#include "cli_document.h"
#include "command_line.h"
#include "cp1252.h"
#include "date_port.h"
#include "pdf_file_canvas.h"
#include "shipped_fonts.h"
#include "text_codec.h"
#include "text_report.h"

namespace {

// The node that the menu's "&Imprimir" reports: the first one.
const TreeNode& FirstNode(HeadlessDocument& document) {
    return *document.session.Tree().FirstTopLevel();
}

int PrinterFailed(HeadlessContext& context, const std::string& error) {
    context.err << cp1252::ToUtf8(error) << '\n';
    return exit_status::kIoError;
}

// A questionnaire number: decimal digits, with an optional minus sign.
bool ParseNumber(const std::string& text, int& number) {
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() - i > 4) return false;
    for (std::size_t j = i; j < text.size(); ++j) {
        if (text[j] < '0' || text[j] > '9') return false;
    }
    number = std::stoi(text);
    return true;
}

}  // namespace

std::unique_ptr<QGuiApplication> HeadlessGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kaldo";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    AddShippedFonts();
    return application;
}

int RunTextReport(HeadlessContext& context, const std::vector<std::string>& arguments) {
    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const FilePath path = arguments.size() > 1 ? FilePath(arguments[1]) : kTextReportFile;
    return WriteTextReport(document.session, context.catalogue, FirstNode(document), path, context.port)
               ? exit_status::kOk
               : exit_status::kIoError;
}

int RunPrintPdf(HeadlessContext& context, const std::vector<std::string>& arguments) {
    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    const auto application = HeadlessGuiApplication();
    PdfFileCanvas canvas(PathToQt(FilePath(arguments[1])), QPageLayout::Portrait);
    BranchPrintout printout(document.session, context.catalogue, canvas,
                            context.dates.ToText(context.dates.Today()));
    std::string error;
    if (!printout.Print(FirstNode(document), &error)) return PrinterFailed(context, error);
    return exit_status::kOk;
}

int RunBlankPdf(HeadlessContext& context, const std::vector<std::string>& arguments) {
    int number = 0;
    if (!ParseNumber(arguments[0], number)) {
        context.err << "Número de cuestionario erróneo: " << arguments[0] << '\n';
        return exit_status::kUsage;
    }
    const std::string area = arguments.size() > 2 ? cp1252::FromUtf8(arguments[2]) : std::string();
    const auto application = HeadlessGuiApplication();
    PdfFileCanvas canvas(PathToQt(FilePath(arguments[1])), QPageLayout::Portrait);
    std::string error;
    if (!PrintBlankQuestionnaire(canvas, context.catalogue, number, area, &error))
        return PrinterFailed(context, error);
    return exit_status::kOk;
}

int RunExport(HeadlessContext& context, const std::vector<std::string>& arguments) {
    HeadlessDocument document(context, FilePath(arguments[0]));
    if (document.status != exit_status::kOk) return document.status;
    return branch_export::WriteExport(document.session.Tree(), FirstNode(document), FilePath(arguments[1]),
                                      context.port)
               ? exit_status::kOk
               : exit_status::kIoError;
}
