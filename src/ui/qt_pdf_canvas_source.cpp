#include "qt_pdf_canvas_source.h"

#include <QPrinter>

#include "printer_canvas.h"
#include "text_codec.h"

namespace {

// The printer comes first, so that it outlives the canvas that paints on it.
struct PdfPrinter {
    QPrinter printer{QPrinter::HighResolution};
};

class PdfFileCanvas : private PdfPrinter, public PrinterCanvas {
public:
    PdfFileCanvas(const FilePath& path, QPageLayout::Orientation orientation) : PrinterCanvas(printer) {
        PreparePdfPrinter(printer, PathToQt(path), orientation);
    }
};

}  // namespace

std::unique_ptr<Canvas> QtPdfCanvasSource::Open(const FilePath& path, Orientation orientation) {
    return std::make_unique<PdfFileCanvas>(
        path, orientation == Orientation::kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
