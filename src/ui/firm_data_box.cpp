#include "firm_data_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialog_text.h"
#include "named_controls.h"
#include "node_data_form.h"
#include "qt_dates.h"
#include "text_codec.h"

namespace {

constexpr int kNumberWidth = 80;
constexpr int kDateWidth = 130;

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
    QLineEdit* edit = NamedEdit(name, parent);
    edit->setFixedWidth(kNumberWidth);
    return edit;
}

}  // namespace

FirmDataBox::FirmDataBox(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    grpEmpresa = new QGroupBox("Datos de la empresa", this);
    grpEmpresa->setObjectName("grpEmpresa");
    auto* form = new QFormLayout(grpEmpresa);
    edtNif = NamedEdit("edtNif", grpEmpresa);
    edtNif->setFixedWidth(2 * kNumberWidth);
    edtDomicilio = NamedEdit("edtDomicilio", grpEmpresa);
    edtActividad = NamedEdit("edtActividad", grpEmpresa);
    edtActividad->setPlaceholderText(
        QString::fromUtf8("el código CNAE y la actividad, p. ej. 4520 Reparación de vehículos de motor"));
    edtTrabajadores = NumberEdit("edtTrabajadores", grpEmpresa);
    cmbModalidad = new QComboBox(grpEmpresa);
    cmbModalidad->setObjectName("cmbModalidad");
    for (int m = 0; m < firm_data::kModalityCount; ++m)
        cmbModalidad->addItem(ToQt(firm_data::ModalityName(static_cast<firm_data::Modality>(m))));
    edtEvaluador = NamedEdit("edtEvaluador", grpEmpresa);
    edtRevision = NamedEdit("edtRevision", grpEmpresa);
    edtRevision->setFixedWidth(kDateWidth);
    // The date's form as the user's locale writes it, e.g. "dd/mm/aaaa".
    QString pattern = QString::fromStdString(QtDates().Format().Pattern());
    edtRevision->setPlaceholderText(pattern.replace('M', 'm').replace('y', 'a'));
    form->addRow("NIF/CIF:", edtNif);
    form->addRow("Domicilio:", edtDomicilio);
    form->addRow("Actividad (CNAE):", edtActividad);
    form->addRow(QString::fromUtf8("Nº de trabajadores:"), edtTrabajadores);
    form->addRow("Modalidad preventiva:", cmbModalidad);
    form->addRow(QString::fromUtf8("Evaluación realizada por:"), edtEvaluador);
    form->addRow(QString::fromUtf8("Próxima revisión:"), edtRevision);
    layout->addWidget(grpEmpresa);

    rowExpuestos = new QWidget(this);
    exposedRow_ = new QGridLayout(rowExpuestos);
    exposedRow_->setContentsMargins(0, 0, 0, 0);
    edtExpuestos = NumberEdit("edtExpuestos", rowExpuestos);
    edtExpuestos->setToolTip("Personas que trabajan en el puesto y pueden estar expuestas a sus riesgos");
    lblExpuestos = NamedLabel("lblExpuestos", "Trabajadores expuestos:", rowExpuestos);
    exposedRow_->addWidget(lblExpuestos, 0, 0);
    exposedRow_->addWidget(edtExpuestos, 0, 1, Qt::AlignLeft);
    exposedRow_->setColumnStretch(1, 1);
    layout->addWidget(rowExpuestos);
}

void FirmDataBox::AlignWith(int labelWidth, int inset) {
    // A label wider than the others goes on two lines, as "Descripción de agentes implicados".
    lblExpuestos->setWordWrap(true);
    lblExpuestos->setFixedWidth(labelWidth);
    exposedRow_->setContentsMargins(inset, 0, inset, 0);
}

void FirmDataBox::Adapt(const NodeDataAdaptation& adaptation) {
    grpEmpresa->setVisible(adaptation.showsFirmData);
    rowExpuestos->setVisible(adaptation.showsExposedWorkers);
    setVisible(adaptation.showsFirmData || adaptation.showsExposedWorkers);
}

void FirmDataBox::Fill(const NodeDataValues& values) {
    const firm_data::FirmData& firm = values.firm;
    ShowFromStart(edtNif, ToQt(firm.taxId));
    ShowFromStart(edtDomicilio, ToQt(firm.address));
    ShowFromStart(edtActividad, ToQt(firm.activity));
    edtTrabajadores->setText(ToQt(firm.workers));
    cmbModalidad->setCurrentIndex(static_cast<int>(firm.modality));
    ShowFromStart(edtEvaluador, ToQt(firm.evaluator));
    edtRevision->setText(ToQt(firm.nextReview));
    edtExpuestos->setText(ToQt(values.exposedWorkers));
}

void FirmDataBox::Take(DialogTextReader& reader, NodeDataValues& values) const {
    firm_data::FirmData& firm = values.firm;
    firm.taxId = reader.Line(edtNif->text());
    firm.address = reader.Line(edtDomicilio->text());
    firm.activity = reader.Line(edtActividad->text());
    firm.workers = reader.Line(edtTrabajadores->text());
    firm.modality = static_cast<firm_data::Modality>(std::max(0, cmbModalidad->currentIndex()));
    firm.evaluator = reader.Line(edtEvaluador->text());
    firm.nextReview = reader.Line(edtRevision->text());
    values.exposedWorkers = reader.Line(edtExpuestos->text());
}
