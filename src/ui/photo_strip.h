#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "photo_list.h"

class DialogTextReader;
class DocumentSession;
class QImage;
class QLineEdit;
class QListWidget;
class QPushButton;
struct PhotoAddition;

// The photos of a deficiency or a measure in its dialog: thumbnails with their captions, "Añadir
// fotos ..." (several files), image files dropped from the file manager, a picture pasted with
// Ctrl+V, "Quitar", the selected photo's caption, and a double click that shows the photo large.
// A photo whose file is missing shows as missing and stays in the list. Pictures are stored in
// the session's photos folder as soon as they are added; the dialog tells the strip at its end
// whether it was accepted, so that those of a cancelled dialog go again.
class PhotoStrip : public QWidget {
    Q_OBJECT
public:
    // kind: the record's kind letter ('D' or 'R'), which new photo names begin with.
    PhotoStrip(DocumentSession& session, char kind, const PhotoList& photos, QWidget* parent = nullptr);

    // The list as the dialog's "Aceptar" takes it; a caption the document cannot hold is
    // remembered by reader, which refuses it.
    PhotoList Photos(DialogTextReader& reader) const;
    // The dialog ended: the pictures added in it that its outcome does not keep are deleted.
    void Finish(bool accepted);

    // The commands, as the buttons, a drop and Ctrl+V call them.
    void AddFiles(const QStringList& files);
    void AddImage(const QImage& picture);
    void Paste();
    void RemoveSelected();
    void ShowLarge(int row);
    int Count() const { return static_cast<int>(entries_.size()); }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Entry {
        std::string file;
        QString caption;
    };
    void BuildControls();
    void Connect();
    void Take(const PhotoAddition& addition);
    void Refill(int selectRow);
    void ShowItem(int row);
    void SelectionChanged();
    void CaptionEdited(const QString& text);
    PhotoList Current() const;

    DocumentSession& session_;
    char kind_;
    std::vector<Entry> entries_;
    std::vector<std::string> addedHere_;
    QListWidget* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QLineEdit* caption_;
};
