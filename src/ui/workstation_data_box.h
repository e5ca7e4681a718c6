#pragma once

#include <QWidget>

class DialogTextReader;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
struct NodeDataAdaptation;
struct NodeDataValues;

// The part of the node data editor below "Trabajadores expuestos:" that holds what the workers
// of a workstation are told: the protective equipment, training and health surveillance it
// requires, and the names of the people who hold it, one per line.
class WorkstationDataBox : public QWidget {
    Q_OBJECT
public:
    explicit WorkstationDataBox(QWidget* parent);

    // Lines the rows up with the editor's rows above them: their labels' width and their
    // distance from the window's edge.
    void AlignWith(int labelWidth, int inset);
    void Adapt(const NodeDataAdaptation& adaptation);
    void Fill(const NodeDataValues& values);
    void Take(DialogTextReader& reader, NodeDataValues& values) const;

private:
    // Controls by their names (also their object names).
    QLabel* lblEpis;
    QPlainTextEdit* memEpis;  // "Equipos de protección individual:"
    QLabel* lblFormacion;
    QPlainTextEdit* memFormacion;  // "Formación e información:"
    QLabel* lblVigilancia;
    QPlainTextEdit* memVigilancia;  // "Vigilancia de la salud:"
    QLabel* lblTrabajadores;
    QPlainTextEdit* memTrabajadores;  // "Trabajadores del puesto:"
    QGridLayout* rows_;
};
