#include "questionnaire_answering.h"

#include <algorithm>
#include <optional>

#include "catalogue.h"
#include "checklist_answers.h"
#include "checklist_form.h"
#include "deficiency_form.h"
#include "document_session.h"
#include "evaluation_commands.h"
#include "evaluation_texts.h"
#include "kinds.h"
#include "node_table.h"
#include "questionnaire_valuation.h"
#include "texts.h"
#include "undo_history.h"
#include "user_port.h"

using checklist::Answer;

// The item text begins with the item's number and a point; a number that goes on after the
// point ("1.5 m") is no item number.
std::optional<int> DeficiencyItem(const std::string& itemText) {
    std::size_t i = 0;
    int number = 0;
    while (i < itemText.size() && i < 3 && itemText[i] >= '0' && itemText[i] <= '9')
        number = number * 10 + (itemText[i++] - '0');
    if (i == 0 || i >= itemText.size() || itemText[i] != '.') return std::nullopt;
    if (i + 1 < itemText.size() && itemText[i + 1] >= '0' && itemText[i + 1] <= '9') return std::nullopt;
    return number;
}

bool ForgetNoWithoutDeficiency(const NodeTable& table, oToken& questionnaire, int item) {
    std::string stored = questionnaire.GetField(field::kChecklistAnswers);
    const auto at = static_cast<std::size_t>(item - 1);
    if (item < 1 || at >= stored.size() || checklist::FromCharacter(stored[at]) != Answer::kNo) return false;
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (record && record->GetKind(field::kKind) == kind::kDeficiency &&
            table.Parent(*record) == &questionnaire && DeficiencyItem(record->GetField(field::kItem)) == item)
            return false;
    }
    stored[at] = static_cast<char>(Answer::kNone);
    const bool anyAnswer = std::any_of(stored.begin(), stored.end(),
                                       [](char c) { return checklist::FromCharacter(c) != Answer::kNone; });
    SetNewDataField(questionnaire, field::kChecklistAnswers, anyAnswer ? stored : std::string());
    return true;
}

QuestionnaireAnswering::QuestionnaireAnswering(DocumentSession& session, const Catalogue& catalogue,
                                               UserPort& port, ChecklistDialogPort& dialog,
                                               EvaluationCommands& deficiencies)
    : session_(session), catalogue_(catalogue), port_(port), dialog_(dialog), deficiencies_(deficiencies) {}

void QuestionnaireAnswering::ResponderCuestionario1Click() {
    TreeNode* node = session_.SelectedOfKind({kind::kQuestionnaire}, text::kWrongKind, port_);
    if (!node) return;
    AnswerQuestionnaire(*node);
}

bool QuestionnaireAnswering::AnswerQuestionnaire(TreeNode& node) {
    if (!node.record || node.record->GetKind(field::kKind) != kind::kQuestionnaire) return false;
    const UndoStep step(session_, W("Responder Cuestionario"));  // the deficiencies added included
    oToken& questionnaire = *node.record;
    const int q = UncheckedTwoDigitNumber(questionnaire.GetField(field::kTitle));
    if (q < 0 || q >= Catalogue::kQuestionnaires) {
        port_.ShowMessage(text::kNotFromQuestionnaire);
        return false;
    }
    ChecklistForm form;
    form.Open(catalogue_, q, questionnaire, ItemsWithDeficiency(node));
    if (!dialog_.ShowChecklistDialog(form)) return false;

    // One deficiency after another, in item order; a "No" without its deficiency is no answer.
    std::vector<Answer> answers = form.Answers();
    bool changed = false;
    for (const int item : form.NewlyNo()) {
        if (deficiencies_.AddDeficiency(node, DeficiencyForm::ItemEntry(item))) {
            changed = true;
        } else {
            answers[item - 1] = Answer::kNone;
        }
    }

    const std::string previous = questionnaire.GetField(field::kChecklistAnswers);
    const std::string stored = checklist::StoredText(answers, previous);
    if (stored != previous) {
        SetNewDataField(questionnaire, field::kChecklistAnswers, stored);
        changed = true;
    }
    if (checklist::Count(answers).Compliant()) {
        // Found right with nothing wrong recorded under it: "Aplicado", whatever it read before
        // (a deficiency since deleted leaves its level behind).
        const bool deficiencies =
            std::any_of(node.children.begin(), node.children.end(), [](const auto& child) {
                return child->record && child->record->GetKind(field::kKind) == kind::kDeficiency;
            });
        const std::string valuation = questionnaire.GetField(field::kQuestionnaireValuation);
        const std::string applied =
            deficiencies ? questionnaire_valuation::Applied(valuation) : std::string(1, '1');
        if (applied != valuation) {
            questionnaire.SetField(field::kQuestionnaireValuation, applied);
            changed = true;
        }
    }
    if (changed) session_.SetModified(true);
    return changed;
}

std::string QuestionnaireAnswering::Summary(const oToken& questionnaire) const {
    return checklist::ChecklistAnswers::Of(questionnaire, catalogue_).Summary() + W(" · Valoración: ") +
           questionnaire_valuation::Name(questionnaire.GetField(field::kQuestionnaireValuation));
}

std::set<int> QuestionnaireAnswering::ItemsWithDeficiency(const TreeNode& node) {
    std::set<int> items;
    for (const auto& child : node.children) {
        if (!child->record || child->record->GetKind(field::kKind) != kind::kDeficiency) continue;
        if (const auto item = DeficiencyItem(child->record->GetField(field::kItem))) items.insert(*item);
    }
    return items;
}
