#include "plan_summary.h"

#include <array>

#include "cp1252.h"
#include "measure_cost.h"

namespace plan {

namespace {

const std::string kDot = W(" · ");
// A long measure is cut here in the status bar.
constexpr std::size_t kShortMeasure = 60;

struct Noun {
    const char* one;
    const char* many;
};
constexpr std::array<Noun, kStateCount> kCountNouns = {{
    {"vencida", "vencidas"},
    {"pendiente", "pendientes"},
    {"sin fecha", "sin fecha"},
    {"realizada", "realizadas"},
    {"sin medida", "sin medida"},
}};

std::string Counted(int n, const Noun& noun) {
    return std::to_string(n) + " " + (n == 1 ? noun.one : noun.many);
}

// The first line of a text, cut to a length that fits a status bar.
std::string Short(const std::string& text) {
    std::string line = text.substr(0, text.find_first_of("\r\n"));
    if (line.size() > kShortMeasure) line = line.substr(0, kShortMeasure - 3) + "...";
    return line;
}

}  // namespace

std::string CountsText(const PlanCounts& counts) {
    std::string out;
    for (int s = 0; s < kStateCount; ++s) {
        const int n = counts.byState[s];
        if (n == 0) continue;
        if (!out.empty()) out += kDot;
        out += Counted(n, kCountNouns[s]);
    }
    return out.empty() ? "Ninguna deficiencia" : out;
}

std::string OverdueText(const ActionPlan& plan) {
    const int overdue = plan.counts.Of(State::kOverdue);
    if (overdue == 0) return {};
    std::string out = Counted(overdue, {"medida vencida", "medidas vencidas"});
    const PlanRow* next = nullptr;
    for (const PlanRow& row : plan.rows) {
        if (row.state == State::kPending && (!next || Before(*row.planned.date, *next->planned.date)))
            next = &row;
    }
    if (next) out += kDot + W("próxima: ") + next->planned.text + " " + Short(next->measure);
    return out;
}

std::string EurosText(long long cents) {
    return measure_cost::Shown(cents) + W(" €");
}

std::string CostText(const PlanCounts& counts) {
    if (counts.costed == 0) return {};
    std::string levels;
    for (int l = 0; l < kLevelCount; ++l) {
        const long long cost = counts.costByLevel[static_cast<std::size_t>(l)];
        if (cost == 0) continue;
        levels += (levels.empty() ? "" : ", ") + LevelName(static_cast<Level>(l)) + " " + EurosText(cost);
    }
    return "Coste previsto: " + EurosText(counts.cost) + (levels.empty() ? "" : " (" + levels + ")") + kDot +
           "pendiente: " + EurosText(counts.pendingCost);
}

std::string HeadingText(const ActionPlan& plan) {
    std::string out = W("Plan de acción");
    if (!plan.firm.empty()) out += kDot + plan.firm;
    return out;
}

std::string TitleText(const ActionPlan& plan) {
    return HeadingText(plan) + kDot + "a fecha de " + plan.asOfText;
}

}  // namespace plan
