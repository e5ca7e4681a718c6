#pragma once

class Catalogue;
class DatePort;
class DocumentSession;
class PrintPort;
class UserPort;

// "Informe de evaluación ..." of the menu "&Archivo": the print dialog, with the firm's name
// proposed as the PDF file's name, then the risk assessment document of the open document, on
// today's date, on the printer or file chosen. It reads the document and never changes it.
class AssessmentCommand {
public:
    AssessmentCommand(const DocumentSession& session, const Catalogue& catalogue, UserPort& port,
                      DatePort& dates, PrintPort& printer)
        : session_(session), catalogue_(catalogue), port_(port), dates_(dates), printer_(printer) {}

    void InformeEvaluacion1Click();

private:
    const DocumentSession& session_;
    const Catalogue& catalogue_;
    UserPort& port_;
    DatePort& dates_;
    PrintPort& printer_;
};
