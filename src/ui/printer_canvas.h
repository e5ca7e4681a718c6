#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <optional>

#include "canvas.h"

class QPagedPaintDevice;
class QPrinter;

// The reports' canvas on a Qt printer (a real printer or a PDF file): device units of the
// printer, font sizes in points, texts placed by their top-left corner.
class PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(QPrinter& printer);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    int PageWidth() const override;
    int PageHeight() const override;
    bool BeginJob(const std::string& title, std::string* error) override;
    void NewPage() override;
    bool EndJob(std::string* error) override;
    void SetFontSize(int points) override;
    void SetFontStyle(FontStyle style) override;
    FontStyle Style() const override { return style_; }
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void DrawText(int x, int y, const std::string& text) override;
    void DrawRectangle(int left, int top, int right, int bottom) override;
    void FillRectangle(int left, int top, int right, int bottom, int rgb) override;
    std::optional<PictureSize> PictureSizeOf(const FilePath& file) override;
    // Decoded straight at about 150 dpi of its printed size, so that a PDF holds a small picture.
    void DrawPicture(int left, int top, int right, int bottom, const FilePath& file) override;

protected:
    // A canvas on another paged device (a PDF writer), which names the job, explains a refusal
    // and checks the finished output through the three calls below.
    explicit PrinterCanvas(QPagedPaintDevice& device);
    virtual void NameJob(const QString& title);
    // Why the painter could not begin, in the user's words.
    virtual QString Refusal();
    // After the painter has ended: false, with the reason, when the output is not whole.
    virtual bool Finish(std::string* error);

private:
    void ApplyFont();
    // The font's measurements on the printer, made once for each font.
    const QFontMetricsF& Metrics();

    QPagedPaintDevice& device_;
    QPrinter* printer_ = nullptr;  // when the device is a printer
    QPainter painter_;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    FontStyle style_ = FontStyle::Regular;
};

// Prepares a printer for the reports: the resolution their layout was made for.
void PreparePrinter(QPrinter& printer);
// Prepares a printer to write a PDF file on A4 paper, with margins like a real printer's.
void PreparePdfPrinter(QPrinter& printer, const QString& path,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait);
