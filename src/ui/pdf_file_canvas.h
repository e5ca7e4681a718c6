#pragma once

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "printer_canvas.h"

// The file and the writer come first, so that they outlive the canvas that paints on them.
struct PdfFileDevice {
    explicit PdfFileDevice(const QString& path) : file(path) {}
    QSaveFile file;
    QPdfWriter writer{&file};
};

// A PDF file on A4 paper, written as a whole or not at all: the pages go to a temporary file
// beside the target, which replaces the target only when the job ended with every byte
// written. A job that fails or is never ended leaves the old file as it was.
class PdfFileCanvas : private PdfFileDevice, public PrinterCanvas {
public:
    PdfFileCanvas(const QString& path, QPageLayout::Orientation orientation);
    bool BeginJob(const std::string& title, std::string* error) override;

private:
    void NameJob(const QString& title) override;
    QString Refusal() override;
    bool Finish(std::string* error) override;
};
