#include "plan_commands.h"

#include "cp1252.h"
#include "plan_xlsx.h"
#include "user_port.h"

namespace plan {

namespace {

struct FormatFile {
    const char* filter;  // UTF-8
    const char* extension;
};

FormatFile FileOf(Format format) {
    switch (format) {
        case Format::kXlsx:
            return {"Libro de hoja de cálculo (*.xlsx)|*.xlsx", "xlsx"};
        case Format::kCsv:
            return {"Texto separado por punto y coma (*.csv)|*.csv", "csv"};
        case Format::kPdf:
            break;
    }
    return {"Documento PDF (*.pdf)|*.pdf", "pdf"};
}

// What the user is told when a workbook's cells could not hold their whole texts.
std::string ShortenedCellsMessage(const std::vector<std::string>& cells) {
    std::string message = W("El plan se ha guardado, pero una celda de hoja de cálculo admite ") +
                          std::to_string(kCellCharacters) + W(" caracteres: estas celdas se acortaron y acaban en «…»:");
    for (const std::string& cell : cells)
        message += "\n" + cp1252::FromUtf8(cell);
    return message;
}

}  // namespace

FileDialogSpec ExportDialog(Format format, const FilePath& documentName) {
    const FormatFile file = FileOf(format);
    std::string stem = documentName.FileName().Utf8();
    const std::size_t dot = stem.find_last_of('.');
    if (dot != std::string::npos && dot > 0) stem.resize(dot);
    if (stem.empty()) stem = "plan";
    FileDialogSpec dialog;
    dialog.mode = FileDialogSpec::Mode::Save;
    dialog.title = W("Guardar el plan de acción");
    dialog.filter = W(file.filter);
    dialog.defaultSuffix = file.extension;
    dialog.proposedName = FilePath(stem + "-plan." + file.extension);
    return dialog;
}

bool SavePlan(const ActionPlan& plan, Format format, const FilePath& documentName, UserPort& port,
              PdfCanvasSource& pdf) {
    const std::optional<FilePath> path = port.ChooseFile(ExportDialog(format, documentName));
    if (!path) return false;
    std::string error;
    std::vector<std::string> shortened;
    if (ExportPlan(plan, format, *path, pdf, &error, &shortened)) {
        if (!shortened.empty()) port.ShowMessage(ShortenedCellsMessage(shortened));
        return true;
    }
    port.ShowError(W("No se puede escribir el plan de acción: ") + cp1252::FromUtf8(error));
    return false;
}

}  // namespace plan
