#include "tree_outline.h"

#include "display_text.h"
#include "document_session.h"
#include "one_line_text.h"

std::string TreeOutline(const DocumentSession& session) {
    std::string out;
    for (const TreeNode* node : session.Tree().PreOrder()) {
        out += std::string(2 * node->Depth(), ' ') + std::to_string(node->icon) + ' ' +
               OneLineText(ShownText(session, *node)) + '\n';
    }
    return out;
}
