#pragma once

#include <string>

class Canvas;

// The print dialog and the printer it chooses, as the report commands see them. The window
// implements it with its print dialog and the system's printers; tests with a script.
class PrintPort {
public:
    enum class Choice {
        Cancelled,
        Printer,      // print on the chosen printer
        PrintToFile,  // the print-to-file box was ticked
    };

    virtual ~PrintPort() = default;

    // Shows the print dialog; the print-to-file box only when offered. documentName names what
    // is printed (e.g. "Informe"), for a file name the dialog may propose.
    virtual Choice ChoosePrinter(bool offerPrintToFile, const std::string& documentName) = 0;
    // The canvas of the printer chosen last, for one job.
    virtual Canvas& Printer() = 0;
    // The busy pointer while a printout is produced.
    virtual void SetBusy(bool busy) = 0;
};

// The busy pointer for the length of a printout, also when it ends early.
class BusyPointer {
public:
    explicit BusyPointer(PrintPort& printer) : printer_(printer) { printer_.SetBusy(true); }
    ~BusyPointer() { printer_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    PrintPort& printer_;
};
