#include "display_text.h"

#include "document_session.h"
#include "kinds.h"

std::string GeographicDisplayText(const NodeTable& table, const oToken& record) {
    switch (record.GetKind(3)) {
        case kind::kDeficiency:
            return record.GetField(4) + " // " + record.GetField(13);
        case kind::kMeasure: {
            const oToken* deficiency = table.Parent(record);
            return record.GetField(4) + " // " + (deficiency ? deficiency->GetField(5) : std::string());
        }
        default:
            return record.GetField(4);
    }
}

std::string ShownText(const DocumentSession& session, const TreeNode& node) {
    if (session.ViewMode() == view::kGeographic && node.record) {
        return GeographicDisplayText(session.Table(), *node.record);
    }
    return node.text;
}
