#include "workstation_data_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "dialog_text.h"
#include "named_controls.h"
#include "node_data_form.h"

WorkstationDataBox::WorkstationDataBox(QWidget* parent) : QWidget(parent) {
    rows_ = new QGridLayout(this);
    rows_->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    auto add = [this, &row](const char* labelName, const QString& caption, const char* memoName, int lines,
                            const QString& hint, QLabel*& label, QPlainTextEdit*& memo) {
        label = NamedLabel(labelName, caption, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        memo = NamedMemo(memoName, lines, this);
        memo->setToolTip(hint);
        rows_->addWidget(label, row, 0);
        rows_->addWidget(memo, row, 1);
        ++row;
    };
    add("lblEpis", QString::fromUtf8("Equipos de protección individual:"), "memEpis", 2,
        QString::fromUtf8("Los equipos de protección que exige el puesto, uno por línea"), lblEpis, memEpis);
    add("lblFormacion", QString::fromUtf8("Formación e información:"), "memFormacion", 2,
        QString::fromUtf8("La formación que exige el puesto"), lblFormacion, memFormacion);
    add("lblVigilancia", "Vigilancia de la salud:", "memVigilancia", 2,
        QString::fromUtf8("Los protocolos de vigilancia de la salud que se aplican; ningún dato de salud de "
                          "una persona"),
        lblVigilancia, memVigilancia);
    add("lblTrabajadores", "Trabajadores del puesto:", "memTrabajadores", 2,
        QString::fromUtf8("Los nombres de las personas que ocupan el puesto, uno por línea: cada una recibe "
                          "su ficha del puesto"),
        lblTrabajadores, memTrabajadores);
    rows_->setColumnStretch(1, 1);
}

void WorkstationDataBox::AlignWith(int labelWidth, int inset) {
    for (QLabel* label : {lblEpis, lblFormacion, lblVigilancia, lblTrabajadores})
        label->setFixedWidth(labelWidth);
    rows_->setContentsMargins(inset, 0, inset, 0);
}

void WorkstationDataBox::Adapt(const NodeDataAdaptation& adaptation) {
    setVisible(adaptation.showsWorkstationData);
}

void WorkstationDataBox::Fill(const NodeDataValues& values) {
    const workstation_data::WorkstationData& data = values.workstation;
    memEpis->setPlainText(MemoToQt(data.protectiveEquipment));
    memFormacion->setPlainText(MemoToQt(data.training));
    memVigilancia->setPlainText(MemoToQt(data.healthSurveillance));
    memTrabajadores->setPlainText(MemoToQt(data.workers));
}

void WorkstationDataBox::Take(DialogTextReader& reader, NodeDataValues& values) const {
    workstation_data::WorkstationData& data = values.workstation;
    data.protectiveEquipment = reader.Memo(memEpis->toPlainText());
    data.training = reader.Memo(memFormacion->toPlainText());
    data.healthSurveillance = reader.Memo(memVigilancia->toPlainText());
    data.workers = reader.Memo(memTrabajadores->toPlainText());
}
