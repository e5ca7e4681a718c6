#pragma once

#include <memory>

#include "print_port.h"

class PrintDialog;
class PrinterCanvas;
class QPrinter;

// The print dialog of the main window and the printer it chooses; the busy pointer.
class QtPrintPort : public PrintPort {
public:
    explicit QtPrintPort(PrintDialog& dialog);
    ~QtPrintPort() override;

    Choice ChoosePrinter(bool offerPrintToFile, const std::string& documentName) override;
    Canvas& Printer() override;
    void SetBusy(bool busy) override;

private:
    PrintDialog& dialog_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterCanvas> canvas_;
};
