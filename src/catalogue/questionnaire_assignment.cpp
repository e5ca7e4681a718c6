#include "questionnaire_assignment.h"

#include <array>
#include <memory>

#include "assignment_flags.h"
#include "catalogue.h"
#include "date_port.h"
#include "document_session.h"
#include "kinds.h"
#include "questionnaire_selection_form.h"
#include "questionnaire_selection_port.h"
#include "texts.h"
#include "user_port.h"

bool SelectQuestionnaires(oToken& record, QuestionnaireSelectionPort& dialog, UserPort& port,
                          DatePort& dates) {
    Date date = dates.Today();
    const std::string stored = record.GetField(6);
    if (!stored.empty()) {
        const std::optional<Date> read = dates.FromText(stored);
        if (!read) {
            port.ShowError(InvalidDateMessage(stored));
            return false;
        }
        date = *read;
    }
    QuestionnaireSelectionForm form(record.GetField(4), record.GetField(12), date);
    if (!dialog.RunQuestionnaireSelection(form)) return false;
    record.SetField(12, form.Flags());
    record.SetField(6, dates.ToText(form.date));
    return true;
}

QuestionnaireAssignment::QuestionnaireAssignment(DocumentSession& session, const Catalogue& catalogue,
                                                 QuestionnaireSelectionPort& dialog, UserPort& port,
                                                 DatePort& dates)
    : session_(session), catalogue_(catalogue), dialog_(dialog), port_(port), dates_(dates) {}

void QuestionnaireAssignment::AsignarCuestionarios1Click() {
    TreeNode* node = session_.Tree().Selected();
    if (!node) return;
    const char selected = session_.SelectedKind();
    if (selected != kind::kFirm && selected != kind::kZone && selected != kind::kWorkstation) {
        port_.ShowMessage(text::kWrongKind);
        return;
    }
    oToken& owner = *node->record;
    const std::string oldFlags = owner.GetField(12).empty() ? text::kNoFlags : owner.GetField(12);

    // The questionnaire nodes as they were before the dialog: a later child with the same
    // number replaces an earlier one, so only the later one can be taken away.
    std::array<TreeNode*, assignment_flags::kQuestionnaires> existing{};
    for (const auto& child : node->children) {
        if (!child->record || child->record->GetKind(3) != kind::kQuestionnaire) continue;
        const int n = TwoDigitNumber(child->record->GetField(4));
        if (n >= 0 && n < assignment_flags::kQuestionnaires) existing[n] = child.get();
    }

    if (!SelectQuestionnaires(owner, dialog_, port_, dates_)) return;
    session_.SetModified(true);
    const std::string newFlags = owner.GetField(12);
    if (newFlags == oldFlags) return;

    bool added = false;
    for (int n = 0; n < assignment_flags::kQuestionnaires; ++n) {
        const bool before = assignment_flags::IsAssigned(oldFlags, n);
        const bool now = assignment_flags::IsAssigned(newFlags, n);
        if (before && !now) {
            if (existing[n]) session_.DeleteSubtree(existing[n]);
        } else if (!before && now) {
            auto record = std::make_unique<oToken>();
            record->SetField(2, owner.GetField(1));
            record->SetField(3, std::string(1, kind::kQuestionnaire));
            record->SetField(4, catalogue_.QuestionnaireTitle(n));
            const std::string planned = owner.GetField(6);
            record->SetField(6, planned.empty() ? dates_.ToText(dates_.Today()) : planned);
            oToken* appended = session_.AppendRecord(std::move(record), port_);
            if (!appended) {
                // Left out because the table is full: the flag must not claim a node that is not there.
                owner.SetField(12, assignment_flags::With(owner.GetField(12), n, false));
                continue;
            }
            TreeNode* child = session_.Tree().AddChild(node, appended->GetField(4), appended,
                                                       KindIcon(kind::kQuestionnaire));
            session_.Table().SetNode(appended->GetFieldInt(1), child);
            added = true;
        }
    }
    if (added) session_.Tree().Expand(node);
}
