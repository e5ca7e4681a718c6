#include "display_text.h"

#include "document_session.h"
#include "kinds.h"

std::string GeographicDisplayText(const NodeTable& table, const oToken& record) {
    switch (record.GetKind(field::kKind)) {
        case kind::kDeficiency:
            return record.GetField(field::kItem) + " // " + record.GetField(field::kDeficiencyDetected);
        case kind::kMeasure: {
            const oToken* deficiency = table.Parent(record);
            return record.GetField(field::kMeasure) + " // " +
                   (deficiency ? deficiency->GetField(field::kRecommendation) : std::string());
        }
        default:
            return record.GetField(field::kLabel);
    }
}

std::string ShownText(const DocumentSession& session, const TreeNode& node) {
    if (session.ViewMode() == view::kGeographic && node.record) {
        return GeographicDisplayText(session.Table(), *node.record);
    }
    return node.text;
}
