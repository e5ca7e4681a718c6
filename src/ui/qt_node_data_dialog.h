#pragma once

#include "node_data_editor.h"

class QWidget;

// Runs the node data editor in its real window, over the main window.
class QtNodeDataDialog : public NodeDataDialogPort {
public:
    // printBlank is read each time the window opens, so it may be set later.
    QtNodeDataDialog(QWidget* parent, const BlankQuestionnaireHook& printBlank)
        : parent_(parent), printBlank_(printBlank) {}

    bool Run(NodeDataForm& form) override;

private:
    QWidget* parent_;
    const BlankQuestionnaireHook& printBlank_;
};
