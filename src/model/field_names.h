#pragma once

// The fields of a record (oToken) by what they hold for each kind of node: E firm, Z zone,
// P workstation, C questionnaire, D deficiency, R preventive measure. Field numbers are
// written here and nowhere else; where a field means different things for different kinds,
// each meaning has its own name. Quoted words are the node data editor's labels.
//
// Used by no kind, and so free for new data: 11 and 13 of E, Z and P; 12 and 13 of C; 12 of D;
// 11 to 13 of R; 14 to 16 of every kind. A new field gets its name here.
namespace field {

constexpr int kFirst = 1;  // the record's numbering starts here and ends at oToken::kMaxFields

// Every kind.
constexpr int kSlot = 1;     // its own slot in the node table; in a file, its line number
constexpr int kParent = 2;   // the slot of its parent's record; 0 at the top level (the firm)
constexpr int kKind = 3;     // the kind letter
constexpr int kLabel = 4;    // what the tree shows, under one of these names:
constexpr int kName = 4;     //   E, Z, P: the name ("Nombre:")
constexpr int kTitle = 4;    //   C: "NN.- " and the catalogue title, not editable
constexpr int kItem = 4;     //   D: the item's number and text
constexpr int kMeasure = 4;  //   R: the specific measure ("Medida específica:")

// Field 5: for E, Z, P "Comentarios:"; for C the agents involved; for R the comments given
// when the measure was recorded. For D the item's generic recommendation from the catalogue.
constexpr int kComments = 5;
constexpr int kRecommendation = 5;

// Every kind: planning and completion.
constexpr int kPlannedDate = 6;  // "Fecha Prevista:"; empty for no date
constexpr int kPlannedBy = 7;    // "Técnico:" of the planned date
constexpr int kDoneDate = 8;     // "Fecha Realiz:"; empty until done
constexpr int kDoneBy = 9;       // "Técnico:" who carried it out
// E "Observaciones:"; D and R "Comentarios:"; Z, P and C keep it without showing it.
constexpr int kObservations = 10;

constexpr int kQuestionnaireValuation = 11;  // C: one character "0" to "4"
constexpr int kValuationCode = 11;           // D: five characters, intervention level first
constexpr int kAssignmentFlags = 12;         // E, Z, P: one "0"/"1" per catalogue questionnaire
constexpr int kDeficiencyDetected = 13;      // D: "Deficiencia detectada:"

}  // namespace field
