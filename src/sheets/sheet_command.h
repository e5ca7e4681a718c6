#pragma once

class Catalogue;
class DatePort;
class DocumentSession;
class PrintPort;
class UserPort;

// The worker information sheets from the window: "Ficha del Puesto ..." of a workstation's
// context menu prints the selected workstation's sheet, "Fichas de los puestos ..." of "&Archivo"
// every workstation's, on today's date, on the printer or PDF file chosen in the print dialog.
// They read the document and never change it.
class SheetCommand {
public:
    SheetCommand(const DocumentSession& session, const Catalogue& catalogue, UserPort& port, DatePort& dates,
                 PrintPort& printer)
        : session_(session), catalogue_(catalogue), port_(port), dates_(dates), printer_(printer) {}

    void FichaPuestoClick();
    void FichasPuestosClick();

private:
    const DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    DatePort& dates_;
    PrintPort& printer_;
};
