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
    const std::string stored = record.GetField(field::kPlannedDate);
    if (!stored.empty()) {
        const std::optional<Date> read = dates.FromText(stored);
        if (!read) {
            port.ShowError(InvalidDateMessage(stored));
            return false;
        }
        date = *read;
    }
    QuestionnaireSelectionForm form(record.GetField(field::kName), record.GetField(field::kAssignmentFlags),
                                    date);
    if (!dialog.RunQuestionnaireSelection(form)) return false;
    record.SetField(field::kAssignmentFlags, form.Flags());
    record.SetField(field::kPlannedDate, dates.ToText(form.date));
    return true;
}

QuestionnaireAssignment::QuestionnaireAssignment(DocumentSession& session, const Catalogue& catalogue,
                                                 QuestionnaireSelectionPort& dialog, UserPort& port,
                                                 DatePort& dates)
    : session_(session), catalogue_(catalogue), dialog_(dialog), port_(port), dates_(dates) {}

void QuestionnaireAssignment::AsignarCuestionarios1Click() {
    TreeNode* node =
        session_.SelectedOfKind({kind::kFirm, kind::kZone, kind::kWorkstation}, text::kWrongKind, port_);
    if (!node) return;
    const UndoStep step(session_, W("Asignar Cuestionarios"));
    oToken& owner = *node->record;
    std::string oldFlags = owner.GetField(field::kAssignmentFlags);
    if (oldFlags.empty()) oldFlags = text::kNoFlags;

    // The questionnaire nodes as they were before the dialog: a later child with the same
    // number replaces an earlier one, so only the later one can be taken away.
    std::array<TreeNode*, assignment_flags::kQuestionnaires> existing{};
    for (const auto& child : node->children) {
        if (!child->record || child->record->GetKind(field::kKind) != kind::kQuestionnaire) continue;
        const int n = TwoDigitNumber(child->record->GetField(field::kTitle));
        if (n >= 0 && n < assignment_flags::kQuestionnaires) existing[n] = child.get();
    }

    if (!SelectQuestionnaires(owner, dialog_, port_, dates_)) return;
    session_.SetModified(true);
    const std::string newFlags = owner.GetField(field::kAssignmentFlags);
    if (newFlags == oldFlags) return;

    bool added = false;
    for (int n = 0; n < assignment_flags::kQuestionnaires; ++n) {
        const bool before = assignment_flags::IsAssigned(oldFlags, n);
        const bool now = assignment_flags::IsAssigned(newFlags, n);
        if (before && !now) {
            if (existing[n]) session_.DeleteSubtree(existing[n]);
        } else if (!before && now) {
            auto record = std::make_unique<oToken>();
            record->SetField(field::kTitle, catalogue_.QuestionnaireTitle(n));
            const std::string planned = owner.GetField(field::kPlannedDate);
            record->SetField(field::kPlannedDate, planned.empty() ? dates_.ToText(dates_.Today()) : planned);
            if (!session_.AttachRecord(*node, std::move(record), kind::kQuestionnaire, field::kTitle,
                                       port_)) {
                // Left out because the table is full: the flag must not claim a node that is not there.
                owner.SetField(field::kAssignmentFlags,
                               assignment_flags::With(owner.GetField(field::kAssignmentFlags), n, false));
                continue;
            }
            added = true;
        }
    }
    if (added) session_.Tree().Expand(node);
}
