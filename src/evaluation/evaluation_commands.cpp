#include "evaluation_commands.h"

#include <memory>

#include "deficiency_form.h"
#include "document_session.h"
#include "entry_dialog_port.h"
#include "evaluation_texts.h"
#include "kinds.h"
#include "measure_form.h"
#include "questionnaire_valuation.h"
#include "texts.h"
#include "user_port.h"

EvaluationCommands::EvaluationCommands(DocumentSession& session, const Catalogue& catalogue, UserPort& port,
                                       DatePort& dates, EntryDialogPort& dialogs)
    : session_(session), catalogue_(catalogue), port_(port), dates_(dates), dialogs_(dialogs) {}

bool EvaluationCommands::EnterDeficiency(oToken& record, const std::string& pickedItem) {
    DeficiencyForm form;
    form.Open(session_.Table(), catalogue_, record, port_);
    if (!pickedItem.empty()) form.cmbSelect(pickedItem);
    if (!dialogs_.ShowDeficiencyDialog(form)) return false;
    form.WriteBack(record);
    return true;
}

bool EvaluationCommands::EnterPreventiveMeasure(oToken& record) {
    MeasureForm form;
    form.Open(session_.Table(), record, dates_, port_);
    if (!dialogs_.ShowMeasureDialog(form)) return false;
    form.WriteBack(record, dates_);
    return true;
}

void EvaluationCommands::IndicarDeficiencias1Click() {
    TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    const UndoStep step(session_, W("Indicar Deficiencias"));
    if (session_.SelectedKind() != kind::kQuestionnaire) {
        port_.ShowMessage(text::kNoPlaceForDeficiencies);
        return;
    }
    AddDeficiency(*node);
}

bool EvaluationCommands::AddDeficiency(TreeNode& node, const std::string& pickedItem) {
    oToken& questionnaire = *node.record;
    // Reads as "Sin Valorar" like the empty field; it stays even when the entry is cancelled.
    if (questionnaire.GetField(field::kQuestionnaireValuation).empty())
        questionnaire.SetField(field::kQuestionnaireValuation, "0");

    auto record = std::make_unique<oToken>();
    record->SetField(field::kParent, questionnaire.GetField(field::kSlot));
    if (!EnterDeficiency(*record, pickedItem)) return false;

    // A deficiency that the full table cannot take must not count in the valuation.
    if (session_.Table().Full()) {
        port_.ShowMessage(text::kMaximum);
        return false;
    }
    questionnaire.SetField(
        field::kQuestionnaireValuation,
        questionnaire_valuation::Raised(questionnaire.GetField(field::kQuestionnaireValuation),
                                        record->GetField(field::kValuationCode)));

    oToken* added = session_.AppendRecord(std::move(record), port_);
    if (!added) return false;
    added->SetField(field::kParent, questionnaire.GetField(field::kSlot));
    added->SetField(field::kKind, std::string(1, kind::kDeficiency));
    TreeNode* child =
        session_.Tree().AddChild(&node, added->GetField(field::kItem), added, icon::kDeficiency);
    session_.Table().SetNode(added->GetFieldInt(field::kSlot), child);
    session_.Tree().Expand(&node);  // the new deficiency in sight; the selection stays
    session_.SetModified(true);
    return true;
}

void EvaluationCommands::IndicarMedidasPrev1Click() {
    TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    const UndoStep step(session_, W("Indicar Medidas Prev"));
    if (session_.SelectedKind() != kind::kDeficiency) {
        port_.ShowMessage(text::kNoPlaceForMeasures);
        return;
    }
    oToken& deficiency = *node->record;
    auto record = std::make_unique<oToken>();
    record->SetField(field::kParent, deficiency.GetField(field::kSlot));
    if (!EnterPreventiveMeasure(*record)) return;

    oToken* added = session_.AppendRecord(std::move(record), port_);
    if (!added) return;
    added->SetField(field::kParent, deficiency.GetField(field::kSlot));
    added->SetField(field::kKind, std::string(1, kind::kMeasure));
    TreeNode* child = session_.Tree().AddChild(node, added->GetField(field::kMeasure), added, icon::kMeasure);
    session_.Table().SetNode(added->GetFieldInt(field::kSlot), child);
    session_.Tree().Expand(node);
    session_.SetModified(true);
}
