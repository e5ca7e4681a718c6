#include "qt_questionnaire_selection.h"

#include "qt_dates.h"
#include "questionnaire_selection_dialog.h"
#include "text_codec.h"

bool QtQuestionnaireSelection::RunQuestionnaireSelection(QuestionnaireSelectionForm& form) {
    const QString dateFormat = ToQt(QtDates().Format().Pattern());
    QuestionnaireSelectionDialog dialog(form, dateFormat, parent_);
    return dialog.exec() == QDialog::Accepted;
}
