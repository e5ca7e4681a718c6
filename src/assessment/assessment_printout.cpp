#include "assessment_printout.h"

#include <algorithm>
#include <array>
#include <functional>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "deferred_canvas.h"
#include "header_texts.h"
#include "page_flow.h"
#include "plan_pdf.h"
#include "plan_summary.h"

namespace assessment {

namespace {

const std::string kTitle = W("Evaluación de riesgos laborales");

// The plan's columns that a portrait page has room for.
const std::vector<plan::Column> kPlanColumns = {
    plan::Column::kLevel,       plan::Column::kPlace,     plan::Column::kDeficiency,
    plan::Column::kMeasure,     plan::Column::kResources, plan::Column::kResponsible,
    plan::Column::kPlannedDate, plan::Column::kDoneDate,  plan::Column::kState,
};

// On a portrait page the deficiency and the measure get more of the width than in the plan's
// own PDF; the other columns keep the plan's weights.
const std::vector<std::pair<plan::Column, int>> kPlanWeights = {
    {plan::Column::kPlace, 13},
    {plan::Column::kDeficiency, 21},
    {plan::Column::kMeasure, 17},
    {plan::Column::kResponsible, 12},
};

// The sections as the contents list them, with the page each starts on (from 0).
struct Section {
    std::string title;
    int page = 0;
};

// The head and foot of every page: the firm and the title at the top (not on the cover), the
// document's date and "Página n de N" at the foot.
void DrawFrame(Canvas& canvas, const PageFlow::Body& body, int page, int pages, const Assessment& a) {
    canvas.SetFontSize(style::kSmall);
    const int line = canvas.TextHeight("W");
    if (page > 0) {
        canvas.SetFontStyle(FontStyle::Bold);
        const HeaderTexts header =
            FitHeaderTexts(canvas, a.firmName, kTitle, body.right - body.left, 2 * canvas.TextWidth("W"));
        canvas.DrawText(body.left, line, header.left);
        canvas.SetFontStyle(FontStyle::Regular);
        canvas.DrawText(body.right - canvas.TextWidth(header.right), line, header.right);
        canvas.FillRectangle(body.left, 2 * line + line / 4, body.right,
                             2 * line + line / 4 + std::max(1, line / 12), style::kRule);
    }
    canvas.SetFontStyle(FontStyle::Regular);
    const int foot = canvas.PageHeight() - 2 * line;
    canvas.DrawText(body.left, foot, a.date);
    const std::string number = W("Página ") + std::to_string(page + 1) + " de " + std::to_string(pages);
    canvas.DrawText(body.right - canvas.TextWidth(number), foot, number);
}

// The contents on the cover: its heading, then each section and its page. The height it takes,
// when draw is false.
int Contents(Canvas& canvas, const PageFlow::Body& body, int top, const std::vector<Section>& sections,
             bool draw = true) {
    canvas.SetFontSize(style::kHeading);
    canvas.SetFontStyle(FontStyle::Bold);
    const int heading = canvas.TextHeight("W");
    if (draw) canvas.DrawText(body.left, top, "Contenido");
    canvas.SetFontSize(style::kBody);
    canvas.SetFontStyle(FontStyle::Regular);
    const int line = canvas.TextHeight("W") * 7 / 6;
    const int pageColumn = body.left + (body.right - body.left) * 2 / 3;
    int y = top + heading + line / 2;
    for (const Section& section : sections) {
        if (draw) {
            canvas.DrawText(body.left, y, section.title);
            const std::string page = std::to_string(section.page + 1);
            canvas.DrawText(pageColumn - canvas.TextWidth(page), y, page);
        }
        y += line;
    }
    return y - top;
}

}  // namespace

void PrintPlan(PageFlow& flow, const Assessment& a) {
    flow.Text(
        W("Una fila por cada medida preventiva y por cada deficiencia que aún no tiene medida, por nivel de "
          "intervención (primero el más urgente) y fecha prevista. Estados a fecha de ") +
            a.date + ": " + plan::CountsText(a.plan.counts) + ".",
        flow.body().left, flow.Width());
    const std::string cost = plan::CostText(a.plan.counts);
    if (!cost.empty()) flow.Text(cost + ".", flow.body().left, flow.Width());
    flow.Gap(flow.LineHeight() / 2);
    if (a.plan.rows.empty()) return;
    std::vector<TableColumn> columns = plan::PlanTableColumns(kPlanColumns);
    std::vector<std::vector<std::string>> rows = plan::PlanTableRows(a.plan, kPlanColumns);
    auto indexOf = [](plan::Column column) {
        return static_cast<std::size_t>(std::find(kPlanColumns.begin(), kPlanColumns.end(), column) -
                                        kPlanColumns.begin());
    };
    for (const auto& [column, weight] : kPlanWeights)
        columns[indexOf(column)].weight = weight;
    // The places go without the firm's name in front, which is on every page.
    const std::size_t place = indexOf(plan::Column::kPlace);
    const std::string firm = a.firmName + " / ";
    for (auto& row : rows) {
        if (!a.firmName.empty() && row[place].compare(0, firm.size(), firm) == 0)
            row[place].erase(0, firm.size());
    }
    // The level's cell in a light tint of its colour, as the plan's window and workbook colour it.
    const std::size_t level = indexOf(plan::Column::kLevel);
    style::PrintTable(flow, std::move(columns), rows, [&a, level](std::size_t row, std::size_t column) {
        return column == level ? std::optional<int>(style::LevelTint(a.plan.rows[row].level)) : std::nullopt;
    });
}

void PrintSignatures(PageFlow& flow, const Assessment& a, const std::string& heading) {
    flow.Gap(flow.LineHeight());
    flow.KeepTogether([&] {
        style::Heading(flow, heading, style::kSection);
        flow.Gap(flow.LineHeight() / 2);
        const int gap = flow.LineHeight() * 2;
        const int width = (flow.Width() - gap) / 2;
        const int height = flow.LineHeight() * 6;
        const std::array<std::pair<std::string, std::string>, 2> boxes = {{
            {"Firma del evaluador", a.firm.evaluator.empty() ? a.plannedBy : a.firm.evaluator},
            {"Firma de la empresa", a.firmName},
        }};
        Canvas& canvas = flow.canvas();
        const std::array<std::vector<std::string>, 2> names = {flow.Wrap(boxes[0].second, width),
                                                                flow.Wrap(boxes[1].second, width)};
        const std::size_t nameLines = std::max(names[0].size(), names[1].size());
        flow.Need(static_cast<int>(2 + nameLines) * flow.LineHeight() + height);
        const int top = flow.Y();
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            const int left = flow.body().left + static_cast<int>(b) * (width + gap);
            canvas.SetFontStyle(FontStyle::Bold);
            flow.DrawText(left, top, boxes[b].first);
            canvas.SetFontStyle(FontStyle::Regular);
            flow.DrawRectangle(left, top + flow.LineHeight() * 3 / 2, left + width,
                               top + flow.LineHeight() * 3 / 2 + height);
            // The whole name, on as many lines as it takes.
            int below = top + flow.LineHeight() * 2 + height;
            for (const std::string& line : names[b]) {
                flow.DrawText(left, below, line);
                below += flow.LineHeight();
            }
            flow.DrawText(left, below, "Fecha:");
        }
        flow.MoveTo(top + flow.LineHeight() * static_cast<int>(3 + nameLines) + height);
    });
}

bool PrintAssessment(const Assessment& a, Canvas& canvas, std::string* error) {
    if (!canvas.BeginJob(kTitle, error)) return false;
    DeferredCanvas pages(canvas);
    pages.BeginJob(kTitle, nullptr);

    pages.SetFontSize(style::kBody);
    const int margin = 3 * canvas.TextWidth("W");
    canvas.SetFontSize(style::kSmall);
    const int frame = canvas.TextHeight("W");
    const PageFlow::Body body{margin, canvas.PageWidth() - margin, 4 * frame,
                              canvas.PageHeight() - 4 * frame};
    PageFlow flow(pages, body);

    PrintCover(flow, a);
    // Each section on a new page; the contents, drawn once the pages are known, say which.
    const std::pair<std::string, std::function<void()>> parts[] = {
        {W("1. Método de evaluación"), [&] { PrintMethod(flow); }},
        {"2. Resumen", [&] { PrintSummary(flow, a); }},
        {"3. Deficiencias por lugar", [&] { PrintFindings(flow, a); }},
        {W("4. Plan de acción"), [&] { PrintPlan(flow, a); }},
    };
    const std::string signatures = "5. Firmas";
    const std::string annex = "Anexo. Puntos pendientes";
    std::vector<Section> sections;
    for (const auto& part : parts)
        sections.push_back({part.first});
    sections.push_back({signatures});
    if (!a.gaps.empty()) sections.push_back({annex});
    const int room = Contents(pages, body, 0, sections, false);
    flow.Need(room);
    const int contentsPage = pages.Pages() - 1;
    const int contentsTop = flow.Y();
    flow.Gap(room);

    for (std::size_t p = 0; p < std::size(parts); ++p) {
        sections[p].page = pages.Pages();
        style::SectionHeading(flow, parts[p].first);
        parts[p].second();
    }
    PrintSignatures(flow, a, signatures);
    sections[std::size(parts)].page = pages.Pages() - 1;
    // A document with gaps says which after the signatures.
    if (!a.gaps.empty()) {
        sections.back().page = pages.Pages();
        style::SectionHeading(flow, annex);
        PrintAnnex(flow, a);
    }

    const int count = pages.Pages();
    for (int page = 0; page < count; ++page) {
        if (page > 0) canvas.NewPage();
        DrawFrame(canvas, body, page, count, a);
        pages.Replay(page);
        if (page == contentsPage) Contents(canvas, body, contentsTop, sections);
    }
    return canvas.EndJob(error);
}

}  // namespace assessment
