#pragma once

class DocumentSession;
struct TreeNode;

// What lies under the point where a dragged node is let go.
enum class DropZone {
    OnNode,         // the icon or label of a node: the dragged node becomes its last child
    BelowLastNode,  // empty space below the last node: the dragged node goes last at the top level
    Indentation,    // the indentation left of a node: the dragged node goes just before it
    Elsewhere,      // the expand button, the space right of a label: nothing happens
};

// Moves a dragged node with its branch as the drop point says (geographic view only). A drop
// on the dragged node's own branch moves nothing. Every drop but one elsewhere marks the
// document modified, also when it moved nothing. The moved record names its new parent at once,
// and a moved questionnaire takes its assignment flag from its old owner to its new one.
void DropNode(DocumentSession& session, TreeNode* dragged, TreeNode* hit, DropZone zone);
