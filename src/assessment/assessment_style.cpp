#include "assessment_style.h"

#include <algorithm>

#include "assessment.h"
#include "cp1252.h"
#include "page_flow.h"
#include "plan_colours.h"

namespace assessment::style {

std::string OrDash(const std::string& text) {
    return text.empty() ? W("—") : text;
}

std::string Aside(const std::string& text) {
    // Brackets inside brackets read badly: a text with its own goes after a comma.
    return text.find('(') == std::string::npos ? " (" + text + ")" : ", " + text;
}

int LevelRgb(plan::Level level) {
    return plan::LevelColour(level).Packed();
}

int LevelTint(plan::Level level) {
    return plan::LevelTint(level).Packed();
}

std::string PlaceLabel(const Place& place) {
    return place.kind == ' ' ? "(sin lugar)" : place.path;
}

void PrintTable(PageFlow& flow, std::vector<TableColumn> columns,
                const std::vector<std::vector<std::string>>& rows, CanvasTable::CellFill fill) {
    CanvasTable table(flow.canvas(), std::move(columns), TableFrame{{}, {}, {}, kTable});
    table.SetCellFill(std::move(fill));
    const PageFlow::Body& body = flow.body();
    flow.MoveTo(table.PrintWithin(rows, {body.left, body.right, body.top, body.bottom}, flow.Y()));
    flow.Font(kBody, FontStyle::Regular);
    flow.Gap(flow.LineHeight());
}

void SectionHeading(PageFlow& flow, const std::string& text) {
    flow.NewPage();
    flow.Font(kSection, FontStyle::Bold);
    flow.Text(text, flow.body().left, flow.Width());
    const int y = flow.Y() + flow.LineHeight() / 8;
    flow.FillRectangle(flow.body().left, y, flow.body().right, y + std::max(1, flow.LineHeight() / 16),
                       kRule);
    flow.Gap(flow.LineHeight() / 2);
    flow.Font(kBody, FontStyle::Regular);
}

void Heading(PageFlow& flow, const std::string& text, int size) {
    flow.Font(size, FontStyle::Bold);
    const int height = flow.LineHeight();
    flow.Font(kBody, FontStyle::Regular);
    flow.Need(height + 4 * flow.LineHeight());
    flow.Font(size, FontStyle::Bold);
    flow.Text(text, flow.body().left, flow.Width());
    flow.Font(kBody, FontStyle::Regular);
}

int LabelWidth(PageFlow& flow, std::initializer_list<std::string> labels) {
    Canvas& canvas = flow.canvas();
    const FontStyle style = canvas.Style();
    canvas.SetFontStyle(FontStyle::Bold);
    int widest = 0;
    for (const std::string& label : labels)
        widest = std::max(widest, canvas.TextWidth(label + "  "));
    canvas.SetFontStyle(style);
    return widest;
}

}  // namespace assessment::style
