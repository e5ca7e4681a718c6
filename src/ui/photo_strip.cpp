#include "photo_strip.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "dialog_text.h"
#include "document_session.h"
#include "photo_adding.h"
#include "photo_session_files.h"
#include "photo_thumbnail.h"
#include "photo_viewer.h"
#include "text_codec.h"

namespace {

// Small, so that the dialogs that show the strip below their other controls still fit a
// 1366 x 768 screen.
constexpr QSize kThumbnail(64, 48);

// The file dialog's filter: every picture format this machine's Qt reads.
QString PictureFilter() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format);
    return QString::fromUtf8("Imágenes (%1);;Todos los archivos (*)").arg(patterns.join(' '));
}

QStringList LocalFiles(const QMimeData* mime) {
    QStringList files;
    if (!mime || !mime->hasUrls()) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

}  // namespace

PhotoStrip::PhotoStrip(DocumentSession& session, char kind, const PhotoList& photos, QWidget* parent)
    : QWidget(parent), session_(session), kind_(kind) {
    setObjectName("photoStrip");
    for (const Photo& photo : photos)
        entries_.push_back({photo.file, ToQt(photo.caption)});
    BuildControls();
    Connect();
    setAcceptDrops(true);
    Refill(entries_.empty() ? -1 : 0);
}

void PhotoStrip::BuildControls() {
    list_ = new QListWidget(this);
    list_->setObjectName("photoList");
    list_->setViewMode(QListView::IconMode);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(false);
    list_->setMovement(QListView::Static);
    list_->setIconSize(kThumbnail);
    list_->setGridSize(QSize(kThumbnail.width() + 24, kThumbnail.height() + 22));
    list_->setUniformItemSizes(true);
    list_->setTextElideMode(Qt::ElideRight);
    list_->setDragDropMode(QAbstractItemView::NoDragDrop);  // drops go to the strip
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setFixedHeight(list_->gridSize().height() + list_->horizontalScrollBar()->sizeHint().height() + 6);
    list_->setMinimumWidth(list_->gridSize().width() * 3);
    list_->setToolTip(QString::fromUtf8("Arrastre aquí imágenes o péguelas con Ctrl+V"));

    add_ = new QPushButton(QString::fromUtf8("Añadir fotos ..."), this);
    add_->setObjectName("photoAdd");
    remove_ = new QPushButton(QStringLiteral("Quitar"), this);
    remove_->setObjectName("photoRemove");
    auto* captionLabel = new QLabel(QStringLiteral("Pie de foto:"), this);
    caption_ = new QLineEdit(this);
    caption_->setObjectName("photoCaption");
    caption_->setMinimumWidth(caption_->fontMetrics().averageCharWidth() * 28);
    captionLabel->setBuddy(caption_);

    // The thumbnails on the left; the buttons and the caption beside them, in two rows' height.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    auto* commands = new QVBoxLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    commands->addLayout(buttons);
    commands->addWidget(captionLabel);
    commands->addWidget(caption_);
    commands->addStretch(1);
    layout->addLayout(commands);
}

void PhotoStrip::Connect() {
    connect(add_, &QPushButton::clicked, this, [this] {
        const QStringList files = QFileDialog::getOpenFileNames(this, QString::fromUtf8("Añadir fotos"),
                                                                QString(), PictureFilter());
        if (!files.isEmpty()) AddFiles(files);
    });
    connect(remove_, &QPushButton::clicked, this, &PhotoStrip::RemoveSelected);
    connect(list_, &QListWidget::itemSelectionChanged, this, &PhotoStrip::SelectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ShowLarge(list_->row(item)); });
    connect(caption_, &QLineEdit::textChanged, this, &PhotoStrip::CaptionEdited);
    // The caption field pastes text itself; anywhere else in the strip Ctrl+V pastes a picture.
    auto* paste = new QShortcut(QKeySequence::Paste, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, &PhotoStrip::Paste);
}

PhotoList PhotoStrip::Current() const {
    PhotoList photos;
    for (const Entry& entry : entries_)
        photos.push_back({entry.file, FromQt(entry.caption)});
    return photos;
}

PhotoList PhotoStrip::Photos(DialogTextReader& reader) const {
    PhotoList photos;
    for (const Entry& entry : entries_)
        photos.push_back({entry.file, reader.Line(entry.caption)});
    return photos;
}

void PhotoStrip::Finish(bool accepted) {
    std::vector<std::string> unwanted;
    for (const std::string& name : addedHere_) {
        const bool kept = accepted && std::any_of(entries_.begin(), entries_.end(),
                                                  [&](const Entry& entry) { return entry.file == name; });
        if (!kept) unwanted.push_back(name);
    }
    addedHere_.clear();
    session_.Photos().Drop(unwanted, PhotosInUse(session_));
}

void PhotoStrip::AddFiles(const QStringList& files) {
    Take(AddPhotoFiles(files, session_.Photos(), PhotosInUse(session_), kind_, entries_.size()));
}

void PhotoStrip::AddImage(const QImage& picture) {
    Take(AddPhotoImage(picture, session_.Photos(), PhotosInUse(session_), kind_, entries_.size()));
}

void PhotoStrip::Paste() {
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (mime && mime->hasImage()) {
        AddImage(qvariant_cast<QImage>(mime->imageData()));
    } else if (const QStringList files = LocalFiles(mime); !files.isEmpty()) {
        AddFiles(files);
    }
}

void PhotoStrip::Take(const PhotoAddition& addition) {
    for (const Photo& photo : addition.added) {
        entries_.push_back({photo.file, QString()});
        addedHere_.push_back(photo.file);
    }
    if (!addition.added.empty()) Refill(Count() - 1);
    if (!addition.refusals.isEmpty())
        QMessageBox::warning(window(), QStringLiteral("Fotos"), addition.refusals.join('\n'));
}

void PhotoStrip::RemoveSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= Count()) return;
    entries_.erase(entries_.begin() + row);
    Refill(std::min(row, Count() - 1));
}

void PhotoStrip::ShowLarge(int row) {
    if (row < 0 || row >= Count()) return;
    PhotoViewer viewer(session_.Photos().Folder(), Current(), row, window());
    viewer.exec();
}

void PhotoStrip::Refill(int selectRow) {
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (int row = 0; row < Count(); ++row) {
        list_->addItem(new QListWidgetItem);
        ShowItem(row);
    }
    list_->setCurrentRow(selectRow);
    SelectionChanged();
}

void PhotoStrip::ShowItem(int row) {
    const Entry& entry = entries_[row];
    QListWidgetItem* item = list_->item(row);
    const QString name = QString::fromStdString(entry.file);
    QPixmap thumbnail;
    const FilePath& folder = session_.Photos().Folder();
    if (!folder.empty()) thumbnail = PhotoThumbnail(FilePath(folder.Utf8() + "/" + entry.file), kThumbnail);
    const bool missing = thumbnail.isNull();
    item->setIcon(missing ? MissingPhotoPlaceholder(kThumbnail, name) : thumbnail);
    item->setText(entry.caption.isEmpty() ? name : entry.caption);
    item->setToolTip(missing ? QString::fromUtf8("Falta la foto %1").arg(name) : name);
    item->setData(Qt::UserRole, missing);
}

void PhotoStrip::SelectionChanged() {
    const int row = list_->currentRow();
    const bool selected = row >= 0 && row < Count();
    remove_->setEnabled(selected);
    caption_->setEnabled(selected);
    caption_->setText(selected ? entries_[row].caption : QString());
}

void PhotoStrip::CaptionEdited(const QString& text) {
    const int row = list_->currentRow();
    if (row < 0 || row >= Count()) return;
    entries_[row].caption = text;
    list_->item(row)->setText(text.isEmpty() ? QString::fromStdString(entries_[row].file) : text);
}

void PhotoStrip::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PhotoStrip::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    AddFiles(files);
}
