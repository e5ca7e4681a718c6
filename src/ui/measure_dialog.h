#pragma once

#include <QDialog>
#include <vector>

class MeasureForm;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The preventive-measure dialog (TfrmMedida): the specific measure, comments and planned date,
// with the deficiency's location, text and intervention level shown for reference. It only
// binds its controls to the form.
class MeasureDialog : public QDialog {
    Q_OBJECT
public:
    explicit MeasureDialog(MeasureForm& form, QWidget* parent = nullptr);

    // The four level buttons, " Crítico" first.
    const std::vector<QRadioButton*>& LevelButtons() const { return levels_; }

    QLabel* Label11;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QLabel* Label5;
    QLineEdit* Edit3;
    QLabel* Label4;
    QPlainTextEdit* Memo1;
    QLabel* Label1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QLabel* Label2;
    QDateEdit* dtP;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    void BuildControls();
    void BuildLayout();
    void Accept();

    MeasureForm& form_;
    std::vector<QRadioButton*> levels_;
};
