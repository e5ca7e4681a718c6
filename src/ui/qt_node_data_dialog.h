#pragma once

#include "node_data_editor.h"

class DocumentSession;
class QWidget;

// Runs the node data editor in its real window, over the main window.
class QtNodeDataDialog : public NodeDataDialogPort {
public:
    // printBlank is read each time the window opens, so it may be set later.
    // session: the open document, for a deficiency's or a measure's photos.
    QtNodeDataDialog(QWidget* parent, const BlankQuestionnaireHook& printBlank, DocumentSession& session)
        : parent_(parent), printBlank_(printBlank), session_(session) {}

    bool Run(NodeDataForm& form) override;

private:
    QWidget* parent_;
    const BlankQuestionnaireHook& printBlank_;
    DocumentSession& session_;
};
