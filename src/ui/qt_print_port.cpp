#include "qt_print_port.h"

#include <QApplication>
#include <QPrinter>

#include "pdf_file_canvas.h"
#include "print_dialog.h"
#include "printer_canvas.h"
#include "text_codec.h"

QtPrintPort::QtPrintPort(PrintDialog& dialog) : dialog_(dialog) {}

QtPrintPort::~QtPrintPort() = default;

PrintPort::Choice QtPrintPort::ChoosePrinter(bool offerPrintToFile, const std::string& documentName) {
    dialog_.Prepare(offerPrintToFile, ToQt(documentName));
    if (dialog_.exec() != QDialog::Accepted) return Choice::Cancelled;
    if (dialog_.PrintToFile()) return Choice::PrintToFile;
    canvas_.reset();
    if (dialog_.PdfChosen()) {
        // Written whole or not at all, like every PDF the program writes.
        canvas_ = std::make_unique<PdfFileCanvas>(dialog_.PdfFile(), QPageLayout::Portrait);
        return Choice::Printer;
    }
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    dialog_.ConfigurePrinter(*printer_);
    canvas_ = std::make_unique<PrinterCanvas>(*printer_);
    return Choice::Printer;
}

Canvas& QtPrintPort::Printer() {
    if (!canvas_) {
        // Only reached when a command prints without asking first: the default printer.
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PreparePrinter(*printer_);
        canvas_ = std::make_unique<PrinterCanvas>(*printer_);
    }
    return *canvas_;
}

void QtPrintPort::SetBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}
