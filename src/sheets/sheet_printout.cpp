#include "sheet_printout.h"

#include <algorithm>

#include "assessment_style.h"
#include "cp1252.h"
#include "deferred_canvas.h"
#include "header_texts.h"
#include "page_flow.h"
#include "photo_rows.h"
#include "picture_scale.h"

namespace sheets {

namespace {

const std::string kJobTitle = "Fichas de los puestos";

// A worker reads this: larger type than the technician's documents.
constexpr int kTitle = 18;
constexpr int kHeading = 12;
constexpr int kBody = 10;
constexpr int kSmall = 8;
constexpr int kShade = 0xECEFF1;
constexpr int kRule = 0x9E9E9E;

// The pages of one copy, from the first (from 0) to the one before `end`.
struct Copy {
    const Sheet* sheet;
    int first;
    int end;
};

// The head and foot of a page: the firm and the workstation, the date and the copy's page.
void DrawFrame(Canvas& canvas, const PageFlow::Body& body, const Copy& copy, int page) {
    canvas.SetFontSize(kSmall);
    const int line = canvas.TextHeight("W");
    canvas.SetFontStyle(FontStyle::Bold);
    const HeaderTexts header =
        FitHeaderTexts(canvas, copy.sheet->firm, "Ficha del puesto: " + copy.sheet->workstation,
                       body.right - body.left, 2 * canvas.TextWidth("W"));
    canvas.DrawText(body.left, line, header.left);
    canvas.SetFontStyle(FontStyle::Regular);
    canvas.DrawText(body.right - canvas.TextWidth(header.right), line, header.right);
    canvas.FillRectangle(body.left, 2 * line + line / 4, body.right,
                         2 * line + line / 4 + std::max(1, line / 12), kRule);
    const int foot = canvas.PageHeight() - 2 * line;
    canvas.DrawText(body.left, foot, copy.sheet->date);
    const std::string number =
        W("Página ") + std::to_string(page - copy.first + 1) + " de " + std::to_string(copy.end - copy.first);
    canvas.DrawText(body.right - canvas.TextWidth(number), foot, number);
}

class SheetLayout {
public:
    explicit SheetLayout(PageFlow& flow) : flow_(flow), indent_(0) {}

    // One copy from the top of its first page; worker: the name in its acknowledgement, or none.
    void Print(const Sheet& sheet, const std::string* worker) {
        flow_.Font(kBody, FontStyle::Regular);
        indent_ = flow_.LineHeight();
        Title(sheet, worker);
        Risks(sheet);
        Findings(sheet);
        List(W("Medidas ya aplicadas"),
             W("Lo que se comprobó en su puesto, en su zona y en la empresa, y se encontró correcto:"),
             sheet.applied, W("No hay comprobaciones anotadas todavía."));
        Paragraph(W("Equipos de protección individual"), sheet.data.protectiveEquipment,
                  W("El puesto no exige equipos de protección individual."));
        Paragraph(W("Formación e información"), sheet.data.training,
                  W("No se ha indicado formación para el puesto."));
        Paragraph("Vigilancia de la salud", sheet.data.healthSurveillance,
                  W("No se ha indicado ningún protocolo de vigilancia de la salud."));
        Acknowledgement(sheet, worker);
    }

private:
    int Left() const { return flow_.body().left; }

    void Title(const Sheet& sheet, const std::string* worker) {
        flow_.Font(kTitle, FontStyle::Bold);
        flow_.Text("Ficha del puesto", Left(), flow_.Width());
        flow_.Font(kBody, FontStyle::Regular);
        flow_.Text(W("Información para quien trabaja en este puesto: sus riesgos y lo que le protege de "
                     "ellos. Léala con atención y pregunte lo que no entienda."),
                   Left(), flow_.Width());
        flow_.Gap(flow_.LineHeight() / 2);
        const int label = LabelWidth({"Empresa:", "Zona:", "Puesto:", "Fecha:", "Trabajador:"});
        flow_.Field("Empresa:", sheet.firm, Left(), label);
        if (!sheet.zone.empty()) flow_.Field("Zona:", sheet.zone, Left(), label);
        flow_.Field("Puesto:", sheet.workstation, Left(), label);
        if (worker) flow_.Field("Trabajador:", *worker, Left(), label);
        flow_.Field("Fecha:", sheet.date, Left(), label);
    }

    // A heading in a shaded band, kept with the lines that follow it.
    void Heading(const std::string& text) {
        flow_.Gap(flow_.LineHeight());
        flow_.Font(kHeading, FontStyle::Bold);
        const int height = flow_.LineHeight();
        flow_.Font(kBody, FontStyle::Regular);
        flow_.Need(height + 3 * flow_.LineHeight());
        flow_.Font(kHeading, FontStyle::Bold);
        flow_.FillRectangle(Left(), flow_.Y(), flow_.body().right, flow_.Y() + height, kShade);
        flow_.Text(text, Left() + indent_ / 3, flow_.Width() - indent_ / 3);
        flow_.Font(kBody, FontStyle::Regular);
        flow_.Gap(flow_.LineHeight() / 3);
    }

    // A bullet and its text, the bullet on the page of the text's first line.
    void Bullet(const std::string& text, int level = 0) {
        const int x = Left() + level * 2 * indent_;
        flow_.Need(flow_.LineHeight());
        flow_.DrawText(x + indent_ / 2, flow_.Y(), W("•"));
        flow_.Text(text, x + 2 * indent_, flow_.body().right - x - 2 * indent_);
    }

    void Risks(const Sheet& sheet) {
        Heading("Riesgos de su puesto");
        if (sheet.risks.empty()) {
            flow_.Text(
                W("No se ha aplicado todavía ningún cuestionario de riesgos a su puesto, a su zona ni a la "
                  "empresa."),
                Left(), flow_.Width());
            return;
        }
        flow_.Text(W("Se han revisado estos riesgos, que le afectan a usted; cada uno con su resultado:"),
                   Left(), flow_.Width());
        for (const Risk& risk : sheet.risks)
            Bullet(risk.questionnaire + " (" + risk.place + "): " + risk.result);
    }

    void Findings(const Sheet& sheet) {
        Heading("Lo que se ha encontrado y lo que se va a hacer");
        if (sheet.findings.empty()) {
            flow_.Text(W("No se ha encontrado ninguna deficiencia en su puesto ni en su zona."), Left(),
                       flow_.Width());
            return;
        }
        for (const Finding& finding : sheet.findings) {
            flow_.Gap(flow_.LineHeight() / 4);
            flow_.KeepTogether([&] {
                flow_.Font(kBody, FontStyle::Bold);
                Bullet(assessment::style::OrDash(finding.item) + " (" + finding.place + ")");
                flow_.Font(kBody, FontStyle::Regular);
                const int x = Left() + 2 * indent_;
                const int label = LabelWidth({"Encontrado:", "Gravedad:", "Medidas:"});
                if (!finding.detected.empty()) flow_.Field("Encontrado:", finding.detected, x, label);
                flow_.Field("Gravedad:", finding.level, x, label);
                if (finding.actions.empty()) {
                    flow_.Field("Medidas:", W("todavía no hay ninguna prevista"), x, label);
                } else {
                    flow_.Field("Medidas:", "", x, label);
                    for (const Action& action : finding.actions) {
                        std::string state = action.state;
                        if (!action.date.empty()) state += ", " + action.date;
                        Bullet(assessment::style::OrDash(action.measure) + " (" + state + ")", 1);
                    }
                }
                // Smaller than in the assessment: three a row.
                PrintPhotos(flow_, {sheet.photoFolder, 3, Millimetres(55), kSmall}, finding.photos, x);
            });
        }
    }

    void List(const std::string& heading, const std::string& intro, const std::vector<std::string>& items,
              const std::string& none) {
        Heading(heading);
        if (items.empty()) {
            flow_.Text(none, Left(), flow_.Width());
            return;
        }
        flow_.Text(intro, Left(), flow_.Width());
        for (const std::string& item : items)
            Bullet(item);
    }

    void Paragraph(const std::string& heading, const std::string& text, const std::string& none) {
        Heading(heading);
        flow_.Text(text.empty() ? none : text, Left(), flow_.Width());
    }

    // "He recibido esta información": the statement and one row to sign per worker of the copy.
    void Acknowledgement(const Sheet& sheet, const std::string* worker) {
        const int rows = worker ? 1 : sheet.blankLines;
        flow_.KeepTogether([&] {
            Heading(W("He recibido esta información"));
            flow_.Text(
                W("Con mi firma declaro que he recibido esta ficha con la información sobre los riesgos "
                  "de mi puesto y las medidas de protección."),
                Left(), flow_.Width());
            flow_.Gap(flow_.LineHeight() / 2);
            ColumnHeadings();
            SignatureRow(worker ? *worker : std::string());
        });
        for (int r = 1; r < rows; ++r) {
            if (flow_.Y() + RowHeight() > flow_.body().bottom) {
                flow_.NewPage();
                ColumnHeadings();
            }
            SignatureRow({});
        }
    }

    // The columns of the signatures: name, DNI, date and signature, across the body.
    std::vector<int> Columns() const {
        const int w = flow_.Width();
        return {Left(), Left() + w * 45 / 100, Left() + w * 62 / 100, Left() + w * 77 / 100,
                flow_.body().right};
    }
    int RowHeight() const { return flow_.LineHeight() * 2; }

    void ColumnHeadings() {
        const std::vector<int> x = Columns();
        const char* const headings[] = {"Nombre y apellidos", "DNI", "Fecha", "Firma"};
        flow_.Font(kBody, FontStyle::Bold);
        flow_.Need(flow_.LineHeight() + RowHeight());
        const int top = flow_.Y();
        for (std::size_t c = 0; c < 4; ++c) {
            flow_.FillRectangle(x[c], top, x[c + 1], top + flow_.LineHeight(), kShade);
            flow_.DrawText(x[c] + indent_ / 3, top, headings[c]);
        }
        flow_.MoveTo(top + flow_.LineHeight());
        flow_.Font(kBody, FontStyle::Regular);
    }

    void SignatureRow(const std::string& name) {
        const std::vector<int> x = Columns();
        flow_.Need(RowHeight());
        const int top = flow_.Y();
        for (std::size_t c = 0; c < 4; ++c)
            flow_.DrawRectangle(x[c], top, x[c + 1], top + RowHeight());
        if (!name.empty()) {
            flow_.DrawText(x[0] + indent_ / 3, top + RowHeight() / 4,
                           ElideToWidth(flow_.canvas(), name, x[1] - x[0] - indent_ * 2 / 3));
        }
        flow_.MoveTo(top + RowHeight());
    }

    int LabelWidth(std::initializer_list<std::string> labels) {
        return assessment::style::LabelWidth(flow_, labels);
    }

    PageFlow& flow_;
    int indent_;
};

}  // namespace

bool PrintSheets(const std::vector<Sheet>& sheets, Canvas& canvas, std::string* error) {
    if (!canvas.BeginJob(kJobTitle, error)) return false;
    DeferredCanvas pages(canvas);
    pages.BeginJob(kJobTitle, nullptr);

    pages.SetFontSize(kBody);
    const int margin = 3 * canvas.TextWidth("W");
    canvas.SetFontSize(kSmall);
    const int frame = canvas.TextHeight("W");
    const PageFlow::Body body{margin, canvas.PageWidth() - margin, 4 * frame,
                              canvas.PageHeight() - 4 * frame};
    PageFlow flow(pages, body);
    SheetLayout layout(flow);

    std::vector<Copy> copies;
    for (const Sheet& sheet : sheets) {
        for (int c = 0; c < sheet.Copies(); ++c) {
            if (!copies.empty()) flow.NewPage();
            const int first = pages.Pages() - 1;
            layout.Print(sheet,
                         sheet.workers.empty() ? nullptr : &sheet.workers[static_cast<std::size_t>(c)]);
            copies.push_back({&sheet, first, pages.Pages()});
        }
    }

    int page = 0;
    for (const Copy& copy : copies) {
        for (; page < copy.end; ++page) {
            if (page > 0) canvas.NewPage();
            DrawFrame(canvas, body, copy, page);
            pages.Replay(page);
        }
    }
    return canvas.EndJob(error);
}

}  // namespace sheets
