#pragma once

#include <functional>
#include <string>

class DocumentSession;
class NodeDataEditor;
class UserPort;
struct TreeNode;

// The commands that shape the firm's tree from the context menu and the double click: adding
// zones and workstations, deleting a branch, and editing the selected node's data.
class TreeEditing {
public:
    // The label of a node as the tree shows it (a deficiency's or a measure's display text).
    using ShownLabel = std::function<std::string(const TreeNode&)>;

    TreeEditing(DocumentSession& session, UserPort& port, NodeDataEditor& editor, ShownLabel shownLabel);

    void NewZone();         // "Nueva Zona"
    void NewWorkstation();  // "Nuevo Puesto"
    void Delete();          // "Eliminar"
    void EditSelected();    // double click on the tree

private:
    // Adds a zone or workstation under the selected firm or zone and opens the editor on it;
    // when the editor is cancelled the document is left exactly as it was.
    void AddUnderSelected(char kind, const std::string& label);

    DocumentSession& session_;
    UserPort& port_;
    NodeDataEditor& editor_;
    ShownLabel shownLabel_;
};
