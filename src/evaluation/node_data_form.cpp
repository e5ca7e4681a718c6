#include "node_data_form.h"

#include "cp1252.h"
#include "document_tree.h"
#include "firm_figures.h"
#include "kinds.h"
#include "location_path.h"
#include "measure_cost.h"
#include "node_table.h"
#include "questionnaire_answering.h"
#include "user_port.h"
#include "valuation_code.h"

NodeDataAdaptation AdaptationFor(char kind) {
    NodeDataAdaptation a;
    a.nameLabel = W("Nombre:");
    a.commentsLabel = W("Comentarios:");
    a.observationsLabel = W("Observaciones:");
    switch (kind) {
        case kind::kZone:
        case kind::kWorkstation:
            a.showsObservations = false;
            a.showsExposedWorkers = kind == kind::kWorkstation;
            a.showsWorkstationData = kind == kind::kWorkstation;
            break;
        case kind::kQuestionnaire:
            a.captionPrefix = W("Cuestionario: ");
            a.showsPrintBlank = true;
            a.nameReadOnly = true;
            a.commentsLabel = W("Descripción de agentes implicados");
            a.commentsLabelWraps = true;
            a.showsObservations = false;
            a.showsAnswers = true;
            break;
        case kind::kDeficiency:
        case kind::kMeasure:
            a.nameLabel = kind == kind::kDeficiency ? W("Item:") : W("Medida específica:");
            a.commentsLabel = W("Deficiencia detectada:");
            a.observationsLabel = W("Comentarios:");
            a.showsLevels = true;
            a.showsLocation = true;
            a.showsResources = kind == kind::kMeasure;
            a.showsPhotos = true;
            break;
        case kind::kFirm:
            a.showsFirmData = true;
            break;
        default:  // anything else keeps the defaults
            break;
    }
    return a;
}

NodeDataForm::NodeDataForm(const NodeTable& table, TreeNode& node, DatePort& dates,
                           QuestionnaireAnswering* answering)
    : table_(table),
      node_(node),
      record_(*node.record),
      dates_(dates),
      answering_(answering),
      kind_(record_.GetKind(field::kKind)),
      adaptation_(AdaptationFor(kind_)) {}

std::optional<Date> NodeDataForm::ReadDate(int field, UserPort& port) const {
    const std::string text = record_.GetField(field);
    std::optional<Date> date = dates_.FromText(text);
    if (!date) port.ShowError(InvalidDateMessage(text));
    return date;
}

bool NodeDataForm::Open(UserPort& port) {
    completionDateSet_ = false;
    values_.planned = values_.completion = dates_.Today();
    if (!record_.GetField(field::kPlannedDate).empty()) {
        const auto planned = ReadDate(field::kPlannedDate, port);
        if (!planned) return false;
        values_.planned = *planned;
    }
    if (!record_.GetField(field::kDoneDate).empty()) {
        const auto completion = ReadDate(field::kDoneDate, port);
        if (!completion) return false;
        values_.completion = *completion;
        completionDateSet_ = true;
    }
    caption_ = adaptation_.captionPrefix + record_.GetField(field::kLabel);
    values_.name = record_.GetField(field::kLabel);

    const oToken* deficiency = Deficiency();
    if (kind_ == kind::kMeasure) {
        values_.comments = deficiency ? deficiency->GetField(field::kDeficiencyDetected) : std::string();
    } else {
        values_.comments =
            record_.GetField(kind_ == kind::kDeficiency ? field::kDeficiencyDetected : field::kComments);
    }
    level_.reset();
    if (deficiency) level_ = valuation::InterventionLevel(deficiency->GetField(field::kValuationCode));
    if (adaptation_.showsLocation) location_ = ParentLocation(table_, record_);

    values_.plannedBy = record_.GetField(field::kPlannedBy);
    values_.doneBy = record_.GetField(field::kDoneBy);
    values_.observations = record_.GetField(field::kObservations);
    values_.resources = record_.GetField(field::kResources);
    values_.cost = record_.GetField(field::kCost);
    values_.firm = firm_data::Read(record_);
    values_.exposedWorkers = firm_data::ReadExposedWorkers(record_);
    values_.workstation = workstation_data::Read(record_);
    if (adaptation_.showsPhotos) values_.photos = ReadPhotoList(record_);
    return true;
}

// The deficiency whose level the buttons show: the record itself, or a measure's parent.
const oToken* NodeDataForm::Deficiency() const {
    if (kind_ == kind::kDeficiency) return &record_;
    if (kind_ == kind::kMeasure) return table_.Parent(record_);
    return nullptr;
}

void NodeDataForm::Accept(DocumentTree& tree) {
    if (values_.name != node_.text) tree.SetText(&node_, values_.name);
    record_.SetField(field::kLabel, values_.name);
    if (kind_ == kind::kDeficiency) {
        record_.SetField(field::kDeficiencyDetected, values_.comments);
    } else if (kind_ != kind::kMeasure) {
        record_.SetField(field::kComments, values_.comments);
    }
    record_.SetField(field::kPlannedDate, dates_.ToText(values_.planned));
    record_.SetField(field::kPlannedBy, values_.plannedBy);
    if (completionDateSet_) record_.SetField(field::kDoneDate, dates_.ToText(values_.completion));
    record_.SetField(field::kDoneBy, values_.doneBy);
    record_.SetField(field::kObservations, values_.observations);
    if (adaptation_.showsResources) {
        SetNewDataField(record_, field::kResources, values_.resources);
        SetNewDataField(record_, field::kCost, values_.cost);
    }
    // Written only when changed, so that a pair the program cannot read stays as it was.
    if (adaptation_.showsFirmData && values_.firm != firm_data::Read(record_))
        firm_data::Write(record_, values_.firm);
    if (adaptation_.showsExposedWorkers && values_.exposedWorkers != firm_data::ReadExposedWorkers(record_))
        firm_data::WriteExposedWorkers(record_, values_.exposedWorkers);
    if (adaptation_.showsWorkstationData) workstation_data::Write(record_, values_.workstation);
    if (adaptation_.showsPhotos) WritePhotoList(record_, values_.photos);
    // A deficiency's or a measure's shown text is made of several fields.
    tree.Touch(&node_);
}

std::optional<std::string> NodeDataForm::CheckFigures(NodeDataValues& values) const {
    if (auto problem = firm_figures::Check(values, adaptation_, dates_)) return problem;
    // A stored cost shown again unchanged stays as it was, even when it is no amount.
    if (adaptation_.showsResources && values.cost != record_.GetField(field::kCost)) {
        const std::optional<std::string> stored = measure_cost::Stored(values.cost);
        if (!stored) return measure_cost::BadCostMessage(values.cost);
        values.cost = *stored;
    }
    return std::nullopt;
}

int NodeDataForm::BlankQuestionnaireNumber() const {
    // Read as a tree label's number, except that a title of a single digit is that digit.
    const std::string& title = values_.name;
    return TwoDigitNumber(title.size() == 1 ? title + ' ' : title);
}

std::string NodeDataForm::BlankHeading() const {
    // The tree's invisible root is the parent of a top-level node: that is no owner.
    const TreeNode* owner = node_.parent;
    if (owner && owner->parent) return owner->text;
    return record_.GetField(field::kLabel);
}

std::string NodeDataForm::AnswersSummary() const {
    return OffersAnswering() ? answering_->Summary(record_) : std::string();
}

void NodeDataForm::AnswerQuestionnaire() {
    if (OffersAnswering()) answering_->AnswerQuestionnaire(node_);
}
