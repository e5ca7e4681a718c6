#pragma once

#include <QWidget>

class DialogTextReader;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
struct NodeDataAdaptation;
struct NodeDataValues;

// The part of the node data editor below its other controls that holds the firm's data (for the
// firm) or the workers exposed at a workstation. The numbers and the date are typed as text:
// the form checks them before "Aceptar" takes them.
class FirmDataBox : public QWidget {
    Q_OBJECT
public:
    explicit FirmDataBox(QWidget* parent);

    // Lines the workstation's row up with the editor's rows above it: their labels' width and
    // their distance from the window's edge.
    void AlignWith(int labelWidth, int inset);
    // Shows the rows of the kind, or nothing.
    void Adapt(const NodeDataAdaptation& adaptation);
    void Fill(const NodeDataValues& values);
    // The entries into the values, through the reader that remembers a character the document
    // cannot hold.
    void Take(DialogTextReader& reader, NodeDataValues& values) const;

private:
    // Controls by their names (also their object names).
    QGroupBox* grpEmpresa;  // "Datos de la empresa"
    QLineEdit* edtNif;
    QLineEdit* edtDomicilio;
    QLineEdit* edtActividad;
    QLineEdit* edtTrabajadores;
    QComboBox* cmbModalidad;
    QLineEdit* edtEvaluador;
    QLineEdit* edtRevision;
    QWidget* rowExpuestos;
    QLabel* lblExpuestos;
    QLineEdit* edtExpuestos;
    QGridLayout* exposedRow_;
};
