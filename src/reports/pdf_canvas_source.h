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
    // A canvas whose job writes the file at path, created or replaced when the job begins.
    virtual std::unique_ptr<Canvas> Open(const FilePath& path, Orientation orientation) = 0;
};
