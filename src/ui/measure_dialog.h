#pragma once

#include <QDialog>
#include <vector>

class DocumentSession;
class MeasureForm;
class PhotoStrip;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The preventive-measure dialog (TfrmMedida): the specific measure, comments and planned date,
// with the deficiency's location, text and intervention level shown for reference. It only
// binds its controls to the form.
class MeasureDialog : public QDialog {
    Q_OBJECT
public:
    // session: the open document, whose photos folder the measure's photos are kept in; without
    // one the dialog shows no photos.
    explicit MeasureDialog(MeasureForm& form, QWidget* parent = nullptr, DocumentSession* session = nullptr);

    // "&Aceptar": hands the entries to the form, unless one holds a character the document
    // cannot keep or the cost is not an amount; then the dialog stays open.
    void accept() override;
    void done(int result) override;

private:
    void BuildControls();
    void BuildLayout();

    // Controls by their names (also their object names).
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
    // Below the controls above: the measure's human and material resources and cost.
    QLabel* LabelRecursos;
    QPlainTextEdit* MemoRecursos;
    QLabel* LabelCoste;
    QLineEdit* EditCoste;
    // Below them, the measure's photos.
    PhotoStrip* photos = nullptr;

    MeasureForm& form_;
    std::vector<QRadioButton*> levels_;  // " Crítico" first
};
