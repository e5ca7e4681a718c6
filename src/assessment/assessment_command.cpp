#include "assessment_command.h"

#include "assessment.h"
#include "assessment_export.h"
#include "assessment_printout.h"
#include "document_session.h"
#include "print_port.h"
#include "user_port.h"

void AssessmentCommand::InformeEvaluacion1Click() {
    if (session_.ViewMode() == view::kNone) return;
    const assessment::Assessment gathered = assessment::Gather(session_, catalogue_, dates_, dates_.Today());
    if (printer_.ChoosePrinter(false, assessment::ProposedFileName(gathered.firmName)) !=
        PrintPort::Choice::Printer)
        return;
    BusyPointer busy(printer_);
    std::string error;
    if (!assessment::PrintAssessment(gathered, printer_.Printer(), &error)) port_.ShowError(error);
}
