#pragma once

#include <optional>
#include <string>
#include <vector>

#include "date_port.h"
#include "file_path.h"
#include "photo_list.h"
#include "workstation_data.h"

class Catalogue;
class DocumentSession;
namespace assessment {
struct Assessment;
}

// The worker information sheet of a workstation ("Ficha del puesto"): what a person who holds it
// is told, in plain words, gathered from the assessment of the document. The risks are the
// questionnaires applied to the workstation, to the zones it lies in and to the firm (a zone's
// risks reach everyone who works in it); what was found is the deficiencies of the workstation
// and its zones, with their measures as the action plan has them on the sheet's date. Texts are
// Windows-1252, like the document's.
namespace sheets {

struct Risk {
    std::string questionnaire;  // the catalogue's title, without its number
    std::string place;          // "Su puesto", "Zona: Nave", "Toda la empresa"
    std::string result;         // the questionnaire's valuation in words
};

struct Action {
    std::string measure;
    std::string state;  // the plan's state on the sheet's date: "Pendiente", "Realizada" ...
    std::string date;   // the completion date when done, else the planned one; empty for none
};

struct Finding {
    std::string item;      // the checklist item, without its number
    std::string detected;  // "Deficiencia detectada:", may be empty
    std::string place;     // as a risk's
    std::string level;     // the intervention level in words
    std::vector<Action> actions;
    PhotoList photos;  // the deficiency's
};

struct Sheet {
    int line = 0;  // the workstation's slot: its line number in the saved document
    std::string firm;
    std::string zone;  // the zones it lies in, " / "; empty directly under the firm
    std::string workstation;
    std::string date;
    std::vector<Risk> risks;
    std::vector<Finding> findings;
    FilePath photoFolder;  // where the findings' photos are; empty for a document never saved
    std::vector<std::string> applied;  // the items answered "Sí" in the risks' questionnaires
    workstation_data::WorkstationData data;
    std::vector<std::string> workers;  // "Trabajadores del puesto", one copy of the sheet each
    int blankLines = 1;                // without names: "Trabajadores expuestos", at least one

    // One copy per named worker, or one with blank lines to sign.
    int Copies() const { return workers.empty() ? 1 : static_cast<int>(workers.size()); }
};

// The sheet of every workstation of the assessment, in the order of the tree.
std::vector<Sheet> SheetsOf(const assessment::Assessment& assessment);

// The same for the session's document on a date.
std::vector<Sheet> Gather(const DocumentSession& session, const Catalogue& catalogue, DatePort& dates,
                          const Date& asOf);

// The sheet of the workstation in the slot (line), or nothing when that is no workstation.
std::optional<Sheet> SheetAt(const std::vector<Sheet>& sheets, int line);

}  // namespace sheets
