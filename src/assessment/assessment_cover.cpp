#include <string>
#include <utility>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "page_flow.h"
#include "plan_summary.h"

namespace assessment {

namespace {

std::string DateAndWho(const std::string& date, const std::string& who) {
    if (date.empty()) return style::OrDash(who.empty() ? std::string() : "(" + who + ")");
    return who.empty() ? date : date + " (" + who + ")";
}

// "8: 1 Crítico, 3 A corregir, ..." with the levels that have deficiencies.
std::string LevelsText(const Assessment& assessment) {
    std::string out = std::to_string(assessment.Deficiencies());
    std::string parts;
    for (int l = 0; l < plan::kLevelCount; ++l) {
        if (assessment.levels[l] == 0) continue;
        parts += (parts.empty() ? "" : ", ") + std::to_string(assessment.levels[l]) + " " +
                 plan::LevelName(static_cast<plan::Level>(l));
    }
    return parts.empty() ? out : out + " (" + parts + ")";
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

    const firm_data::FirmData& f = a.firm;
    const std::string labels[] = {"NIF/CIF:",
                                  "Domicilio:",
                                  "Actividad (CNAE):",
                                  W("Nº de trabajadores:"),
                                  "Modalidad preventiva:",
                                  W("Evaluación realizada por:"),
                                  W("Fecha prevista de la evaluación:"),
                                  W("Fecha de realización:"),
                                  W("Próxima revisión:"),
                                  "Fecha del documento:",
                                  "Deficiencias:",
                                  W("Plan de acción:")};
    const int labelWidth = LabelWidth(flow, {labels[6]});
    Heading(flow, "Datos de la empresa", kHeading);
    const std::string firmValues[] = {f.taxId, f.address, f.activity, f.workers,
                                      firm_data::ModalityName(f.modality)};
    for (int i = 0; i < 5; ++i)
        flow.Field(labels[i], OrDash(firmValues[i]), body.left, labelWidth);
    // The firm's own texts, when it has them.
    for (const auto& [label, text] : {std::pair<std::string, std::string>{"Comentarios:", a.comments},
                                      std::pair<std::string, std::string>{"Observaciones:", a.observations}}) {
        if (!text.empty()) flow.Field(label, text, body.left, labelWidth);
    }
    flow.Gap(flow.LineHeight());

    Heading(flow, W("La evaluación"), kHeading);
    flow.Field(labels[5], OrDash(f.evaluator), body.left, labelWidth);
    flow.Field(labels[6], DateAndWho(a.planned, a.plannedBy), body.left, labelWidth);
    flow.Field(labels[7], DateAndWho(a.done, a.doneBy), body.left, labelWidth);
    flow.Field(labels[8], OrDash(f.nextReview), body.left, labelWidth);
    flow.Field(labels[9], a.date, body.left, labelWidth);
    flow.Gap(flow.LineHeight());

    Heading(flow, "Resultado", kHeading);
    flow.Field(labels[10], LevelsText(a), body.left, labelWidth);
    flow.Field(labels[11], plan::CountsText(a.plan.counts) + W(" a fecha de ") + a.date, body.left,
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
