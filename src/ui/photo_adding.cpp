#include "photo_adding.h"

#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "photo_import.h"
#include "photo_session_files.h"
#include "text_codec.h"

namespace {

QString LimitMessage(const QStringList& left) {
    return QString::fromUtf8("Una deficiencia o una medida tiene como mucho %1 fotos: no se ha añadido %2.")
        .arg(kMaxPhotosPerRecord)
        .arg(left.join(", "));
}

QString FolderRefusal(const std::string& utf8Error) {
    return QString::fromUtf8("No se puede crear la carpeta de las fotos: %1")
        .arg(QString::fromStdString(utf8Error));
}

// One picture to store as a photo, and what came of it.
struct Import {
    FilePath source;
    FilePath target;
    std::string name;
    std::optional<QString> refusal;
};

// Reading, turning, scaling and writing a camera's picture takes a good part of a second: the
// pictures of a selection are stored side by side, one thread for each processor.
void ImportAll(std::vector<Import>& imports) {
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
        for (std::size_t k = next++; k < imports.size(); k = next++)
            imports[k].refusal = ImportPhoto(imports[k].source, imports[k].target);
    };
    const std::size_t threads =
        std::min<std::size_t>(imports.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}

}  // namespace

PhotoAddition AddPhotoFiles(const QStringList& pictures, PhotoSessionFiles& files,
                            const std::set<std::string>& inUse, char kind, std::size_t held) {
    PhotoAddition addition;
    std::string error;
    const FilePath folder = files.FolderForAdding(&error);
    if (folder.empty()) {
        addition.refusals << FolderRefusal(error);
        return addition;
    }
    // Each round stores as many pictures as the record has room for; one refused leaves its room
    // to the next picture of the selection.
    QStringList pending = pictures;
    while (!pending.isEmpty() && held + addition.added.size() < kMaxPhotosPerRecord) {
        const std::size_t room = kMaxPhotosPerRecord - held - addition.added.size();
        std::vector<Import> round;
        std::set<std::string> taken = inUse;
        while (!pending.isEmpty() && round.size() < room) {
            const std::string name = files.NewName(kind, taken);
            taken.insert(name);
            round.push_back(
                {PathFromQt(pending.takeFirst()), FilePath(folder.Utf8() + "/" + name), name, {}});
        }
        ImportAll(round);
        for (const Import& import : round) {
            if (import.refusal) {
                addition.refusals << *import.refusal;
            } else {
                files.Added(import.name);
                addition.added.push_back({import.name, ""});
            }
        }
    }
    QStringList left;
    for (const QString& picture : pending)
        left << QFileInfo(picture).fileName();
    if (!left.isEmpty()) addition.refusals << LimitMessage(left);
    return addition;
}

PhotoAddition AddPhotoImage(const QImage& picture, PhotoSessionFiles& files,
                            const std::set<std::string>& inUse, char kind, std::size_t held) {
    PhotoAddition addition;
    if (held >= kMaxPhotosPerRecord) {
        addition.refusals << LimitMessage({QString::fromUtf8("la imagen pegada")});
        return addition;
    }
    std::string error;
    const FilePath folder = files.FolderForAdding(&error);
    if (folder.empty()) {
        addition.refusals << FolderRefusal(error);
        return addition;
    }
    const std::string name = files.NewName(kind, inUse);
    if (const std::optional<QString> refusal = StorePhoto(picture, FilePath(folder.Utf8() + "/" + name))) {
        addition.refusals << *refusal;
        return addition;
    }
    files.Added(name);
    addition.added.push_back({name, ""});
    return addition;
}
