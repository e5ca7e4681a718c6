#pragma once

#include <optional>
#include <string>

#include "date_port.h"
#include "firm_data.h"
#include "photo_list.h"
#include "workstation_data.h"

class DocumentTree;
class NodeTable;
class QuestionnaireAnswering;
class UserPort;
class oToken;
struct TreeNode;

// How the node data editor presents one kind of node: its caption prefix, the labels that
// differ from the defaults and the controls that are shown or locked.
struct NodeDataAdaptation {
    std::string captionPrefix;
    std::string nameLabel;      // Label4
    std::string commentsLabel;  // Label5
    bool commentsLabelWraps = false;
    std::string observationsLabel;  // Label10
    bool showsObservations = true;  // Label10 and mem10
    bool showsLevels = false;       // Label3 and the four intervention level buttons
    bool showsLocation = false;     // Label11 and Edit2
    bool showsPrintBlank = false;   // BitBtn3, "Imp. Vacío"
    bool nameReadOnly = false;      // Memo1
    bool showsAnswers = false;      // below the controls: the checklist answers, "Responder Cuestionario"
    bool showsResources = false;    // "Recursos:" and "Coste previsto (€)", below the other controls (measures)
    // Below the other controls: the firm's data (the firm), "Trabajadores expuestos:" (workstations).
    bool showsFirmData = false;
    bool showsExposedWorkers = false;
    // Below those, a workstation's protective equipment, training, health surveillance and workers.
    bool showsWorkstationData = false;
    // Below everything, the photos of a deficiency or a measure.
    bool showsPhotos = false;

    bool operator==(const NodeDataAdaptation&) const = default;
};

NodeDataAdaptation AdaptationFor(char kind);

// What the editor's controls hold; the window fills it in as the user leaves the controls.
struct NodeDataValues {
    std::string name;          // Memo1: field::kLabel
    std::string comments;      // mem5: kComments; a deficiency's kDeficiencyDetected, also for its measures
    Date planned;              // DateTimePicker1: field::kPlannedDate
    std::string plannedBy;     // edt7: field::kPlannedBy
    Date completion;           // DateTimePicker2: field::kDoneDate
    std::string doneBy;        // edt9: field::kDoneBy
    std::string observations;  // mem10: field::kObservations
    std::string resources;     // "Recursos:": field::kResources (measures)
    std::string cost;          // "Coste previsto (€)": field::kCost (measures)
    // The firm's data (firm_data.h) and a workstation's "Trabajadores expuestos:".
    firm_data::FirmData firm;
    std::string exposedWorkers;
    workstation_data::WorkstationData workstation;
    PhotoList photos;  // field 16 of a deficiency or a measure
};

// The node data editor without its window: reads a tree node's record into the controls'
// values, adapted to the node's kind, and writes them back on "Aceptar". Texts are
// Windows-1252 like the record's.
class NodeDataForm {
public:
    // answering: answers a questionnaire's checklist from the editor; none offers no answering.
    NodeDataForm(const NodeTable& table, TreeNode& node, DatePort& dates,
                 QuestionnaireAnswering* answering = nullptr);

    // Reads the record. A planned or completion date that cannot be read is reported through
    // the port and the editor must not open (false); nothing has been changed then.
    bool Open(UserPort& port);

    char Kind() const { return kind_; }
    const NodeDataAdaptation& Adaptation() const { return adaptation_; }
    const std::string& Caption() const { return caption_; }
    // "Procedencia:": the names from below the firm down to the node's parent, joined by "/".
    const std::string& Location() const { return location_; }
    // The intervention level of the deficiency, 0 "Crítico" to 3 "No imprescindible".
    std::optional<int> Level() const { return level_; }
    // Whether the completion date is written on "Aceptar".
    bool CompletionDateSet() const { return completionDateSet_; }

    NodeDataValues& Values() { return values_; }
    const NodeDataValues& Values() const { return values_; }

    // The user changed the completion date: from now on it is stored.
    void CompletionDateChanged() { completionDateSet_ = true; }

    // Before "Aceptar" takes the entries: the firm's and a workstation's figures and a measure's
    // cost are put in the form the document keeps them in. The message for the first that is not a number or a date
    // (Windows-1252), or nothing when all of them can be stored.
    std::optional<std::string> CheckFigures(NodeDataValues& values) const;

    // "Aceptar": writes the values into the record and the node's tree text.
    void Accept(DocumentTree& tree);

    // "Imp. Vacío": the questionnaire number that the title in Memo1 begins with, and the
    // heading printed above it (the tree text of the node the questionnaire hangs from).
    int BlankQuestionnaireNumber() const;
    std::string BlankHeading() const;

    // A questionnaire's checklist answers: whether the editor offers them, the line that sums
    // them up ("Respondidos: ..."), and "Responder Cuestionario", which answers the checklist at
    // once, as the context menu's command does, whatever the editor's outcome.
    bool OffersAnswering() const { return adaptation_.showsAnswers && answering_; }
    std::string AnswersSummary() const;
    void AnswerQuestionnaire();

private:
    std::optional<Date> ReadDate(int field, UserPort& port) const;
    const oToken* Deficiency() const;

    const NodeTable& table_;
    TreeNode& node_;
    oToken& record_;
    DatePort& dates_;
    QuestionnaireAnswering* answering_;
    char kind_;
    NodeDataAdaptation adaptation_;
    std::string caption_;
    std::string location_;
    std::optional<int> level_;
    bool completionDateSet_ = false;
    NodeDataValues values_;
};
