#pragma once

#include <array>
#include <string>
#include <vector>

#include "action_plan.h"
#include "document_review.h"
#include "file_path.h"
#include "firm_data.h"
#include "photo_list.h"

class Catalogue;
class DocumentSession;
class oToken;

// What the risk assessment document says, gathered from the document: the firm and its data,
// every place (the firm, its zones and workstations) in the order of the tree with the
// questionnaires applied there, their deficiencies and measures, the counts by intervention
// level, and the action plan. Texts are Windows-1252, like the document's.
namespace assessment {

// Deficiencies by intervention level, in the plan's order of levels (Sin valorar last).
using LevelCounts = std::array<int, plan::kLevelCount>;

struct Deficiency {
    std::string item;            // the item's number and text
    std::string detected;        // "Deficiencia detectada:"
    std::string recommendation;  // the generic recommendation
    std::string comments;
    std::string code;  // the valuation code's five characters (valuation_code.h)
    plan::Level level = plan::Level::kNotValued;
    std::vector<std::size_t> measures;  // its measures: indexes of the plan's rows
    PhotoList photos;                   // its own; a measure's are in the plan's row
};

struct Questionnaire {
    std::string title;
    std::string valuation;  // "Sin valorar" ... "Muy deficiente"
    std::string agents;     // "Descripción de agentes implicados"
    std::string planned, plannedBy, done, doneBy;
    // Its checklist answers: "24 de 24 (Sí 20, No 2, No procede 2)" answered, empty when it
    // was never answered; and the items answered "Sí", number and text, what was found in order.
    std::string answers;
    std::vector<std::string> checked;
    std::vector<Deficiency> deficiencies;
};

struct Place {
    char kind = ' ';             // kind::kFirm, kZone, kWorkstation; a blank for none
    const oToken* record = nullptr;  // its own, in the session's node table; none for none
    std::string name;            // its own
    std::string path;            // the places from below the firm down to it, " / "; the firm: its name
    int depth = 0;               // 0 for the firm
    std::string exposedWorkers;  // a workstation's
    std::vector<Questionnaire> questionnaires;
    LevelCounts levels{};  // its own deficiencies, not those of the places below it
    int Deficiencies() const;
};

struct Assessment {
    std::string firmName;
    firm_data::FirmData firm;
    std::string planned, plannedBy, done, doneBy;  // the firm's own dates and technicians
    std::string comments, observations;            // the firm's "Comentarios:" and "Observaciones:"
    std::string date;                              // the document's, as the plan's date
    std::vector<Place> places;                     // in the order of the tree, the firm first
    LevelCounts levels{};                          // every deficiency of the document
    plan::ActionPlan plan;
    std::vector<review::Gap> gaps;  // what the document still lacks on its date
    FilePath photoFolder;           // where the photos are; empty for a document never saved
    int Deficiencies() const;
};

// A questionnaire's stored valuation as a sentence writes it: "Sin valorar", "Muy deficiente"
// (the view's captions are "Sin Valorar", "Muy Deficiente").
std::string ValuationInWords(const std::string& field);

// The assessment of the session's document on a date (the plan's states are on that date); the
// catalogue gives the items of the questionnaires' answers.
Assessment Gather(const DocumentSession& session, const Catalogue& catalogue, DatePort& dates,
                  const Date& asOf);

}  // namespace assessment
