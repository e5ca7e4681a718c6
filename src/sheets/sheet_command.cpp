#include "sheet_command.h"

#include "cp1252.h"
#include "document_session.h"
#include "kinds.h"
#include "print_port.h"
#include "sheet_export.h"
#include "sheet_printout.h"
#include "user_port.h"
#include "workstation_sheet.h"

namespace {

void Print(const std::vector<sheets::Sheet>& sheets, const std::string& fileName, UserPort& port,
           PrintPort& printer) {
    if (printer.ChoosePrinter(false, fileName) != PrintPort::Choice::Printer) return;
    BusyPointer busy(printer);
    std::string error;
    if (!sheets::PrintSheets(sheets, printer.Printer(), &error)) port.ShowError(error);
}

}  // namespace

void SheetCommand::FichaPuestoClick() {
    const oToken* record = session_.SelectedRecord();
    if (!record || record->GetKind(field::kKind) != kind::kWorkstation) return;
    const std::optional<sheets::Sheet> sheet = sheets::SheetAt(
        sheets::Gather(session_, catalogue_, dates_, dates_.Today()), record->GetFieldInt(field::kSlot));
    if (!sheet) return;
    Print({*sheet}, sheets::ProposedFileName("Ficha del puesto", sheet->workstation), port_, printer_);
}

void SheetCommand::FichasPuestosClick() {
    if (session_.ViewMode() == view::kNone) return;
    const std::vector<sheets::Sheet> all = sheets::Gather(session_, catalogue_, dates_, dates_.Today());
    if (all.empty()) {
        port_.ShowError(W(sheets::kNoWorkstation));
        return;
    }
    Print(all, sheets::ProposedFileName("Fichas de los puestos", all.front().firm), port_, printer_);
}
