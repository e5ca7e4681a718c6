#pragma once

// The fields of a record (oToken) by what they hold for each kind of node: E firm, Z zone,
// P workstation, C questionnaire, D deficiency, R preventive measure. Field numbers are written
// here and nowhere else; a field that means different things for different kinds has a name for
// each. Quoted words are the node data editor's labels.
//
// Used by no kind, and so free for new data (which gets its name here): 11 and 13 of E, Z and P;
// 12 and 13 of C; 12 of D; 11 to 13 of R; 14 to 16 of every kind. New data is written only when
// it is not empty, so a document without it reads and writes as before.
namespace field {

constexpr int kFirst = 1;  // the record's numbering starts here and ends at oToken::kMaxFields

constexpr int kSlot = 1;     // every kind: its own slot in the node table; in a file, its line number
constexpr int kParent = 2;   // every kind: the slot of its parent's record; 0 at the top level
constexpr int kKind = 3;     // every kind: the kind letter
constexpr int kLabel = 4;    // every kind: what the tree shows, which is
constexpr int kName = 4;     //   for E, Z, P the name ("Nombre:")
constexpr int kTitle = 4;    //   for C "NN.- " and the catalogue title, not editable
constexpr int kItem = 4;     //   for D the item's number and text
constexpr int kMeasure = 4;  //   for R the specific measure ("Medida específica:")

constexpr int kComments = 5;        // E, Z, P "Comentarios:"; C agents involved; R comments when recorded
constexpr int kRecommendation = 5;  // D: the item's generic recommendation from the catalogue
constexpr int kPlannedDate = 6;     // every kind: "Fecha Prevista:"; empty for no date
constexpr int kPlannedBy = 7;       // every kind: "Técnico:" of the planned date
constexpr int kDoneDate = 8;        // every kind: "Fecha Realiz:"; empty until done
constexpr int kDoneBy = 9;          // every kind: "Técnico:" who carried it out
constexpr int kObservations = 10;   // E "Observaciones:"; D, R "Comentarios:"; Z, P, C kept unshown

constexpr int kQuestionnaireValuation = 11;  // C: one character "0" to "4"
constexpr int kValuationCode = 11;           // D: five characters, intervention level first
constexpr int kAssignmentFlags = 12;         // E, Z, P: one "0"/"1" per catalogue questionnaire
constexpr int kDeficiencyDetected = 13;      // D: "Deficiencia detectada:"

constexpr int kChecklistAnswers = 14;  // C: one answer per item, 'S', 'N', 'X' "No procede", blank
constexpr int kResources = 14;         // R: "Recursos:", the human and material resources and the cost
constexpr int kCost = 15;              // R: "Coste previsto (€)": euros, a comma and two decimals
constexpr int kPhotos = 16;            // D, R: the photos, one a line: file name, "|" and the caption

// The firm's data (firm_data.h): one long text per field, and the short values together.
constexpr int kTaxId = 11;       // E: "NIF/CIF:"
constexpr int kAddress = 13;     // E: "Domicilio:"
constexpr int kActivity = 14;    // E: "Actividad (CNAE):"
constexpr int kEvaluator = 15;   // E: "Evaluación realizada por:"
constexpr int kPlaceFigures = 16;  // E, P: "clave=valor" pairs: workers, modality, next review; exposed workers

// What a workstation's worker is told (workstation_data.h): texts with line breaks.
constexpr int kWorkstationWorkers = 11;    // P: "Trabajadores del puesto:", one name per line
constexpr int kProtectiveEquipment = 13;   // P: "Equipos de protección individual:"
constexpr int kTraining = 14;              // P: "Formación e información:"
constexpr int kHealthSurveillance = 15;    // P: "Vigilancia de la salud:"

}  // namespace field
