#include "shipped_fonts.h"

#include <QDir>
#include <QFontDatabase>

#include "data_files.h"
#include "text_codec.h"

QStringList AddMissingFonts(const QString& folder, const QStringList& systemFamilies) {
    QStringList added;
    const QFileInfoList files = QDir(folder).entryInfoList({"*.ttf", "*.otf"}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        // A font's families are known only once it is loaded; one the system has is let go.
        const int id = QFontDatabase::addApplicationFont(file.absoluteFilePath());
        if (id < 0) continue;
        bool missing = false;
        for (const QString& family : QFontDatabase::applicationFontFamilies(id)) {
            if (systemFamilies.contains(family)) continue;
            missing = true;
            if (!added.contains(family)) added.append(family);
        }
        if (!missing) QFontDatabase::removeApplicationFont(id);
    }
    return added;
}

QStringList AddShippedFonts() {
    const QString folder = PathToQt(InstalledDataDirectory()) + "fonts";
    // Asking the system for its families takes time: not where nothing is shipped.
    if (!QDir(folder).exists()) return {};
    return AddMissingFonts(folder, QFontDatabase::families());
}
