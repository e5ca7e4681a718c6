#include "recovery_window.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const kSavedAfter = "el archivo se guardó después de esta copia";

QString Time(std::int64_t ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString("dd/MM/yyyy HH:mm:ss");
}

QString DocumentTime(const OrphanedCopy& copy) {
    if (copy.DocumentFolder().empty()) return {};
    if (!copy.documentWrittenMs) return QString::fromUtf8("no existe");
    QString text = Time(*copy.documentWrittenMs);
    if (copy.SavedAfterCopy()) text += QString::fromUtf8(" (%1)").arg(QString::fromUtf8(kSavedAfter));
    return text;
}

}  // namespace

RecoveryWindow::RecoveryWindow(std::vector<OrphanedCopy> copies,
                               std::function<void(const OrphanedCopy&)> discard, QWidget* parent)
    : QDialog(parent), copies_(std::move(copies)), discard_(std::move(discard)) {
    setObjectName("frmRecuperar");
    setWindowTitle("Recuperar documentos");
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QString::fromUtf8(
        "El programa se cerró sin guardar estos documentos. Puede abrir la copia de cada uno, "
        "descartarla o dejarla para más tarde."));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    ListaCopias = new QTableWidget(0, 4, this);
    ListaCopias->setObjectName("ListaCopias");
    ListaCopias->setHorizontalHeaderLabels({"Documento", "Carpeta", "Copia", "Archivo"});
    ListaCopias->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListaCopias->setSelectionMode(QAbstractItemView::SingleSelection);
    ListaCopias->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListaCopias->verticalHeader()->setVisible(false);
    ListaCopias->horizontalHeader()->setStretchLastSection(true);
    ListaCopias->setWordWrap(false);
    layout->addWidget(ListaCopias);

    lblAviso = new QLabel(this);
    lblAviso->setObjectName("lblAviso");
    lblAviso->setWordWrap(true);
    layout->addWidget(lblAviso);

    auto* buttons = new QHBoxLayout;
    btnAbrir = new QPushButton("Abrir la copia", this);
    btnAbrir->setObjectName("btnAbrir");
    btnAbrir->setDefault(true);
    btnDescartar = new QPushButton("Descartar", this);
    btnDescartar->setObjectName("btnDescartar");
    btnMasTarde = new QPushButton(QString::fromUtf8("Más tarde"), this);
    btnMasTarde->setObjectName("btnMasTarde");
    buttons->addStretch();
    buttons->addWidget(btnAbrir);
    buttons->addWidget(btnDescartar);
    buttons->addWidget(btnMasTarde);
    layout->addLayout(buttons);

    connect(btnAbrir, &QPushButton::clicked, this, &RecoveryWindow::AbrirClick);
    connect(btnDescartar, &QPushButton::clicked, this, &RecoveryWindow::DescartarClick);
    connect(btnMasTarde, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListaCopias, &QTableWidget::itemSelectionChanged, this, &RecoveryWindow::SelectionChanged);
    connect(ListaCopias, &QTableWidget::cellDoubleClicked, this, &RecoveryWindow::AbrirClick);
    Fill();
    resize(860, 300);
}

void RecoveryWindow::Fill() {
    ListaCopias->setRowCount(static_cast<int>(copies_.size()));
    for (int row = 0; row < static_cast<int>(copies_.size()); ++row) {
        const OrphanedCopy& copy = copies_[static_cast<std::size_t>(row)];
        const QString cells[] = {QString::fromStdString(copy.DocumentName()),
                                 QString::fromStdString(copy.DocumentFolder()), Time(copy.copy.copiedAtMs),
                                 DocumentTime(copy)};
        for (int column = 0; column < 4; ++column)
            ListaCopias->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    ListaCopias->resizeColumnsToContents();
    if (!copies_.empty()) ListaCopias->selectRow(0);
    SelectionChanged();
}

void RecoveryWindow::SelectionChanged() {
    const int row = ListaCopias->currentRow();
    const bool any = row >= 0 && row < static_cast<int>(copies_.size());
    btnAbrir->setEnabled(any);
    btnDescartar->setEnabled(any);
    const bool savedAfter = any && copies_[static_cast<std::size_t>(row)].SavedAfterCopy();
    lblAviso->setText(savedAfter ? QString::fromUtf8("Atención: %1; la copia puede tener menos que el archivo.")
                                       .arg(QString::fromUtf8(kSavedAfter))
                                 : QString());
}

void RecoveryWindow::AbrirClick() {
    const int row = ListaCopias->currentRow();
    if (row < 0 || row >= static_cast<int>(copies_.size())) return;
    chosen_ = copies_[static_cast<std::size_t>(row)];
    copies_.erase(copies_.begin() + row);
    accept();
}

void RecoveryWindow::DescartarClick() {
    const int row = ListaCopias->currentRow();
    if (row < 0 || row >= static_cast<int>(copies_.size())) return;
    discard_(copies_[static_cast<std::size_t>(row)]);
    copies_.erase(copies_.begin() + row);
    if (copies_.empty()) {
        reject();
        return;
    }
    Fill();
}
