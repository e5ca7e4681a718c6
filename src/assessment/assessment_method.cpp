#include <functional>
#include <string>
#include <vector>

#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "page_flow.h"
#include "valuation_code.h"
#include "valuation_tables.h"

namespace assessment {

namespace {

const char* const kMethod[] = {
    "Cada deficiencia encontrada al aplicar los cuestionarios de comprobación se valora con un método "
    "simplificado. Quien evalúa elige tres valores: el nivel de deficiencia (Muy deficiente, Deficiente o "
    "Mejorable), la exposición de los trabajadores a ella (Continuada, Frecuente, Ocasional o Esporádica) y "
    "las consecuencias que cabe esperar si llega a producirse un daño (Mortal, Muy grave, Grave o Leve).",
    "El nivel de deficiencia y la exposición dan la probabilidad de que el daño se produzca (tabla 1). La "
    "probabilidad y las consecuencias dan el nivel de intervención (tabla 2), que ordena las medidas "
    "preventivas por su urgencia:",
};

const char* const kLevels[][2] = {
    {"Crítico:", "situación crítica; hay que corregirla cuanto antes."},
    {"A corregir:", "hay que corregir la deficiencia y adoptar medidas de control."},
    {"A mejorar:", "conviene mejorar la situación cuando sea posible."},
    {"No imprescindible:", "no hace falta intervenir, salvo que un análisis más detallado lo aconseje."},
};

const char* const kQuestionnaires =
    "Cada cuestionario aplicado lleva además una valoración (sin valorar, aplicado, mejorable, deficiente o "
    "muy deficiente) que recoge el nivel de deficiencia más grave anotado en él.";

// A cell of a table of the method: its text and colour.
struct Cell {
    std::string text;
    int rgb;
};

// A table whose rows and columns are the values of two choices, its cells coloured: a corner
// naming both choices, the columns' names on the first row, the rows' names in the first column.
void DrawGrid(PageFlow& flow, const std::string& caption, const std::string& corner,
              const std::vector<std::string>& columns, const std::vector<std::string>& rows,
              const std::function<Cell(int row, int column)>& cell) {
    flow.KeepTogether([&] {
        flow.Font(style::kBody, FontStyle::Bold);
        flow.Text(caption, flow.body().left, flow.Width());
        flow.Gap(flow.LineHeight() / 4);
        Canvas& canvas = flow.canvas();
        // The names in a smaller type where the body's does not leave them room on the page.
        int pad = 0, height = 0, first = 0, width = 0;
        for (int size = style::kBody; size >= style::kTable; --size) {
            flow.Font(size, FontStyle::Regular);
            pad = flow.LineHeight() / 3;
            height = flow.LineHeight() + 2 * pad;
            first = canvas.TextWidth(corner);
            int widest = 0;
            for (std::size_t r = 0; r < rows.size(); ++r) {
                for (std::size_t c = 0; c < columns.size(); ++c)
                    widest = std::max(widest,
                                      canvas.TextWidth(cell(static_cast<int>(r), static_cast<int>(c)).text));
            }
            canvas.SetFontStyle(FontStyle::Bold);
            for (const std::string& row : rows)
                first = std::max(first, canvas.TextWidth(row));
            for (const std::string& column : columns)
                widest = std::max(widest, canvas.TextWidth(column));
            first += 2 * pad;
            width =
                std::max(widest + 2 * pad, (flow.Width() * 3 / 4 - first) / static_cast<int>(columns.size()));
            if (first + width * static_cast<int>(columns.size()) <= flow.Width()) break;
            width = (flow.Width() - first) / static_cast<int>(columns.size());
        }
        const int left = flow.body().left;
        auto centred = [&](const std::string& text, int x, int y) {
            flow.DrawText(x + (width - canvas.TextWidth(text)) / 2, y + pad, text);
        };
        // The heading row: the corner, then each column's name.
        flow.Need(height * (1 + static_cast<int>(rows.size())));
        int y = flow.Y();
        canvas.SetFontStyle(FontStyle::Regular);
        flow.FillRectangle(left, y, left + first + width * static_cast<int>(columns.size()), y + height,
                           style::kShade);
        flow.DrawText(left + pad, y + pad, corner);
        canvas.SetFontStyle(FontStyle::Bold);
        for (std::size_t c = 0; c < columns.size(); ++c)
            centred(columns[c], left + first + width * static_cast<int>(c), y);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            y += height;
            canvas.SetFontStyle(FontStyle::Bold);
            flow.FillRectangle(left, y, left + first, y + height, style::kShade);
            flow.DrawText(left + pad, y + pad, rows[r]);
            canvas.SetFontStyle(FontStyle::Regular);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const Cell value = cell(static_cast<int>(r), static_cast<int>(c));
                const int x = left + first + width * static_cast<int>(c);
                flow.FillRectangle(x, y, x + width, y + height, value.rgb);
                centred(value.text, x, y);
            }
        }
        const int right = left + first + width * static_cast<int>(columns.size());
        for (int r = 0; r <= static_cast<int>(rows.size()); ++r) {
            const int top = flow.Y() + r * height;
            flow.DrawRectangle(left, top, right, top + height);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const int x = left + first + width * static_cast<int>(c);
                flow.DrawRectangle(x, top, x + width, top + height);
            }
        }
        flow.MoveTo(y + height);
        flow.Font(style::kBody, FontStyle::Regular);
        flow.Gap(flow.LineHeight());
    });
}

// The names of a position's values, '0' first.
std::vector<std::string> Names(int position) {
    std::vector<std::string> out;
    for (int v = 0; v < valuation::ValueCount(position); ++v)
        out.push_back(valuation::ValueName(position, static_cast<char>('0' + v)));
    return out;
}

}  // namespace

void PrintMethod(PageFlow& flow) {
    using namespace style;
    const PageFlow::Body& body = flow.body();
    for (const char* paragraph : kMethod) {
        flow.Text(W(paragraph), body.left, flow.Width());
        flow.Gap(flow.LineHeight() / 2);
    }
    const int labelWidth = LabelWidth(flow, {W(kLevels[3][0])});
    const int indent = flow.LineHeight();
    for (int l = 0; l < 4; ++l) {
        const int top = flow.Y();
        flow.Field(W(kLevels[l][0]), W(kLevels[l][1]), body.left + 2 * indent, labelWidth);
        flow.FillRectangle(body.left + indent / 2, top + flow.LineHeight() / 6, body.left + indent * 3 / 2,
                           top + flow.LineHeight() * 5 / 6, LevelRgb(static_cast<plan::Level>(l)));
    }
    flow.Gap(flow.LineHeight() / 2);
    flow.Text(W(kQuestionnaires), body.left, flow.Width());
    flow.Gap(flow.LineHeight());

    // Both tables are read from the method's own tables, so they show what the program does.
    const int probabilityColours[] = {LevelRgb(plan::Level::kCritical), LevelRgb(plan::Level::kToCorrect),
                                      LevelRgb(plan::Level::kToImprove),
                                      LevelRgb(plan::Level::kNotEssential)};
    DrawGrid(flow, W("Tabla 1. Probabilidad según la exposición y el nivel de deficiencia"),
             W("Exposición \\ Deficiencia"), Names(valuation::kDeficiency), Names(valuation::kExposure),
             [&](int row, int column) {
        const char p =
            *valuation::ProbabilityFor(static_cast<char>('0' + row), static_cast<char>('0' + column));
        return Cell{valuation::ValueName(valuation::kProbability, p), probabilityColours[p - '0']};
    });
    DrawGrid(flow, W("Tabla 2. Nivel de intervención según las consecuencias y la probabilidad"),
             W("Consecuencias \\ Probabilidad"), Names(valuation::kProbability),
             Names(valuation::kConsequences), [&](int row, int column) {
                 const char l = *valuation::InterventionLevelFor(static_cast<char>('0' + row),
                                                                 static_cast<char>('0' + column));
                 return Cell{valuation::ValueName(valuation::kLevel, l),
                             LevelRgb(plan::LevelOfCode(std::string(1, l)))};
             });
}

}  // namespace assessment
