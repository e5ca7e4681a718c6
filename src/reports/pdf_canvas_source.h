#pragma once

#include <memory>

#include "file_path.h"

class Canvas;

// Canvases that print into PDF files (A4), for the exports that write a PDF without asking for
// a printer. The Qt layer implements it with its printer canvas; tests with a recording canvas.
class PdfCanvasSource {
public:
    enum class Orientation { kPortrait, kLandscape };

    virtual ~PdfCanvasSource() = default;
    // A canvas whose job writes the file at path. The file is created or replaced only when the
    // job ends with the whole file written (EndJob true); otherwise the old file stays.
    virtual std::unique_ptr<Canvas> Open(const FilePath& path, Orientation orientation) = 0;
};
