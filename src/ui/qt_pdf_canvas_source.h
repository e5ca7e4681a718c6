#pragma once

#include "pdf_canvas_source.h"

// PDF files on A4 paper through the printer canvas, as "--imprimir-pdf" writes them.
class QtPdfCanvasSource : public PdfCanvasSource {
public:
    std::unique_ptr<Canvas> Open(const FilePath& path, Orientation orientation) override;
};
