#include "node_find.h"

#include "display_text.h"
#include "document_session.h"
#include "kinds.h"
#include "node_data_form.h"
#include "text_fold.h"

namespace node_find {

std::vector<std::string> SearchedTexts(const DocumentSession& session, const TreeNode& node) {
    std::vector<std::string> texts{ShownText(session, node)};
    if (session.ViewMode() != view::kGeographic || !node.record) return texts;
    const oToken& record = *node.record;
    const char kind = record.GetKind(field::kKind);
    // The editor's "Deficiencia detectada:" of a measure is its deficiency's.
    if (kind == kind::kMeasure) {
        if (const oToken* deficiency = session.Table().Parent(record))
            texts.push_back(deficiency->GetField(field::kDeficiencyDetected));
    } else {
        texts.push_back(
            record.GetField(kind == kind::kDeficiency ? field::kDeficiencyDetected : field::kComments));
    }
    for (const int shown :
         {field::kLabel, field::kPlannedDate, field::kPlannedBy, field::kDoneDate, field::kDoneBy})
        texts.push_back(record.GetField(shown));
    if (AdaptationFor(kind).showsObservations) texts.push_back(record.GetField(field::kObservations));
    return texts;
}

Result Find(const DocumentSession& session, std::string_view text, Direction direction) {
    Result result;
    if (text.empty()) return result;
    const std::string word = FoldForSearch(text);
    const std::vector<TreeNode*> nodes = session.Tree().PreOrder();
    const TreeNode* selected = session.Tree().Selected();

    std::vector<TreeNode*> matches;
    std::size_t before = 0;  // matches before the selected node
    bool selectedMatches = false;
    for (TreeNode* node : nodes) {
        bool found = false;
        for (const std::string& candidate : SearchedTexts(session, *node)) {
            if (ContainsFolded(FoldForSearch(candidate), word)) {
                found = true;
                break;
            }
        }
        if (node == selected) {
            before = matches.size();
            selectedMatches = found;
        }
        if (found) matches.push_back(node);
    }
    result.count = static_cast<int>(matches.size());
    if (matches.empty()) return result;

    // Where the selected node stands among the matches decides which one comes next.
    std::size_t index = 0;
    if (selected) {
        switch (direction) {
            case Direction::kFromHere:
                index = before;
                break;
            case Direction::kNext:
                index = before + (selectedMatches ? 1 : 0);
                break;
            case Direction::kPrevious:
                index = before == 0 ? matches.size() - 1 : before - 1;
                break;
        }
    } else if (direction == Direction::kPrevious) {
        index = matches.size() - 1;
    }
    if (index >= matches.size()) index = 0;
    result.node = matches[index];
    result.position = static_cast<int>(index) + 1;
    return result;
}

}  // namespace node_find
