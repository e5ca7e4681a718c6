#pragma once

#include "questionnaire_selection_port.h"

class QWidget;

// Runs the questionnaire selection dialog as a real modal window over the main window.
class QtQuestionnaireSelection : public QuestionnaireSelectionPort {
public:
    explicit QtQuestionnaireSelection(QWidget* parent) : parent_(parent) {}
    bool RunQuestionnaireSelection(QuestionnaireSelectionForm& form) override;

private:
    QWidget* parent_;
};
