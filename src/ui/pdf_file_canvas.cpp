#include "pdf_file_canvas.h"

#include <QMarginsF>
#include <QPageSize>

#include "text_codec.h"

namespace {

// The layouts measure in units of a 600 dpi printer, as on paper.
constexpr int kResolution = 600;

}  // namespace

PdfFileCanvas::PdfFileCanvas(const QString& path, QPageLayout::Orientation orientation)
    : PdfFileDevice(path), PrinterCanvas(static_cast<QPagedPaintDevice&>(writer)) {
    writer.setResolution(kResolution);
    writer.setCreator("KALDO");
    // The margins a real printer leaves, so that the file prints as it shows.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(8, 8, 8, 8),
                                     QPageLayout::Millimeter));
}

bool PdfFileCanvas::BeginJob(const std::string& title, std::string* error) {
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = FromQt(QString::fromUtf8("No se puede imprimir en ") + Refusal());
        return false;
    }
    return PrinterCanvas::BeginJob(title, error);
}

void PdfFileCanvas::NameJob(const QString& title) {
    writer.setTitle(title);
}

QString PdfFileCanvas::Refusal() {
    return file.fileName() + ": " + file.errorString();
}

bool PdfFileCanvas::Finish(std::string* error) {
    // A write that failed on the way (a full disk, a size limit) is remembered by the file, whose
    // commit then refuses to put an incomplete file in the target's place and tells why.
    if (file.commit()) return true;
    if (error) *error = FromQt(file.fileName() + ": " + file.errorString());
    return false;
}
