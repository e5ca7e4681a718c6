#include "photo_viewer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "text_codec.h"

// The photo scaled to fit the widget, centred; the file's name when it cannot be shown.
class PhotoView : public QWidget {
public:
    explicit PhotoView(QWidget* parent) : QWidget(parent) {
        setObjectName("photoView");
        setMinimumSize(320, 240);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void SetPhoto(const QImage& image, const QString& absence) {
        image_ = image;
        absence_ = absence;
        update();
    }
    const QImage& Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(48, 48, 48));
        if (image_.isNull()) {
            painter.setPen(Qt::white);
            painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, absence_);
            return;
        }
        QSize size = image_.size();
        if (size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
    }

private:
    QImage image_;
    QString absence_;
};

PhotoViewer::PhotoViewer(const FilePath& folder, const PhotoList& photos, int index, QWidget* parent)
    : QDialog(parent), folder_(folder), photos_(photos) {
    setObjectName("photoViewer");
    setWindowTitle(QStringLiteral("Fotos"));
    setSizeGripEnabled(true);
    view_ = new PhotoView(this);
    caption_ = new QLabel(this);
    caption_->setObjectName("photoCaption");
    caption_->setWordWrap(true);
    caption_->setTextFormat(Qt::PlainText);
    counter_ = new QLabel(this);
    counter_->setObjectName("photoCounter");
    previous_ = new QPushButton(QStringLiteral("< Anterior"), this);
    previous_->setObjectName("photoPrevious");
    next_ = new QPushButton(QStringLiteral("Siguiente >"), this);
    next_->setObjectName("photoNext");
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    // The keys move between photos wherever the focus is; the buttons do not take it.
    for (QPushButton* button : {previous_, next_, close})
        button->setFocusPolicy(Qt::NoFocus);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption_, 1);
    bottom->addWidget(counter_);
    bottom->addSpacing(12);
    bottom->addWidget(previous_);
    bottom->addWidget(next_);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);

    connect(previous_, &QPushButton::clicked, this, &PhotoViewer::Previous);
    connect(next_, &QPushButton::clicked, this, &PhotoViewer::Next);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    for (QKeySequence key : {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &PhotoViewer::Previous);
    for (QKeySequence key : {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &PhotoViewer::Next);

    // Large, but within the screen: ScreenFit keeps it there on smaller screens.
    resize(880, 640);
    Show(index);
}

void PhotoViewer::Show(int index) {
    const int count = static_cast<int>(photos_.size());
    if (index < 0 || index >= count || index == index_) return;
    index_ = index;
    const Photo& photo = photos_[index];
    const QString name = QString::fromStdString(photo.file);
    QImageReader reader(PathToQt(FilePath(folder_.Utf8() + "/" + photo.file)));
    reader.setAutoTransform(true);
    view_->SetPhoto(reader.read(), QString::fromUtf8("Falta la foto %1").arg(name));
    caption_->setText(photo.caption.empty() ? name : ToQt(photo.caption));
    counter_->setText(QStringLiteral("%1 de %2").arg(index + 1).arg(count));
    previous_->setEnabled(index > 0);
    next_->setEnabled(index + 1 < count);
}
