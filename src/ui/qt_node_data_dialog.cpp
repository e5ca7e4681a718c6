#include "qt_node_data_dialog.h"

#include "node_data_dialog.h"

bool QtNodeDataDialog::Run(NodeDataForm& form) {
    NodeDataDialog dialog(form, printBlank_, parent_, &session_);
    return dialog.exec() == QDialog::Accepted;
}
