#pragma once

#include <optional>
#include <string>

#include "file_path.h"

// A picture's size in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// The style of the canvas font: one of regular, bold or italic at a time.
enum class FontStyle { Regular, Bold, Italic };

// A printer page as the reports see it: device units, x to the right and y downwards, texts
// drawn with their top-left corner at the given point. Texts are Windows-1252 bytes.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    // Starts a job on its first page; false (with the reason in *error) when the printer refuses.
    virtual bool BeginJob(const std::string& title, std::string* error) = 0;
    // Ends the current page and starts the next one.
    virtual void NewPage() = 0;
    // Ends the job; false (with the reason in *error) when its output could not be written whole.
    virtual bool EndJob(std::string* error) = 0;

    virtual void SetFontSize(int points) = 0;
    virtual void SetFontStyle(FontStyle style) = 0;
    virtual FontStyle Style() const = 0;

    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual void DrawText(int x, int y, const std::string& text) = 0;
    // The outline of the rectangle between two corners.
    virtual void DrawRectangle(int left, int top, int right, int bottom) = 0;
    // The rectangle between two corners filled with a colour (0xRRGGBB), without outline.
    virtual void FillRectangle(int left, int top, int right, int bottom, int rgb) = 0;

    // The size of the picture in a file, read from its header; nothing when it cannot be read.
    virtual std::optional<PictureSize> PictureSizeOf(const FilePath& file) = 0;
    // The picture in a file stretched into the rectangle (the layout gives it the picture's
    // proportions). One that cannot be read is drawn as a frame with the file's name: a picture
    // never stops a job.
    virtual void DrawPicture(int left, int top, int right, int bottom, const FilePath& file) = 0;
};
