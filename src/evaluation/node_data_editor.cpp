#include "node_data_editor.h"

#include "document_session.h"
#include "node_data_form.h"

NodeDataEditor::NodeDataEditor(DocumentSession& session, NodeDataDialogPort& dialog, UserPort& port,
                               DatePort& dates)
    : session_(session), dialog_(&dialog), port_(port), dates_(dates) {}

bool NodeDataEditor::EditNodeData(TreeNode& node) {
    if (!node.record) return false;
    NodeDataForm form(session_.Table(), node, dates_, answering_);
    if (!form.Open(port_)) return false;
    if (!dialog_->Run(form)) return false;
    form.Accept(session_.Tree());
    return true;
}
