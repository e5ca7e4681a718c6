#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "valuation_code.h"

class DeficiencyForm;
class DocumentSession;
class PhotoStrip;
class ItemListCombo;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// The deficiency dialog (TfrmRespuestas): the item, the deficiency detected, the recommendation
// and the valuation, chosen in the green groups and shown as derived in the maroon ones. It only
// binds its controls to the form, which holds the state and the derivations.
class DeficiencyDialog : public QDialog {
    Q_OBJECT
public:
    // session: the open document, whose photos folder the deficiency's photos are kept in;
    // without one the dialog shows no photos.
    DeficiencyDialog(DeficiencyForm& form, QWidget* parent = nullptr, DocumentSession* session = nullptr);

    // "&Aceptar": hands the texts to the form, unless one holds a character the document cannot
    // keep; then the dialog stays open.
    void accept() override;
    void done(int result) override;

private:
    void BuildControls();
    void BuildLayout();
    void Connect();
    // Shows which button of each group the form has selected.
    void Reflect();

    // Controls by their names (also their object names).
    QLabel* Label6;
    QLineEdit* Edit2;
    QLabel* Label1;
    ItemListCombo* cmb;
    QPlainTextEdit* Memo3;
    QLabel* Label7;
    QPlainTextEdit* Memo2;
    QLabel* Label5;
    QPlainTextEdit* Memo1;
    QGroupBox* GroupBox2;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QGroupBox* GroupBox3;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    QRadioButton* RadioButton8;
    QGroupBox* GroupBox4;
    QRadioButton* RadioButton9;
    QRadioButton* RadioButton10;
    QRadioButton* RadioButton11;
    QRadioButton* RadioButton12;
    QGroupBox* GroupBox5;
    QRadioButton* RadioButton13;
    QRadioButton* RadioButton14;
    QRadioButton* RadioButton15;
    QRadioButton* RadioButton16;
    QGroupBox* GroupBox6;
    QRadioButton* RadioButton17;
    QRadioButton* RadioButton18;
    QRadioButton* RadioButton19;
    QLabel* Label3;
    QLabel* Label2;
    // Below the controls above, the deficiency's photos.
    PhotoStrip* photos = nullptr;

    DeficiencyForm& form_;
    // The buttons of each group, numbered as the valuation code's positions.
    std::array<std::vector<QRadioButton*>, valuation::kPositions> groups_;
};
