#include <string>
#include <vector>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "level_chart.h"
#include "page_flow.h"

namespace assessment {

namespace {

void LevelTable(PageFlow& flow, const Assessment& a) {
    std::vector<TableColumn> columns{{"Lugar", 1}};
    for (int l = 0; l < plan::kLevelCount; ++l)
        columns.push_back({plan::LevelName(static_cast<plan::Level>(l)), 1, true});
    columns.push_back({"Total", 1, true});
    std::vector<std::vector<std::string>> rows;
    auto add = [&rows](const std::string& label, const LevelCounts& counts, int total) {
        std::vector<std::string> row{label};
        for (const int n : counts)
            row.push_back(std::to_string(n));
        row.push_back(std::to_string(total));
        rows.push_back(std::move(row));
    };
    add("Toda la empresa", a.levels, a.Deficiencies());
    for (const Place& place : a.places)
        add(style::PlaceLabel(place), place.levels, place.Deficiencies());
    style::PrintTable(flow, std::move(columns), rows);
}

void QuestionnaireTable(PageFlow& flow, const Assessment& a) {
    std::vector<std::vector<std::string>> rows;
    for (const Place& place : a.places) {
        for (const Questionnaire& q : place.questionnaires) {
            rows.push_back({style::PlaceLabel(place), q.title, q.valuation,
                            std::to_string(q.deficiencies.size()), q.planned, q.done});
        }
    }
    if (rows.empty()) {
        flow.Text(W("No se ha aplicado ningún cuestionario."), flow.body().left, flow.Width());
        flow.Gap(flow.LineHeight());
        return;
    }
    style::PrintTable(flow,
                      {{"Lugar", 4},
                       {"Cuestionario", 5},
                       {W("Valoración"), 1, true},
                       {"Deficiencias", 1, true},
                       {"Fecha prevista", 1, true},
                       {W("Fecha realización"), 1, true}},
                      rows);
}

void StateTable(PageFlow& flow, const Assessment& a) {
    std::vector<TableColumn> columns;
    std::vector<std::string> row;
    for (int s = 0; s < plan::kStateCount; ++s) {
        columns.push_back({plan::StateHeading(static_cast<plan::State>(s)), 1});
        row.push_back(std::to_string(a.plan.counts.byState[s]));
    }
    columns.push_back({"Total", 1});
    row.push_back(std::to_string(a.plan.counts.total));
    style::PrintTable(flow, std::move(columns), {row});
}

}  // namespace

void PrintSummary(PageFlow& flow, const Assessment& a) {
    using namespace style;
    Heading(flow, W("Deficiencias por nivel de intervención"), kHeading);
    if (a.Deficiencies() == 0) {
        flow.Text(W("No se ha anotado ninguna deficiencia."), flow.body().left, flow.Width());
        flow.Gap(flow.LineHeight());
    } else {
        // The whole firm and the places each on a scale of their own: a place's bar would be
        // a sliver beside the firm's.
        DrawLevelChart(flow, {{"Toda la empresa", a.levels, true}}, true);
        std::vector<ChartBar> places;
        for (const Place& place : a.places) {
            if (place.Deficiencies() > 0) places.push_back({PlaceLabel(place), place.levels, false});
        }
        flow.Gap(flow.LineHeight() / 2);
        DrawLevelChart(flow, places, false);
        flow.Gap(flow.LineHeight());
    }
    LevelTable(flow, a);

    Heading(flow, "Cuestionarios aplicados", kHeading);
    QuestionnaireTable(flow, a);

    Heading(flow, W("Estado del plan de acción"), kHeading);
    flow.Text(W("Medidas preventivas y deficiencias sin medida, a fecha de ") + a.date + ":",
              flow.body().left, flow.Width());
    flow.Gap(flow.LineHeight() / 2);
    StateTable(flow, a);
}

}  // namespace assessment
