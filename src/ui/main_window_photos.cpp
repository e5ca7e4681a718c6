// The information panel's photo: the first one of the selected deficiency or measure.
#include "info_panel.h"
#include "main_window.h"
#include "photo_list.h"
#include "photo_thumbnail.h"

void MainWindow::ShowSelectedPhoto() {
    const std::string name = FirstPhotoName(session_.SelectedRecord());
    if (name.empty()) {
        Panel1->ShowPhoto(QPixmap(), QString());
        return;
    }
    const QSize box = Panel1->PhotoBox();
    const FilePath& folder = session_.Photos().Folder();
    QPixmap thumbnail =
        folder.empty() ? QPixmap() : PhotoThumbnail(FilePath(folder.Utf8() + "/" + name), box);
    const QString file = QString::fromStdString(name);
    if (thumbnail.isNull()) {
        Panel1->ShowPhoto(MissingPhotoPlaceholder(box, file), QString::fromUtf8("Falta la foto %1").arg(file));
    } else {
        Panel1->ShowPhoto(thumbnail, file);
    }
}
