#pragma once

#include <string>
#include <vector>

#include "assessment.h"

class PageFlow;

namespace assessment {

// One bar of the chart: a place's name and its deficiencies by level.
struct ChartBar {
    std::string label;
    LevelCounts counts{};
    bool bold = false;  // the whole firm's
};

// Deficiencies by intervention level as a horizontal bar chart drawn on the flow: with `legend`,
// the levels' colours and the first bar's counts, then a bar per place, its label on the left
// (whole, wrapped in its room, the bar beside its first line), one coloured piece per level as
// long as its count (with the count inside when it fits) and the total at its end. The longest bar takes the chart's width; bars go on to the next page as
// lines do.
void DrawLevelChart(PageFlow& flow, const std::vector<ChartBar>& bars, bool legend);

}  // namespace assessment
