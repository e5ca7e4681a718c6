#pragma once

class QuestionnaireSelectionForm;

// How the assignment command shows the questionnaire selection dialog: the window runs it
// modally on the form, tests answer from a script.
class QuestionnaireSelectionPort {
public:
    virtual ~QuestionnaireSelectionPort() = default;
    // Shows the dialog on the form; true when the user accepted.
    virtual bool RunQuestionnaireSelection(QuestionnaireSelectionForm& form) = 0;
};
