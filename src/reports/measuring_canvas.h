#pragma once

#include "canvas.h"

// A canvas that measures on another one and draws nothing: a layout run on it tells how much
// room it would take (WrapText's height, for one) before anything is put on the page. Font
// changes reach the other canvas, whose measures they are.
class MeasuringCanvas : public Canvas {
public:
    explicit MeasuringCanvas(Canvas& canvas) : canvas_(canvas) {}

    int PageWidth() const override { return canvas_.PageWidth(); }
    int PageHeight() const override { return canvas_.PageHeight(); }
    bool BeginJob(const std::string&, std::string*) override { return true; }
    void NewPage() override {}
    bool EndJob(std::string*) override { return true; }
    void SetFontSize(int points) override { canvas_.SetFontSize(points); }
    void SetFontStyle(FontStyle style) override { canvas_.SetFontStyle(style); }
    FontStyle Style() const override { return canvas_.Style(); }
    int TextWidth(const std::string& text) override { return canvas_.TextWidth(text); }
    int TextHeight(const std::string& text) override { return canvas_.TextHeight(text); }
    void DrawText(int, int, const std::string&) override {}
    void DrawRectangle(int, int, int, int) override {}
    void FillRectangle(int, int, int, int, int) override {}
    std::optional<PictureSize> PictureSizeOf(const FilePath& file) override { return canvas_.PictureSizeOf(file); }
    void DrawPicture(int, int, int, int, const FilePath&) override {}

private:
    Canvas& canvas_;
};
