#include "risk_view.h"

#include "catalogue.h"
#include "kinds.h"
#include "node_table.h"

std::vector<ViewItem> RiskView(const NodeTable& table, const Catalogue& catalogue) {
    ViewItem top{"Riesgos", icon::kNotValued, {}};
    for (int q = 0; q < Catalogue::kQuestionnaires; ++q)
        top.children.push_back({catalogue.QuestionnaireTitle(q), icon::kQuestionnaire, {}});
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record || record->GetKind(field::kKind) != kind::kQuestionnaire) continue;
        const int q = TwoDigitNumber(record->GetField(field::kTitle));
        // A questionnaire outside the catalogue, or one whose place is gone, has no group.
        const oToken* place = table.Parent(*record);
        if (q >= Catalogue::kQuestionnaires || !place) continue;
        top.children[q].children.push_back(
            {place->GetField(field::kName), KindIcon(place->GetKind(field::kKind)), {}});
    }
    return {std::move(top)};
}
