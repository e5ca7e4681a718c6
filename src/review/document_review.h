#pragma once

#include <string>
#include <vector>

#include "date_port.h"

class DocumentSession;

// What a document still lacks before it can be shown to a labour inspector: the firm's data, the
// workers exposed at each workstation, questionnaires neither answered nor valued, deficiencies
// not valued or without measure, measures without date, responsible, resources or cost, and
// measures overdue on a date. A value stored that the node data editor would refuse (a count
// that is no number, a date that is no date) is a gap too. Texts are Windows-1252.
//
//     const std::vector<review::Gap> gaps = review::Review(session, dates, today);
//     for (const review::Gap& gap : gaps) out << review::GapLine(gap);
//     status = review::PendingText(review::GapCount(session, dates, today));
namespace review {

// The groups that the gaps are listed in, in this order.
enum class Group { kFirm, kWorkstations, kQuestionnaires, kDeficiencies, kMeasures };
constexpr int kGroupCount = 5;
// "Empresa", "Puestos de trabajo", "Cuestionarios", "Deficiencias", "Medidas preventivas".
const std::string& GroupName(Group group);

struct Gap {
    Group group = Group::kFirm;
    int slot = 0;         // the node's slot in the node table: its line in the file just opened or saved
    std::string place;    // the node: the names from the firm down to it, " / "
    std::string missing;  // what is missing: "sin NIF/CIF", "vencida desde el 01/12/2026" ...
};

// Every gap of the session's document on the date asOf, by group and, in each group, in the
// document's order. None when no document is open.
std::vector<Gap> Review(const DocumentSession& session, DatePort& dates, const Date& asOf);
// How many gaps the document has on that date.
int GapCount(const DocumentSession& session, DatePort& dates, const Date& asOf);

// "1 punto pendiente", "12 puntos pendientes".
std::string PendingText(int count);
// "12: Talleres del Norte / Nave / Torno: sin «Trabajadores expuestos»": the line number, the
// place and what is missing, as the command line writes a gap.
std::string GapLine(const Gap& gap);

}  // namespace review
