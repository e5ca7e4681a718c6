#pragma once

#include <string>
#include <vector>

#include "action_plan.h"
#include "canvas_table.h"

class PageFlow;
namespace assessment {
struct Place;
}

// The look shared by the sections of the assessment document: font sizes, headings, the
// colour of each intervention level, the blank shown for a value that is missing.
namespace assessment::style {

constexpr int kTitle = 22;
constexpr int kSection = 15;
constexpr int kHeading = 11;
constexpr int kSubheading = 10;
constexpr int kBody = 9;
constexpr int kSmall = 8;
constexpr int kTable = 7;

// A thin grey line and the light fill of headings and bands.
constexpr int kRule = 0x9E9E9E;
constexpr int kShade = 0xECEFF1;

// "—" for an empty value.
std::string OrDash(const std::string& text);
// " (text)" after what it explains; ", text" when the text has brackets of its own.
std::string Aside(const std::string& text);
int LevelRgb(plan::Level level);
// The same colour lightened, as the background of a table's cell.
int LevelTint(plan::Level level);
// How a place is named in tables: its path, or "(sin lugar)".
std::string PlaceLabel(const Place& place);

// A section's heading at the top of a new page, in large bold type with a rule below.
void SectionHeading(PageFlow& flow, const std::string& text);
// A heading inside a section, kept with the four lines that follow it.
void Heading(PageFlow& flow, const std::string& text, int size);
// A table across the body from the flow's cursor, page after page, in the tables' font; the
// cursor goes below it. Never inside KeepTogether: the table draws as it goes.
void PrintTable(PageFlow& flow, std::vector<TableColumn> columns,
                const std::vector<std::vector<std::string>>& rows, CanvasTable::CellFill fill = nullptr);

// The width of the widest of the labels in bold, and a blank.
int LabelWidth(PageFlow& flow, std::initializer_list<std::string> labels);

}  // namespace assessment::style
