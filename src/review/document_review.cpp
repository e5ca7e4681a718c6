#include "document_review.h"

#include <algorithm>
#include <array>

#include "action_plan.h"
#include "ancestors.h"
#include "cp1252.h"
#include "document_session.h"
#include "firm_data.h"
#include "firm_figures.h"
#include "kinds.h"
#include "measure_cost.h"
#include "questionnaire_valuation.h"
#include "valuation_code.h"

namespace review {

namespace {

const std::string kPlaceSeparator = " / ";
// A name longer than this is cut in a gap's place, so that a line stays readable.
constexpr std::size_t kLongestName = 60;

// The first line of a node's name, cut to a readable length.
std::string ShortName(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (line.size() > kLongestName) line = line.substr(0, kLongestName - 3) + "...";
    return line.empty() ? W("(sin nombre)") : line;
}

std::string PlaceOf(const NodeTable& table, const oToken& record) {
    std::vector<const oToken*> above = Ancestors(table, record);
    std::string out;
    for (auto it = above.rbegin(); it != above.rend(); ++it)
        out += ShortName((*it)->GetField(field::kLabel)) + kPlaceSeparator;
    return out + ShortName(record.GetField(field::kLabel));
}

std::string Quoted(const std::string& text) {
    return W("«") + text + W("»");
}

// The document's records in its order: the document tree's while it is shown, else the node
// table's (the file's order after opening or saving); a record that the tree does not reach
// follows by its slot.
std::vector<int> DocumentOrder(const DocumentSession& session) {
    const NodeTable& table = session.Table();
    std::vector<int> order;
    std::vector<bool> seen(static_cast<std::size_t>(table.count()) + 1, false);
    if (session.ViewMode() == view::kGeographic) {
        for (const TreeNode* node : session.Tree().PreOrder()) {
            const int slot = node->record ? table.SlotOf(node->record) : 0;
            if (slot > 0 && !seen[static_cast<std::size_t>(slot)]) {
                seen[static_cast<std::size_t>(slot)] = true;
                order.push_back(slot);
            }
        }
    }
    for (int s = 1; s <= table.count(); ++s) {
        if (!seen[static_cast<std::size_t>(s)] && table.Record(s)) order.push_back(s);
    }
    return order;
}

class Reviewer {
public:
    Reviewer(const DocumentSession& session, DatePort& dates, const Date& asOf)
        : table_(session.Table()), dates_(dates), asOf_(asOf) {}

    std::vector<Gap> Run(const std::vector<int>& order) {
        // The deficiencies that some measure hangs under.
        std::vector<bool> measured(static_cast<std::size_t>(table_.count()) + 1, false);
        for (const int s : order) {
            const oToken& record = *table_.Record(s);
            const oToken* parent = table_.Parent(record);
            if (record.GetKind(field::kKind) == kind::kMeasure && parent &&
                parent->GetKind(field::kKind) == kind::kDeficiency)
                measured[static_cast<std::size_t>(table_.SlotOf(parent))] = true;
        }
        for (const int s : order) {
            const oToken& record = *table_.Record(s);
            switch (record.GetKind(field::kKind)) {
                case kind::kFirm:
                    Firm(s, record);
                    break;
                case kind::kWorkstation:
                    Workstation(s, record);
                    break;
                case kind::kQuestionnaire:
                    Questionnaire(s, record);
                    break;
                case kind::kDeficiency:
                    Deficiency(s, record, measured[static_cast<std::size_t>(s)]);
                    break;
                case kind::kMeasure:
                    Measure(s, record);
                    break;
                default:
                    break;
            }
        }
        if (firstFirm_ > 0 && firmWorkers_ > 0 && exposed_ < firmWorkers_) {
            Add(Group::kWorkstations, firstFirm_,
                W("los puestos suman ") + std::to_string(exposed_) + W(" trabajadores expuestos y la empresa tiene ") +
                    std::to_string(firmWorkers_));
        }
        std::stable_sort(gaps_.begin(), gaps_.end(),
                         [](const Gap& a, const Gap& b) { return a.group < b.group; });
        return std::move(gaps_);
    }

private:
    void Add(Group group, int slot, const std::string& missing) {
        gaps_.push_back({group, slot, PlaceOf(table_, *table_.Record(slot)), missing});
    }

    // A date field: a gap when it is empty (with the text given) or no date; the date, if any.
    std::optional<Date> RequiredDate(Group group, int slot, const std::string& text, const std::string& label,
                                     const std::string& whenEmpty) {
        if (text.empty()) {
            Add(group, slot, whenEmpty);
            return std::nullopt;
        }
        const std::optional<Date> date = dates_.FromText(text);
        if (!date) Add(group, slot, Quoted(label) + W(" no es una fecha válida: ") + Quoted(text));
        return date;
    }

    void Firm(int slot, const oToken& firm) {
        const firm_data::FirmData data = firm_data::Read(firm);
        if (data.taxId.empty()) Add(Group::kFirm, slot, "sin NIF/CIF");
        if (data.evaluator.empty()) Add(Group::kFirm, slot, W("sin «Evaluación realizada por»"));
        RequiredDate(Group::kFirm, slot, firm.GetField(field::kDoneDate), "Fecha Realiz",
                     W("sin fecha de realización de la evaluación («Fecha Realiz»)"));
        if (const auto review = RequiredDate(Group::kFirm, slot, data.nextReview, W("Próxima revisión"),
                                             W("sin fecha de la próxima revisión"))) {
            if (plan::Before(*review, asOf_))
                Add(Group::kFirm, slot, W("la próxima revisión (") + data.nextReview + W(") ya ha pasado"));
        }
        const std::optional<std::string> workers = firm_figures::Count(data.workers);
        if (!workers) {
            Add(Group::kFirm, slot, W("«Nº de trabajadores» no es un número válido: ") + Quoted(data.workers));
        } else if (firstFirm_ == 0 && !workers->empty()) {
            firmWorkers_ = std::stoll(*workers);
        }
        if (firstFirm_ == 0) firstFirm_ = slot;
    }

    void Workstation(int slot, const oToken& workstation) {
        const std::string typed = firm_data::ReadExposedWorkers(workstation);
        const std::optional<std::string> exposed = firm_figures::Count(typed);
        if (!exposed) {
            Add(Group::kWorkstations, slot, W("«Trabajadores expuestos» no es un número válido: ") + Quoted(typed));
        } else if (exposed->empty()) {
            Add(Group::kWorkstations, slot, W("sin «Trabajadores expuestos»"));
        } else {
            exposed_ += std::stoll(*exposed);
        }
    }

    void Questionnaire(int slot, const oToken& questionnaire) {
        const bool valued = questionnaire_valuation::Read(questionnaire.GetField(field::kQuestionnaireValuation)) != '0';
        const bool answered =
            questionnaire.GetField(field::kChecklistAnswers).find_first_of("SNX") != std::string::npos;
        if (!valued && !answered) Add(Group::kQuestionnaires, slot, "ni respondido ni valorado");
    }

    void Deficiency(int slot, const oToken& deficiency, bool measured) {
        const char level = valuation::WorkingCopy(deficiency.GetField(field::kValuationCode))[valuation::kLevel];
        if (!valuation::IsSet(valuation::kLevel, level)) Add(Group::kDeficiencies, slot, "sin valorar");
        if (!measured) Add(Group::kDeficiencies, slot, "sin medida preventiva");
    }

    void Measure(int slot, const oToken& measure) {
        const std::optional<Date> planned = RequiredDate(
            Group::kMeasures, slot, measure.GetField(field::kPlannedDate), "Fecha Prevista", "sin fecha prevista");
        if (measure.GetField(field::kPlannedBy).empty()) Add(Group::kMeasures, slot, "sin responsable");
        if (measure.GetField(field::kResources).empty()) Add(Group::kMeasures, slot, "sin recursos");
        const std::string cost = measure.GetField(field::kCost);
        if (cost.empty()) {
            Add(Group::kMeasures, slot, "sin coste previsto");
        } else if (!measure_cost::Cents(cost)) {
            Add(Group::kMeasures, slot, W("«Coste previsto (€)» no es un importe válido: ") + Quoted(cost));
        }
        const std::string done = measure.GetField(field::kDoneDate);
        if (!done.empty() && !dates_.FromText(done)) {
            Add(Group::kMeasures, slot, W("«Fecha Realiz» no es una fecha válida: ") + Quoted(done));
        } else if (done.empty() && planned && plan::Before(*planned, asOf_)) {
            Add(Group::kMeasures, slot, "vencida: prevista para el " + measure.GetField(field::kPlannedDate));
        }
    }

    const NodeTable& table_;
    DatePort& dates_;
    Date asOf_;
    std::vector<Gap> gaps_;
    int firstFirm_ = 0;
    long long firmWorkers_ = 0;
    long long exposed_ = 0;
};

}  // namespace

const std::string& GroupName(Group group) {
    static const std::array<std::string, kGroupCount> names = {
        "Empresa", "Puestos de trabajo", "Cuestionarios", "Deficiencias", "Medidas preventivas",
    };
    return names[static_cast<std::size_t>(group)];
}

std::vector<Gap> Review(const DocumentSession& session, DatePort& dates, const Date& asOf) {
    if (session.Table().count() == 0) return {};
    return Reviewer(session, dates, asOf).Run(DocumentOrder(session));
}

int GapCount(const DocumentSession& session, DatePort& dates, const Date& asOf) {
    return static_cast<int>(Review(session, dates, asOf).size());
}

std::string PendingText(int count) {
    return std::to_string(count) + (count == 1 ? " punto pendiente" : " puntos pendientes");
}

std::string GapLine(const Gap& gap) {
    return std::to_string(gap.slot) + ": " + gap.place + ": " + gap.missing;
}

}  // namespace review
