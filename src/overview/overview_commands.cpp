#include "overview_commands.h"

#include "cp1252.h"

namespace overview {

FileDialogSpec ExportDialog(Format format, const FilePath& folder) {
    const bool xlsx = format == Format::kXlsx;
    std::string stem = folder.Utf8();
    while (stem.size() > 1 && stem.back() == '/')
        stem.pop_back();
    stem = FilePath(stem).FileName().Utf8();
    if (stem.empty() || stem == "/" || stem == ".") stem = "carpeta";
    FileDialogSpec dialog;
    dialog.mode = FileDialogSpec::Mode::Save;
    dialog.title = "Guardar el resumen";
    dialog.filter = xlsx ? W("Libro de hoja de cálculo (*.xlsx)|*.xlsx") : "Texto separado por punto y coma (*.csv)|*.csv";
    dialog.defaultSuffix = xlsx ? "xlsx" : "csv";
    dialog.proposedName = FilePath(stem + "-resumen." + dialog.defaultSuffix);
    return dialog;
}

bool SaveOverview(const Overview& overview, Format format, UserPort& port, DatePort& dates) {
    const std::optional<FilePath> path = port.ChooseFile(ExportDialog(format, overview.folder));
    if (!path) return false;
    std::string error;
    if (ExportOverview(overview, format, dates, *path, &error)) return true;
    port.ShowError("No se puede escribir el resumen: " + cp1252::FromUtf8(error));
    return false;
}

}  // namespace overview
