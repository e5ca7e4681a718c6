#include "printer_canvas.h"

#include <QColor>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "picture_scale.h"
#include "text_codec.h"

namespace {

// The layouts measure in units of a 600 dpi printer: the indent of 400 per level, margins of 10.
constexpr int kResolution = 600;
// A thin line that still shows on paper: about an eighth of a millimetre at 600 dpi.
constexpr int kPenWidth = 3;

// Control characters (tabs, stray line ends) have no glyph: they print as blanks.
QString Printable(const std::string& text) {
    QString out = ToQt(text);
    for (QChar& c : out) {
        if (c.unicode() < 0x20) c = QChar(' ');
    }
    return out;
}

}  // namespace

void PreparePrinter(QPrinter& printer) {
    printer.setResolution(kResolution);
}

void PreparePdfPrinter(QPrinter& printer, const QString& path, QPageLayout::Orientation orientation) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter);
    PreparePrinter(printer);
}

PrinterCanvas::PrinterCanvas(QPrinter& printer) : PrinterCanvas(static_cast<QPagedPaintDevice&>(printer)) {
    printer_ = &printer;
}

PrinterCanvas::PrinterCanvas(QPagedPaintDevice& device) : device_(device) {
    font_.setFamily("DejaVu Sans");
    font_.setStyleHint(QFont::SansSerif);
    // Latin text needs no shaping; without ligatures the PDF's text reads back letter by letter.
    font_.setStyleStrategy(QFont::PreferNoShaping);
    // The font's own widths, not those that the system's font engine fits to pixels, which
    // differ between Linux and Windows: a document breaks its lines alike on both.
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setPointSize(10);
}

PrinterCanvas::~PrinterCanvas() {
    if (painter_.isActive()) painter_.end();
}

int PrinterCanvas::PageWidth() const {
    return device_.width();
}

int PrinterCanvas::PageHeight() const {
    return device_.height();
}

void PrinterCanvas::NameJob(const QString& title) {
    if (printer_) printer_->setDocName(title);
}

QString PrinterCanvas::Refusal() {
    if (!printer_) return QString();
    if (printer_->outputFormat() != QPrinter::PdfFormat) return printer_->printerName();
    QFile file(printer_->outputFileName());
    const QString reason = file.open(QIODevice::Append) ? QString() : file.errorString();
    return printer_->outputFileName() + (reason.isEmpty() ? QString() : ": " + reason);
}

bool PrinterCanvas::Finish(std::string*) {
    return true;
}

bool PrinterCanvas::BeginJob(const std::string& title, std::string* error) {
    NameJob(ToQt(title));
    if (!painter_.begin(&device_)) {
        if (error) *error = FromQt(QString::fromUtf8("No se puede imprimir en ") + Refusal());
        return false;
    }
    painter_.setPen(QPen(Qt::black, kPenWidth));
    painter_.setBrush(Qt::NoBrush);
    ApplyFont();
    return true;
}

void PrinterCanvas::NewPage() {
    device_.newPage();
}

bool PrinterCanvas::EndJob(std::string* error) {
    const bool ended = painter_.end();
    const bool finished = Finish(error);
    if (ended || !finished) return finished;
    if (error) *error = FromQt(QString::fromUtf8("No se puede imprimir en ") + Refusal());
    return false;
}

void PrinterCanvas::SetFontSize(int points) {
    font_.setPointSize(points);
    ApplyFont();
}

void PrinterCanvas::SetFontStyle(FontStyle style) {
    style_ = style;
    font_.setBold(style == FontStyle::Bold);
    font_.setItalic(style == FontStyle::Italic);
    ApplyFont();
}

void PrinterCanvas::ApplyFont() {
    metrics_.reset();
    if (painter_.isActive()) painter_.setFont(font_);
}

const QFontMetricsF& PrinterCanvas::Metrics() {
    if (!metrics_) metrics_.emplace(font_, &device_);
    return *metrics_;
}

int PrinterCanvas::TextWidth(const std::string& text) {
    return qRound(Metrics().horizontalAdvance(Printable(text)));
}

int PrinterCanvas::TextHeight(const std::string&) {
    return qRound(Metrics().height());
}

void PrinterCanvas::DrawText(int x, int y, const std::string& text) {
    const qreal ascent = Metrics().ascent();
    painter_.drawText(QPointF(x, y + ascent), Printable(text));
}

void PrinterCanvas::DrawRectangle(int left, int top, int right, int bottom) {
    painter_.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
}

void PrinterCanvas::FillRectangle(int left, int top, int right, int bottom, int rgb) {
    painter_.fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)), QColor(QRgb(rgb)));
}

std::optional<PictureSize> PrinterCanvas::PictureSizeOf(const FilePath& file) {
    QImageReader reader(PathToQt(file));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    // A picture turned a quarter by its EXIF orientation is printed upright.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) return PictureSize{size.height(), size.width()};
    return PictureSize{size.width(), size.height()};
}

void PrinterCanvas::DrawPicture(int left, int top, int right, int bottom, const FilePath& file) {
    const QRectF box(QPointF(left, top), QPointF(right, bottom));
    QImage picture;
    if (const std::optional<PictureSize> size = PictureSizeOf(file)) {
        QImageReader reader(PathToQt(file));
        reader.setAutoTransform(true);
        const PictureSize pixels = PrintPixels(*size, right - left, bottom - top, device_.logicalDpiX());
        // The reader scales before it turns the picture upright.
        const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
        reader.setScaledSize(turned ? QSize(pixels.height, pixels.width) : QSize(pixels.width, pixels.height));
        picture = reader.read();
    }
    if (!picture.isNull()) {
        painter_.drawImage(box, picture);
        return;
    }
    painter_.drawRect(box);
    const qreal pad = Metrics().height() / 2;
    painter_.drawText(box.adjusted(pad, pad, -pad, -pad), Qt::AlignCenter | Qt::TextWrapAnywhere,
                      PathToQt(file.FileName()));
}
