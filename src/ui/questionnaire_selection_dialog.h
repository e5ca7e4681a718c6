#pragma once

#include <QDialog>

class QuestionnaireSelectionForm;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QToolButton;

// The questionnaire selection dialog (TfrmSelCuest): two lists with the buttons that move
// entries between them, and the probable inspection date. It only binds its widgets to the
// form, which holds the lists and the date.
class QuestionnaireSelectionDialog : public QDialog {
    Q_OBJECT
public:
    // dateFormat is the short date format the picker shows (Qt's pattern letters).
    QuestionnaireSelectionDialog(QuestionnaireSelectionForm& form, const QString& dateFormat,
                                 QWidget* parent = nullptr);

protected:
    // Return or Enter in a list moves its highlighted entry, as a double click does, instead of
    // accepting the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLists();
    void BuildDate();
    void FitLists();
    void ShowLists();
    // Moves the entry at row of one list to the other; the list's row stays highlighted, so that
    // the keyboard can go on from there.
    void MoveEntry(QListWidget* from, int row, bool keepHighlight);

    // Controls by their names (also their object names).
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QListWidget* ListBox1;
    QLabel* Label2;
    QListWidget* ListBox2;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QLabel* Label3;
    QGroupBox* GroupBox2;
    QDateEdit* dtPick;
    QLabel* Label4;

    QuestionnaireSelectionForm& form_;
};
