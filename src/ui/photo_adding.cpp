#include "photo_adding.h"

#include <QFileInfo>
#include <functional>

#include "photo_import.h"
#include "photo_session_files.h"
#include "text_codec.h"

namespace {

QString LimitMessage(const QStringList& left) {
    return QString::fromUtf8("Una deficiencia o una medida tiene como mucho %1 fotos: no se ha añadido %2.")
        .arg(kMaxPhotosPerRecord)
        .arg(left.join(", "));
}

// Stores one picture under a fresh name of the session's folder with store; the photo, or the
// refusal in addition.
void AddOne(const std::function<std::optional<QString>(const FilePath&)>& store, PhotoSessionFiles& files,
            const std::set<std::string>& inUse, char kind, PhotoAddition& addition) {
    std::string error;
    const FilePath folder = files.FolderForAdding(&error);
    if (folder.empty()) {
        addition.refusals << QString::fromUtf8("No se puede crear la carpeta de las fotos: %1")
                                 .arg(QString::fromStdString(error));
        return;
    }
    const std::string name = files.NewName(kind, inUse);
    if (const std::optional<QString> refusal = store(FilePath(folder.Utf8() + "/" + name))) {
        addition.refusals << *refusal;
        return;
    }
    files.Added(name);
    addition.added.push_back({name, ""});
}

}  // namespace

PhotoAddition AddPhotoFiles(const QStringList& pictures, PhotoSessionFiles& files,
                            const std::set<std::string>& inUse, char kind, std::size_t held) {
    PhotoAddition addition;
    QStringList left;
    for (const QString& picture : pictures) {
        if (held + addition.added.size() >= kMaxPhotosPerRecord) {
            left << QFileInfo(picture).fileName();
            continue;
        }
        const FilePath source = PathFromQt(picture);
        AddOne([&](const FilePath& target) { return ImportPhoto(source, target); }, files, inUse, kind, addition);
    }
    if (!left.isEmpty()) addition.refusals << LimitMessage(left);
    return addition;
}

PhotoAddition AddPhotoImage(const QImage& picture, PhotoSessionFiles& files, const std::set<std::string>& inUse,
                            char kind, std::size_t held) {
    PhotoAddition addition;
    if (held >= kMaxPhotosPerRecord) {
        addition.refusals << LimitMessage({QString::fromUtf8("la imagen pegada")});
        return addition;
    }
    AddOne([&](const FilePath& target) { return StorePhoto(picture, target); }, files, inUse, kind, addition);
    return addition;
}
