#include "qt_pdf_canvas_source.h"

#include "pdf_file_canvas.h"
#include "text_codec.h"

std::unique_ptr<Canvas> QtPdfCanvasSource::Open(const FilePath& path, Orientation orientation) {
    return std::make_unique<PdfFileCanvas>(
        PathToQt(path), orientation == Orientation::kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
