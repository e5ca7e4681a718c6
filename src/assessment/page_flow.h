#pragma once

#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

#include "canvas.h"
#include "file_path.h"

// The running text of a long printout: a cursor that goes down the body of the page, texts
// wrapped by words inside it, and a new page whenever the next line does not fit. Everything is
// drawn through it, so that a block can be measured before it is drawn (KeepTogether).
class PageFlow {
public:
    struct Body {
        int left = 0;
        int right = 0;
        int top = 0;
        int bottom = 0;
    };

    PageFlow(Canvas& canvas, Body body);

    Canvas& canvas() { return canvas_; }
    const Body& body() const { return body_; }
    int Width() const { return body_.right - body_.left; }
    int Y() const { return y_; }
    // After something drawn on the canvas directly (a table): the cursor goes below it.
    void MoveTo(int y);
    bool Measuring() const { return measuring_; }

    // The font of what follows, and the height of its lines.
    void Font(int points, FontStyle style);
    int FontPoints() const { return size_; }
    int LineHeight() const { return lineHeight_; }

    void NewPage();
    // Makes room for something of the given height: a new page when it does not fit below the
    // cursor, unless the page holds nothing yet.
    void Need(int height);
    // Room of the given height for what the caller draws there (a row of pictures): a new page
    // first when it does not fit below the cursor. Its top; the cursor goes below it.
    int Reserve(int height);
    // Moves the cursor down; a gap that reaches the foot of the page is dropped.
    void Gap(int height);

    // A text's lines within a width, in the current font: at its own line breaks, then by words
    // (a word wider than the width at a syllable, with a hyphen). Never empty.
    std::vector<std::string> Wrap(const std::string& text, int width);
    // The text wrapped within the width from x, line after line; returns its number of lines.
    int Text(const std::string& text, int x, int width);
    // A bold label at x and the value wrapped beside it, from x + labelWidth to the right edge.
    void Field(const std::string& label, const std::string& value, int x, int labelWidth);

    // What is drawn at a given place, in the current font (not when measuring).
    void DrawText(int x, int y, const std::string& text);
    void DrawRectangle(int left, int top, int right, int bottom);
    void FillRectangle(int left, int top, int right, int bottom, int rgb);
    void DrawPicture(int left, int top, int right, int bottom, const FilePath& file);

    // Draws the block on one page when it fits on one: measured first (nothing drawn), then
    // drawn after Need of its height. A block taller than a page runs on as it comes.
    void KeepTogether(const std::function<void()>& block);

    // Called at the top of every new page, e.g. to repeat a heading there.
    void OnNewPage(std::function<void()> action) { onNewPage_ = std::move(action); }
    // A coloured strip left of every line drawn from now on (a deficiency's level), or none.
    void SetMarker(std::optional<int> rgb, int x = 0, int width = 0);

private:
    // The next line: its top, after a new page when it would not fit.
    int LineTop() { return Reserve(lineHeight_); }

    Canvas& canvas_;
    Body body_;
    int y_;
    int lineHeight_ = 0;
    int size_ = 0;
    bool measuring_ = false;
    // While a block is kept together: the lines of each text wrapped in it, by text, width and font.
    using WrapKey = std::tuple<std::string, int, int, FontStyle>;
    bool keeping_ = false;
    std::map<WrapKey, std::vector<std::string>> wraps_;
    bool pageEmpty_ = true;
    std::function<void()> onNewPage_;
    std::optional<int> marker_;
    int markerX_ = 0, markerWidth_ = 0;
};
