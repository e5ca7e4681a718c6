#pragma once

#include <string>

class DocumentSession;
class NodeTable;
class oToken;
struct TreeNode;

// The text that the geographic tree shows for a record: a deficiency as its item, " // " and
// the deficiency detected; a measure as itself, " // " and its deficiency's recommendation;
// any other node as its field::kLabel.
std::string GeographicDisplayText(const NodeTable& table, const oToken& record);

// What the tree shows for a node: the geographic display text in the geographic view, the
// node's own text in the other arrangements.
std::string ShownText(const DocumentSession& session, const TreeNode& node);
