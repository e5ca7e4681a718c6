#pragma once

#include <string>

class Catalogue;
class DatePort;
class DocumentSession;
class PrintPort;
class UserPort;

// The commands that print, report and export: "Informe" and "&Imprimir" (the selected branch,
// or the whole document, on a printer or to "Informe.txt"), "Exportar a un archivo ..." and the
// blank questionnaire of the data editor. They read the document and never change it.
class ReportCommands {
public:
    ReportCommands(DocumentSession& session, const Catalogue& catalogue, UserPort& port, DatePort& dates,
                   PrintPort& printer);

    void ReportBranch();   // Informe1Click
    void PrintDocument();  // Imprimir1Click: selects the first node, then reports it
    void ExportBranch();   // Exportar1Click
    // "Imp. Vacío": the print dialog, then the blank questionnaire on the chosen printer.
    void PrintBlank(int questionnaire, const std::string& area);

private:
    void ShowPrinterError(const std::string& error);

    DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    DatePort& dates_;
    PrintPort& printer_;
};
