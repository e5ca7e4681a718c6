#include "print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "named_controls.h"
#include "printer_canvas.h"

namespace {

// The destination entry that writes a PDF file; printers carry their system name as data.
const char* const kPdfEntry = "Archivo PDF";

}  // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent), pdfFolder_(QDir::currentPath()) {
    setObjectName("PrintDialog1");
    setWindowTitle("Imprimir");

    auto* printerBox = new QGroupBox("Impresora", this);
    cmbImpresora = new QComboBox(printerBox);
    cmbImpresora->setObjectName("cmbImpresora");
    cmbImpresora->setMinimumContentsLength(28);
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        const QString label = info.description().isEmpty() ? info.printerName() : info.description();
        cmbImpresora->addItem(label, info.printerName());
    }
    cmbImpresora->addItem(QString::fromUtf8(kPdfEntry), QString());
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    const int standardRow = standard.isNull() ? -1 : cmbImpresora->findData(standard.printerName());
    cmbImpresora->setCurrentIndex(standardRow >= 0 ? standardRow : cmbImpresora->count() - 1);

    lblArchivo = new QLabel("Archivo:", printerBox);
    edtArchivo = new QLineEdit(printerBox);
    edtArchivo->setObjectName("edtArchivo");
    btnArchivo = new QPushButton("...", printerBox);
    btnArchivo->setObjectName("btnArchivo");
    btnArchivo->setFixedWidth(32);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edtArchivo);
    fileRow->addWidget(btnArchivo);
    auto* form = new QFormLayout(printerBox);
    form->addRow("Nombre:", cmbImpresora);
    form->addRow(lblArchivo, fileRow);

    chkArchivo = new QCheckBox("Imprimir a archivo", this);
    chkArchivo->setObjectName("chkArchivo");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkArchivo);
    OKBtn = AddOkCancelButtons(*this, *buttons, {"OKBtn", "Aceptar"}, {"CancelBtn", "Cancelar"}, false).ok;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(buttons);

    connect(btnArchivo, &QPushButton::clicked, this, &PrintDialog::BrowsePdf);
    connect(cmbImpresora, &QComboBox::currentIndexChanged, this, &PrintDialog::UpdateControls);
    connect(chkArchivo, &QCheckBox::toggled, this, &PrintDialog::UpdateControls);
    connect(edtArchivo, &QLineEdit::textChanged, this, &PrintDialog::UpdateControls);
    UpdateControls();
}

void PrintDialog::Prepare(bool offerPrintToFile, const QString& documentName) {
    offerPrintToFile_ = offerPrintToFile;
    chkArchivo->setVisible(offerPrintToFile);
    if (!offerPrintToFile) chkArchivo->setChecked(false);
    // A new kind of printout proposes its own file name, in the folder chosen last.
    if (documentName != documentName_ || edtArchivo->text().isEmpty()) {
        documentName_ = documentName;
        edtArchivo->setText(QDir(pdfFolder_).filePath(documentName + ".pdf"));
    }
    UpdateControls();
    OKBtn->setFocus();
}

bool PrintDialog::PrintToFile() const {
    return offerPrintToFile_ && chkArchivo->isChecked();
}

bool PrintDialog::PdfChosen() const {
    return cmbImpresora->currentData().toString().isEmpty();
}

QString PrintDialog::PdfFile() const {
    QString path = edtArchivo->text().trimmed();
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    return path;
}

void PrintDialog::ConfigurePrinter(QPrinter& printer) const {
    if (PdfChosen()) {
        PreparePdfPrinter(printer, PdfFile());
    } else {
        printer.setPrinterName(cmbImpresora->currentData().toString());
        PreparePrinter(printer);
    }
}

void PrintDialog::UpdateControls() {
    // With the box ticked the branch goes to "Informe.txt": no printer is involved.
    const bool printing = !PrintToFile();
    cmbImpresora->setEnabled(printing);
    const bool pdf = printing && PdfChosen();
    lblArchivo->setEnabled(pdf);
    edtArchivo->setEnabled(pdf);
    btnArchivo->setEnabled(pdf);
    OKBtn->setEnabled(!pdf || !edtArchivo->text().trimmed().isEmpty());
}

void PrintDialog::BrowsePdf() {
    QFileDialog dialog(this, QString(), edtArchivo->text(), "Archivos PDF (*.pdf)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    edtArchivo->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

bool PrintDialog::PdfWritable() {
    const QString path = PdfFile();
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        QMessageBox::critical(this, windowTitle(), path + ": " + file.errorString());
        return false;
    }
    file.close();
    if (!existed) file.remove();
    return true;
}

void PrintDialog::accept() {
    if (!PrintToFile() && PdfChosen()) {
        if (!PdfWritable()) return;
        pdfFolder_ = QFileInfo(PdfFile()).absolutePath();
    }
    QDialog::accept();
}
