#pragma once

#include <QDialog>
#include <vector>

class ChecklistForm;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

// The answering dialog of a questionnaire ("Cuestionario NN.- título"): the catalogue's notes, then
// every item with its number, its whole text and its degree letter, answered "Sí", "No" or "No
// procede". Arrows move between the items; S, N and P answer the current one and move on; Supr
// takes an answer back. It only binds its controls to the form.
class ChecklistDialog : public QDialog {
    Q_OBJECT
public:
    ChecklistDialog(ChecklistForm& form, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        QFrame* frame;
        QButtonGroup* answers;
        QRadioButton* yes;
        QRadioButton* no;
        QRadioButton* notApplicable;
    };

    void BuildControls();
    QFrame* BuildRow(int index, QWidget* parent);
    // The keys of the list; false for any other key.
    bool ListKey(int key, const QString& text);
    // Shows the form's answers, count and current item; scroll: brings the current item into sight.
    void Reflect(bool scroll = true);
    void ReflectRow(int index);

    // Controls by their names (also their object names).
    QLabel* lblNotas;
    QScrollArea* lstItems;
    QLabel* lblTeclas;
    QLabel* lblRespondidos;
    QPushButton* btnPendientes;

    ChecklistForm& form_;
    std::vector<Row> rows_;
};
