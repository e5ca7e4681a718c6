#include "assessment_sections.h"
#include "assessment_style.h"
#include "cp1252.h"
#include "page_flow.h"

namespace assessment {

void PrintAnnex(PageFlow& flow, const Assessment& a) {
    flow.Text(W("Lo que le falta al documento a fecha de ") + a.date + ": " +
                  review::PendingText(static_cast<int>(a.gaps.size())) +
                  W(", por grupos. Cada punto nombra el nodo del árbol, desde la empresa, y lo que falta."),
              flow.body().left, flow.Width());
    flow.Gap(flow.LineHeight() / 2);
    const int indent = flow.LineHeight();
    for (std::size_t i = 0; i < a.gaps.size(); ++i) {
        const review::Gap& gap = a.gaps[i];
        if (i == 0 || a.gaps[i - 1].group != gap.group) {
            if (i > 0) flow.Gap(flow.LineHeight() / 2);
            style::Heading(flow, review::GroupName(gap.group), style::kHeading);
        }
        flow.Text(W("• ") + gap.place + ": " + gap.missing, flow.body().left + indent, flow.Width() - indent);
    }
}

}  // namespace assessment
