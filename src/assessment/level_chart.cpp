#include "level_chart.h"

#include <algorithm>
#include <numeric>

#include "assessment_style.h"
#include "page_flow.h"

namespace assessment {

namespace {

int Total(const LevelCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), 0);
}

void DrawLegend(PageFlow& flow, const LevelCounts& totals) {
    Canvas& canvas = flow.canvas();
    const int line = flow.LineHeight();
    const int box = line * 2 / 3;
    int x = flow.body().left;
    flow.Need(line);
    const int top = flow.Y();
    for (int l = 0; l < plan::kLevelCount; ++l) {
        const std::string text =
            plan::LevelName(static_cast<plan::Level>(l)) + ": " + std::to_string(totals[l]);
        const int width = box + line / 3 + canvas.TextWidth(text) + line;
        if (x + width > flow.body().right && x > flow.body().left) break;  // a very narrow page
        flow.FillRectangle(x, top + (line - box) / 2, x + box, top + (line + box) / 2,
                           style::LevelRgb(static_cast<plan::Level>(l)));
        flow.DrawText(x + box + line / 3, top, text);
        x += width;
    }
    flow.MoveTo(top + line + line / 2);
}

}  // namespace

void DrawLevelChart(PageFlow& flow, const std::vector<ChartBar>& bars, bool legend) {
    if (bars.empty()) return;
    Canvas& canvas = flow.canvas();
    flow.Font(style::kSmall, FontStyle::Regular);
    if (legend) DrawLegend(flow, bars.front().counts);

    const int line = flow.LineHeight();
    const int labelWidth = flow.Width() * 3 / 10;
    const int barLeft = flow.body().left + labelWidth + line / 2;
    int most = 1;
    for (const ChartBar& bar : bars)
        most = std::max(most, Total(bar.counts));
    // Room for a total of four digits after the longest bar, whatever the totals: two charts
    // one above the other have bars of the same full length.
    const int barRoom = flow.body().right - barLeft - canvas.TextWidth("9999") - line / 2;
    for (const ChartBar& bar : bars) {
        // The whole label, wrapped: places that differ only at their ends stay apart.
        canvas.SetFontStyle(bar.bold ? FontStyle::Bold : FontStyle::Regular);
        const std::vector<std::string> label = flow.Wrap(bar.label, labelWidth);
        const int height = static_cast<int>(label.size()) * line + line / 2;
        flow.Need(height);
        const int top = flow.Y();
        for (std::size_t i = 0; i < label.size(); ++i)
            flow.DrawText(flow.body().left, top + static_cast<int>(i) * line, label[i]);
        canvas.SetFontStyle(FontStyle::Regular);
        int x = barLeft;
        int sum = 0;
        for (int l = 0; l < plan::kLevelCount; ++l) {
            if (bar.counts[l] == 0) continue;
            sum += bar.counts[l];
            // Each piece ends where the running sum does, so that rounding never adds up.
            const int end = barLeft + static_cast<int>(static_cast<long long>(barRoom) * sum / most);
            flow.FillRectangle(x, top, std::max(end, x + 1), top + line,
                               style::LevelRgb(static_cast<plan::Level>(l)));
            const std::string count = std::to_string(bar.counts[l]);
            if (canvas.TextWidth(count) + line / 3 <= end - x)
                flow.DrawText(x + (end - x - canvas.TextWidth(count)) / 2, top, count);
            x = std::max(end, x + 1);
        }
        flow.DrawText(x + line / 3, top, std::to_string(Total(bar.counts)));
        flow.MoveTo(top + height);
    }
    flow.Font(style::kBody, FontStyle::Regular);
}

}  // namespace assessment
