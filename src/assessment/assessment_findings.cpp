#include <functional>
#include <string>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "kinds.h"
#include "page_flow.h"
#include "photo_rows.h"
#include "picture_scale.h"
#include "plan_summary.h"
#include "valuation_code.h"

namespace assessment {

namespace {

const std::string kDot = W(" · ");

std::string KindName(char kind) {
    switch (kind) {
        case kind::kFirm:
            return "Empresa";
        case kind::kZone:
            return "Zona";
        case kind::kWorkstation:
            return "Puesto de trabajo";
        default:
            return "Sin lugar";
    }
}

std::string PlaceHeading(const Place& place) {
    return place.kind == ' ' ? KindName(place.kind) : KindName(place.kind) + ": " + place.path;
}

// "Consecuencias: Grave. Exposición: Frecuente. ..." for the five positions of a code; "sin
// valorar" once for a code with none set.
std::string ValuationWords(const std::string& code) {
    static const char* const kLabels[valuation::kPositions] = {
        "Nivel de intervención", "Consecuencias", "Probabilidad", "Exposición", "Nivel de deficiencia"};
    // In the order of the method: the three choices, then what follows from them.
    static const int kOrder[] = {valuation::kConsequences, valuation::kExposure, valuation::kDeficiency,
                                 valuation::kProbability, valuation::kLevel};
    bool valued = false;
    for (int position = 0; position < valuation::kPositions; ++position)
        valued = valued || valuation::IsSet(position, code[static_cast<std::size_t>(position)]);
    if (!valued) return "sin valorar";
    std::string out;
    for (const int position : kOrder) {
        const std::string name = valuation::ValueName(position, code[static_cast<std::size_t>(position)]);
        out += (out.empty() ? "" : " ") + W(kLabels[position]) + ": " +
               (name.empty() ? "sin valorar" : name) + ".";
    }
    return out;
}

std::string DateAndWho(const std::string& label, const std::string& date, const std::string& who) {
    if (date.empty() && who.empty()) return {};
    std::string out = label + " " + (date.empty() ? "sin fecha" : date);
    return who.empty() ? out : out + style::Aside(who);
}

std::string MeasureDetails(const plan::PlanRow& row) {
    std::string out;
    auto add = [&out](const std::string& label, const std::string& value) {
        if (value.empty()) return;
        out += (out.empty() ? "" : kDot) + label + ": " + value;
    };
    add("Recursos", row.resources);
    add("Coste previsto", row.cost ? plan::EurosText(*row.cost) : row.costText);
    add("Responsable", row.responsible);
    add("Fecha prevista", row.planned.text.empty() ? "sin fecha" : row.planned.text);
    add(W("Fecha realización"), row.done.text.empty()
                            ? std::string()
                            : row.done.text + (row.doneBy.empty() ? "" : " por " + row.doneBy));
    add("Estado", plan::StateName(row.state));
    return out;
}

class Findings {
public:
    Findings(PageFlow& flow, const Assessment& a)
        : flow_(flow), a_(a), indent_(flow.LineHeight()), x_(flow.body().left + 2 * indent_) {
        photoRows_ = {a.photoFolder, 2, Millimetres(80), style::kSmall};
        labelWidth_ = style::LabelWidth(flow, {"Deficiencia detectada:", W("Recomendación:"),
                                               "Medidas preventivas:", "Agentes implicados:"});
        placeLabelWidth_ = style::LabelWidth(flow, {"Trabajadores expuestos:"});
    }

    void PrintPlace(const Place& place) {
        // The place's heading goes with its first questionnaire's heading and first deficiency:
        // never alone at the foot of a page.
        const auto heading = [this, &place] {
            style::Heading(flow_, PlaceHeading(place), style::kHeading);
            if (!flow_.Measuring()) {
                // A place that goes on to another page is named again at its top.
                flow_.OnNewPage([this, &place] {
                    flow_.Font(style::kSmall, FontStyle::Bold);
                    flow_.Text(PlaceHeading(place) + W(" (continuación)"), flow_.body().left, flow_.Width());
                    flow_.Gap(flow_.LineHeight() / 2);
                    flow_.Font(style::kBody, FontStyle::Regular);
                });
            }
            if (!place.exposedWorkers.empty())
                flow_.Field("Trabajadores expuestos:", place.exposedWorkers, flow_.body().left, placeLabelWidth_);
        };
        if (place.questionnaires.empty()) {
            flow_.KeepTogether([&] {
                heading();
                flow_.Text(W("No se ha aplicado ningún cuestionario en este lugar."), flow_.body().left,
                           flow_.Width());
            });
        }
        for (std::size_t q = 0; q < place.questionnaires.size(); ++q)
            PrintQuestionnaire(place.questionnaires[q], q == 0 ? heading : std::function<void()>());
        flow_.OnNewPage(nullptr);
        flow_.Gap(flow_.LineHeight());
    }

private:
    // lead: what comes first on the same page (the place's heading), if anything.
    void PrintQuestionnaire(const Questionnaire& q, const std::function<void()>& lead) {
        const int left = flow_.body().left + indent_;
        if (!lead) flow_.Gap(flow_.LineHeight() / 2);
        // The questionnaire's heading stays with its first deficiency.
        flow_.KeepTogether([&] {
            if (lead) {
                lead();
                flow_.Gap(flow_.LineHeight() / 2);
            }
            flow_.Font(style::kSubheading, FontStyle::Bold);
            flow_.Text(q.title.empty() ? "Sin cuestionario" : "Cuestionario " + q.title, left,
                       flow_.body().right - left);
            flow_.Font(style::kBody, FontStyle::Regular);
            flow_.Field(W("Valoración:"), q.valuation, left, labelWidth_);
            std::string inspection = DateAndWho("prevista", q.planned, q.plannedBy);
            const std::string done = DateAndWho("realizada", q.done, q.doneBy);
            if (!done.empty()) inspection += (inspection.empty() ? "" : kDot) + done;
            if (!inspection.empty()) flow_.Field(W("Inspección:"), inspection, left, labelWidth_);
            if (!q.agents.empty()) flow_.Field("Agentes implicados:", q.agents, left, labelWidth_);
            if (!q.answers.empty()) flow_.Field("Respondidos:", q.answers, left, labelWidth_);
            if (q.deficiencies.empty()) {
                flow_.Text("Sin deficiencias anotadas.", left, flow_.body().right - left);
            } else {
                PrintDeficiency(q.deficiencies.front());
            }
        });
        for (std::size_t d = 1; d < q.deficiencies.size(); ++d)
            PrintDeficiency(q.deficiencies[d]);
        if (!q.checked.empty()) PrintChecked(q.checked, left);
    }

    // What was checked and found right: the items answered "Sí", in small type.
    void PrintChecked(const std::vector<std::string>& items, int left) {
        flow_.Gap(flow_.LineHeight() / 3);
        flow_.Font(style::kBody, FontStyle::Bold);
        flow_.Need(3 * flow_.LineHeight());
        flow_.Text(W("Ítems comprobados y conformes (respuesta «Sí»):"), left, flow_.body().right - left);
        flow_.Font(style::kSmall, FontStyle::Regular);
        for (const std::string& item : items)
            flow_.Text(item, left + indent_, flow_.body().right - left - indent_);
        flow_.Font(style::kBody, FontStyle::Regular);
    }

    void PrintDeficiency(const Deficiency& d) {
        flow_.Gap(flow_.LineHeight() / 3);
        flow_.KeepTogether([&] {
            flow_.SetMarker(style::LevelRgb(d.level), flow_.body().left + indent_, indent_ / 4);
            flow_.Font(style::kBody, FontStyle::Bold);
            flow_.Text(style::OrDash(d.item), x_, flow_.body().right - x_);
            flow_.Font(style::kBody, FontStyle::Regular);
            flow_.Field("Deficiencia detectada:", style::OrDash(d.detected), x_, labelWidth_);
            flow_.Field(W("Valoración:"), ValuationWords(d.code), x_, labelWidth_);
            flow_.Field(W("Recomendación:"), style::OrDash(d.recommendation), x_, labelWidth_);
            if (!d.comments.empty()) flow_.Field("Comentarios:", d.comments, x_, labelWidth_);
            PrintPhotos(flow_, photoRows_, d.photos, x_);
            if (d.measures.empty()) {
                flow_.Field("Medidas preventivas:", W("ninguna todavía"), x_, labelWidth_);
            } else {
                flow_.Field("Medidas preventivas:", "", x_, labelWidth_);
                for (const std::size_t r : d.measures)
                    PrintMeasure(a_.plan.rows[r]);
            }
            flow_.SetMarker(std::nullopt);
        });
    }

    void PrintMeasure(const plan::PlanRow& row) {
        const int bullet = x_ + indent_;
        const int text = bullet + indent_;
        const int width = flow_.body().right - text;
        flow_.Font(style::kBody, FontStyle::Bold);
        flow_.Need(flow_.LineHeight());  // the bullet and the first line on the same page
        flow_.DrawText(bullet, flow_.Y(), W("•"));
        flow_.Text(style::OrDash(row.measure), text, width);
        flow_.Font(style::kBody, FontStyle::Regular);
        flow_.Text(MeasureDetails(row), text, width);
        if (!row.comments.empty()) flow_.Text("Comentarios: " + row.comments, text, width);
        PrintPhotos(flow_, photoRows_, row.photos, text);
    }

    PageFlow& flow_;
    const Assessment& a_;
    int indent_;
    int x_;  // where a deficiency's lines start
    int labelWidth_ = 0;
    int placeLabelWidth_ = 0;
    PhotoRows photoRows_;
};

}  // namespace

void PrintFindings(PageFlow& flow, const Assessment& a) {
    flow.Text(
        W("Cada lugar en el orden del documento (la empresa, sus zonas y sus puestos de trabajo), con los "
          "cuestionarios aplicados en él, las deficiencias anotadas con su valoración y las medidas "
          "preventivas de cada una."),
        flow.body().left, flow.Width());
    flow.Gap(flow.LineHeight());
    Findings findings(flow, a);
    for (const Place& place : a.places)
        findings.PrintPlace(place);
}

}  // namespace assessment
