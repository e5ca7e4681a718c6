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
    TreeNode* node = session_.SelectedOfKind({kind::kQuestionnaire}, text::kNoPlaceForDeficiencies, port_);
    if (!node) return;
    const UndoStep step(session_, W("Indicar Deficiencias"));
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

    if (!session_.AttachRecord(node, std::move(record), kind::kDeficiency, field::kItem, port_)) return false;
    session_.Tree().Expand(&node);  // the new deficiency in sight; the selection stays
    session_.SetModified(true);
    return true;
}

void EvaluationCommands::IndicarMedidasPrev1Click() {
    TreeNode* node = session_.SelectedOfKind({kind::kDeficiency}, text::kNoPlaceForMeasures, port_);
    if (!node) return;
    const UndoStep step(session_, W("Indicar Medidas Prev"));
    oToken& deficiency = *node->record;
    auto record = std::make_unique<oToken>();
    record->SetField(field::kParent, deficiency.GetField(field::kSlot));
    if (!EnterPreventiveMeasure(*record)) return;

    if (!session_.AttachRecord(*node, std::move(record), kind::kMeasure, field::kMeasure, port_)) return;
    session_.Tree().Expand(node);
    session_.SetModified(true);
}
