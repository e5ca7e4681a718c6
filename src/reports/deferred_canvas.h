#pragma once

#include <string>
#include <vector>

#include "canvas.h"

// A canvas that measures on another one and keeps what is drawn on it, page by page, to draw it
// there later: a layout that must know how many pages it takes before it draws its first one
// ("Página 1 de 12") is laid out here, then each page is drawn on the real canvas with its frame.
// Font changes reach the other canvas, whose measures they are.
class DeferredCanvas : public Canvas {
public:
    explicit DeferredCanvas(Canvas& target) : target_(target) {}

    int PageWidth() const override { return target_.PageWidth(); }
    int PageHeight() const override { return target_.PageHeight(); }
    // Starts the first page; the other canvas's job is its owner's to begin.
    bool BeginJob(const std::string& title, std::string* error) override;
    void NewPage() override;
    bool EndJob(std::string*) override { return true; }
    void SetFontSize(int points) override;
    void SetFontStyle(FontStyle style) override;
    FontStyle Style() const override { return target_.Style(); }
    int TextWidth(const std::string& text) override { return target_.TextWidth(text); }
    int TextHeight(const std::string& text) override { return target_.TextHeight(text); }
    void DrawText(int x, int y, const std::string& text) override;
    void DrawRectangle(int left, int top, int right, int bottom) override;
    void FillRectangle(int left, int top, int right, int bottom, int rgb) override;
    std::optional<PictureSize> PictureSizeOf(const FilePath& file) override { return target_.PictureSizeOf(file); }
    void DrawPicture(int left, int top, int right, int bottom, const FilePath& file) override;

    int Pages() const { return static_cast<int>(pages_.size()); }
    // Draws what the page (from 0) holds on the other canvas, each text in its font.
    void Replay(int page);

private:
    struct Drawing {
        enum class Kind { kText, kRectangle, kFill, kPicture } kind;
        int left, top, right, bottom;
        int rgb;   // a fill's colour
        int size;  // a text's font size and style
        FontStyle style;
        std::string text;  // a text's bytes, a picture's path
    };

    std::vector<Drawing>& Page();

    Canvas& target_;
    std::vector<std::vector<Drawing>> pages_;
    int size_ = 0;
};
