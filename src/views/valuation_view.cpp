#include "valuation_view.h"

#include "cp1252.h"
#include "kinds.h"
#include "node_table.h"

namespace {

// '1'..'4' name their group; '0', an empty field and anything else are not valued.
int GroupOf(const oToken& questionnaire) {
    const char valuation = questionnaire.GetKind(field::kQuestionnaireValuation);
    return valuation >= '1' && valuation <= '4' ? valuation - '0' : 0;
}

}  // namespace

std::vector<ViewItem> ValuationView(const NodeTable& table) {
    ViewItem top{W("Valoración"),
                 icon::kQuestionnaire,
                 {{"Sin Valorar", icon::kNotValued, {}},
                  {"Aplicado", icon::kApplied, {}},
                  {"Mejorable", icon::kImprovable, {}},
                  {"Deficiente", icon::kDeficient, {}},
                  {"Muy Deficiente", icon::kVeryDeficient, {}}}};
    for (int s = 1; s <= table.count(); ++s) {
        const oToken* record = table.Record(s);
        if (!record || record->GetKind(field::kKind) != kind::kQuestionnaire) continue;
        top.children[GroupOf(*record)].children.push_back(
            {record->GetField(field::kTitle), icon::kQuestionnaire, {}});
    }
    return {std::move(top)};
}
