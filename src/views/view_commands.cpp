#include "view_commands.h"

#include "document_session.h"
#include "risk_view.h"
#include "temporal_view.h"
#include "valuation_view.h"

namespace {

void AddItems(DocumentTree& tree, TreeNode* parent, const std::vector<ViewItem>& items) {
    for (const ViewItem& item : items) {
        TreeNode* node = tree.AddChild(parent, item.text, nullptr, item.icon);
        node->tip = item.tip;
        AddItems(tree, node, item.children);
    }
}

void ShowArrangement(DocumentSession& session, view::Mode mode, const std::vector<ViewItem>& items) {
    session.SetTreeVisible(false);
    session.SetViewMode(mode);
    // The document's nodes go away with the tree's content; no slot may keep pointing at them.
    NodeTable& table = session.Table();
    for (int s = 1; s <= table.count(); ++s)
        table.SetNode(s, nullptr);
    session.Tree().Rebuild([&](DocumentTree& tree) { AddItems(tree, nullptr, items); });
    session.Tree().Expand(session.Tree().FirstTopLevel());
    session.SetTreeVisible(true);
}

}  // namespace

void ShowView(DocumentSession& session, const Catalogue& catalogue, view::Mode mode) {
    switch (mode) {
        case view::kGeographic:
            session.RebuildTree();
            session.SetTreeVisible(true);
            break;
        case view::kTemporal:
            ShowArrangement(session, mode, TemporalView(session.Table()));
            break;
        case view::kValuation:
            ShowArrangement(session, mode, ValuationView(session.Table()));
            break;
        case view::kRisk:
            ShowArrangement(session, mode, RiskView(session.Table(), catalogue));
            break;
        default:
            break;
    }
}
