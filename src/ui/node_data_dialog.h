#pragma once

#include <QDialog>

#include "node_data_editor.h"

class BlankableDateEdit;
class DocumentSession;
class FirmDataBox;
class PhotoStrip;
class WorkstationDataBox;
class NodeDataForm;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The node data editor's window (TfrmDatos): shows a form's values in its controls, adapted to
// the node's kind, and hands the user's entries back to the form on "Aceptar". Entries with a
// character that the document cannot hold are refused and the window stays open.
class NodeDataDialog : public QDialog {
    Q_OBJECT
public:
    // printBlank: "Imp. Vacío"; the button is disabled while it is unset.
    // session: the open document, whose photos folder a deficiency's or a measure's photos are
    // kept in; without one the editor shows no photos.
    NodeDataDialog(NodeDataForm& form, BlankQuestionnaireHook printBlank, QWidget* parent = nullptr,
                   DocumentSession* session = nullptr);

    // "Aceptar": takes the entries into the form, unless one holds a character the document
    // cannot keep.
    void accept() override;
    void done(int result) override;

private:
    void BuildControls();
    void Adapt();
    void Fill();
    void DateTimePicker2Change();
    void BitBtn3Click();
    void btnResponderClick();

    // Controls by their names (also their object names), from top to bottom; the date panels and
    // their captions, which nothing changes once made, are found by their names alone.
    QLabel* Label11;
    QLineEdit* Edit2;
    QFrame* Panel1;
    QLabel* Label4;
    QPlainTextEdit* Memo1;
    QLabel* Label5;
    QPlainTextEdit* mem5;
    QLabel* Label3;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton6;
    QRadioButton* RadioButton7;
    BlankableDateEdit* DateTimePicker1;
    QPushButton* BitBtn3;
    QLineEdit* edt7;
    BlankableDateEdit* DateTimePicker2;
    QLineEdit* edt9;
    QLabel* Label10;
    QPlainTextEdit* mem10;
    // Below the controls above, for a measure: its human and material resources and cost.
    QLabel* LabelRecursos;
    QPlainTextEdit* memRecursos;
    QLabel* LabelCoste;
    QLineEdit* edtCoste;
    // Below them, for a questionnaire: its checklist answers and "Responder Cuestionario".
    QLabel* lblRespondidos;
    QPushButton* btnResponder;
    // Below them all: the firm's data, or a workstation's exposed workers.
    FirmDataBox* firmData;
    // Below those, for a workstation: what its workers are told, and their names.
    WorkstationDataBox* workstationData;
    // Below everything, a deficiency's or a measure's photos.
    PhotoStrip* photos = nullptr;

    NodeDataForm& form_;
    BlankQuestionnaireHook printBlank_;
};
