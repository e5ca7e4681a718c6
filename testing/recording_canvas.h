#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"

// A canvas with fixed metrics that records every call: each character is widthPerPoint × size
// wide and each text heightPerPoint × size high, whatever the style. Tests check positions
// against it; the fuzzers drive the layouts through it. A picture has the size that `pictures`
// gives its path; any other cannot be read.
class RecordingCanvas : public Canvas {
public:
    struct Call {
        enum class Kind { Begin, NewPage, End, Text, Rectangle, Fill, Picture };
        Kind kind = Kind::Text;
        int page = 0;  // 1 for the first page of the job
        int x = 0;
        int y = 0;
        int right = 0;
        int bottom = 0;
        std::string text;  // the text drawn, the job title, or a picture's path
        int size = 0;
        FontStyle style = FontStyle::Regular;
        int rgb = 0;  // the colour of a fill
    };

    explicit RecordingCanvas(int pageWidth = 4800, int pageHeight = 6800, int widthPerPoint = 2,
                             int heightPerPoint = 3);

    int PageWidth() const override { return pageWidth_; }
    int PageHeight() const override { return pageHeight_; }
    bool BeginJob(const std::string& title, std::string* error) override;
    void NewPage() override;
    bool EndJob(std::string* error) override;
    void SetFontSize(int points) override { size_ = points; }
    void SetFontStyle(FontStyle style) override { style_ = style; }
    FontStyle Style() const override { return style_; }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void DrawText(int x, int y, const std::string& text) override;
    void DrawRectangle(int left, int top, int right, int bottom) override;
    void FillRectangle(int left, int top, int right, int bottom, int rgb) override;
    std::optional<PictureSize> PictureSizeOf(const FilePath& file) override;
    void DrawPicture(int left, int top, int right, int bottom, const FilePath& file) override;

    int FontSize() const { return size_; }
    int CharWidth() const { return widthPerPoint_ * size_; }
    int CharHeight() const { return heightPerPoint_ * size_; }

    // The texts drawn, in order; the rectangles drawn; the fills; the number of pages of the job.
    std::vector<Call> Texts() const;
    std::vector<Call> Rectangles() const;
    std::vector<Call> Fills() const;
    std::vector<Call> Pictures() const;
    int Pages() const { return page_; }
    // Every call of the job as one number: two jobs that draw the same have the same.
    std::uint64_t Fingerprint() const;
    // The first text drawn that equals the given one, or nullptr.
    const Call* FindText(const std::string& text) const;

    std::vector<Call> calls;
    std::map<std::string, PictureSize> pictures;  // by UTF-8 path
    bool refuseJob = false;  // BeginJob fails, as a printer that cannot be reached
    bool failEnd = false;    // EndJob fails, as a file that could not be written whole

private:
    void Record(Call call);

    int pageWidth_, pageHeight_, widthPerPoint_, heightPerPoint_;
    int size_ = 10;
    FontStyle style_ = FontStyle::Regular;
    int page_ = 0;
};
