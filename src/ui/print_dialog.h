#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

// The print dialog (PrintDialog1): the system's printers and a PDF file as destinations, and
// the print-to-file box with which the branch report is written to "Informe.txt" instead.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintDialog(QWidget* parent = nullptr);

    // Readies the dialog for one use: whether the print-to-file box is offered, and the name
    // of what is printed, from which a PDF file name is proposed.
    void Prepare(bool offerPrintToFile, const QString& documentName);
    bool PrintToFile() const;
    bool PdfChosen() const;
    QString PdfFile() const;
    // Points the printer at the chosen destination.
    void ConfigurePrinter(QPrinter& printer) const;

    void accept() override;

private:
    void UpdateControls();
    void BrowsePdf();
    // True when the PDF file can be written; otherwise the system's reason is shown.
    bool PdfWritable();

    // Controls by their names (also their object names).
    QComboBox* cmbImpresora;
    QLabel* lblArchivo;
    QLineEdit* edtArchivo;
    QPushButton* btnArchivo;
    QCheckBox* chkArchivo;
    QPushButton* OKBtn;

    bool offerPrintToFile_ = true;
    QString pdfFolder_;
    QString documentName_;
};
