#pragma once

#include <string>
#include <string_view>
#include <vector>

class DocumentSession;
struct TreeNode;

// "Buscar ...": the nodes of the tree whose texts hold a text, ignoring case and accents,
// taken in the order the tree shows them (pre-order) and counted from the selected node.
namespace node_find {

enum class Direction {
    kFromHere,  // the selected node if it matches, else the next match (the text was typed)
    kNext,      // the next match after the selected node, from the top again after the last
    kPrevious,  // the match before the selected node, from the bottom again before the first
};

struct Result {
    TreeNode* node = nullptr;  // the match to go to; nullptr when there is none
    int position = 0;          // its place among the matches, from 1
    int count = 0;             // how many nodes match
};

// The texts searched for a node: what the tree shows and, for a node of the document, every
// field that the node data editor shows for its kind.
std::vector<std::string> SearchedTexts(const DocumentSession& session, const TreeNode& node);

// Finds the text (Windows-1252) in whatever the tree shows, in any view. An empty text finds nothing.
Result Find(const DocumentSession& session, std::string_view text, Direction direction);

}  // namespace node_find
