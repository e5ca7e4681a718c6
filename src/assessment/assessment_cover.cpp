#include <string>
#include <vector>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "page_flow.h"
#include "plan_summary.h"

namespace assessment {

namespace {

std::string DateAndWho(const std::string& date, const std::string& who) {
    if (date.empty()) return style::OrDash(who);
    return who.empty() ? date : date + style::Aside(who);
}

// "8 (Crítico: 1, A corregir: 3, ...)" with the levels that have deficiencies.
std::string LevelsText(const Assessment& assessment) {
    std::string out = std::to_string(assessment.Deficiencies());
    std::string parts;
    for (int l = 0; l < plan::kLevelCount; ++l) {
        if (assessment.levels[l] == 0) continue;
        parts += (parts.empty() ? "" : ", ") + plan::LevelName(static_cast<plan::Level>(l)) + ": " +
                 std::to_string(assessment.levels[l]);
    }
    return parts.empty() ? out : out + " (" + parts + ")";
}

struct Line {
    std::string label;
    std::string value;
};

void Fields(PageFlow& flow, const std::vector<Line>& lines, int labelWidth) {
    for (const Line& line : lines)
        flow.Field(line.label, line.value, flow.body().left, labelWidth);
}

}  // namespace

void PrintCover(PageFlow& flow, const Assessment& a) {
    using namespace style;
    const PageFlow::Body& body = flow.body();
    flow.Font(kBody, FontStyle::Regular);
    // A band in the colours of the four levels.
    const int band = flow.LineHeight() / 2;
    for (int l = 0; l < 4; ++l) {
        const int left = body.left + flow.Width() * l / 4;
        const int right = body.left + flow.Width() * (l + 1) / 4;
        flow.FillRectangle(left, flow.Y(), right, flow.Y() + band, LevelRgb(static_cast<plan::Level>(l)));
    }
    flow.Gap(4 * band);

    flow.Font(kTitle, FontStyle::Bold);
    flow.Text(W("Evaluación de riesgos laborales"), body.left, flow.Width());
    flow.Gap(flow.LineHeight() / 3);
    flow.Font(kSection, FontStyle::Regular);
    flow.Text(OrDash(a.firmName), body.left, flow.Width());
    flow.Font(kBody, FontStyle::Regular);
    flow.Gap(2 * flow.LineHeight());

    // Stored values are printed as they are, even those the data editor would not take.
    const firm_data::FirmData& f = a.firm;
    const std::string plannedLabel = W("Fecha prevista de la evaluación:");
    const int labelWidth = LabelWidth(flow, {plannedLabel});
    Heading(flow, "Datos de la empresa", kHeading);
    Fields(flow,
           {{"NIF/CIF:", OrDash(f.taxId)},
            {"Domicilio:", OrDash(f.address)},
            {"Actividad (CNAE):", OrDash(f.activity)},
            {W("N.º de trabajadores:"), OrDash(f.workers)},
            {"Modalidad preventiva:", OrDash(firm_data::ModalityName(f.modality))}},
           labelWidth);
    // The firm's own texts, when it has them.
    std::vector<Line> texts;
    if (!a.comments.empty()) texts.push_back({"Comentarios:", a.comments});
    if (!a.observations.empty()) texts.push_back({"Observaciones:", a.observations});
    Fields(flow, texts, labelWidth);
    flow.Gap(flow.LineHeight());

    Heading(flow, W("La evaluación"), kHeading);
    Fields(flow,
           {{W("Evaluación realizada por:"), OrDash(f.evaluator)},
            {plannedLabel, DateAndWho(a.planned, a.plannedBy)},
            {W("Fecha de realización:"), DateAndWho(a.done, a.doneBy)},
            {W("Próxima revisión:"), OrDash(f.nextReview)},
            {"Fecha del documento:", a.date}},
           labelWidth);
    flow.Gap(flow.LineHeight());

    Heading(flow, "Resultado", kHeading);
    Fields(flow,
           {{"Deficiencias:", LevelsText(a)},
            {W("Plan de acción:"), plan::CountsText(a.plan.counts) + W(", a fecha de ") + a.date}},
           labelWidth);
    if (!a.gaps.empty()) {
        flow.Gap(flow.LineHeight() / 2);
        flow.Font(kBody, FontStyle::Bold);
        flow.Text("Documento incompleto: " + review::PendingText(static_cast<int>(a.gaps.size())) +
                      W(" (véase el anexo)"),
                  body.left, flow.Width());
        flow.Font(kBody, FontStyle::Regular);
    }
    flow.Gap(2 * flow.LineHeight());
}

}  // namespace assessment
