#include "recent_files_menu.h"

#include <QAction>
#include <QMenu>
#include <QStringList>

#include "qt_settings_store.h"
#include "recent_files.h"
#include "text_codec.h"

RecentFilesMenu::RecentFilesMenu(QMenu* menu, QAction* before, QtSettingsStore& settings, QObject* parent)
    : QObject(parent), menu_(menu), before_(before), settings_(settings) {
    separator_ = new QAction(this);
    separator_->setSeparator(true);
    // Another window of the program may have added documents since this menu was last shown.
    connect(menu_, &QMenu::aboutToShow, this, &RecentFilesMenu::Refresh);
    Refresh();
}

std::vector<FilePath> RecentFilesMenu::Paths() const {
    std::vector<FilePath> paths;
    for (const QString& path : settings_.Value(setting::kRecentFiles).toStringList())
        paths.push_back(PathFromQt(path));
    return RecentFiles(paths).Paths();
}

void RecentFilesMenu::Note(const FilePath& path) {
    RecentFiles recent(Paths());
    if (recent.Note(path)) Store(recent.Paths());
}

void RecentFilesMenu::Remove(const FilePath& path) {
    RecentFiles recent(Paths());
    if (recent.Remove(path)) Store(recent.Paths());
}

void RecentFilesMenu::Store(const std::vector<FilePath>& paths) {
    QStringList stored;
    for (const FilePath& path : paths)
        stored << PathToQt(path);
    settings_.SetValue(setting::kRecentFiles, stored);
    Refresh();
}

void RecentFilesMenu::Refresh() {
    for (QAction* entry : entries_)
        delete entry;
    entries_.clear();
    const std::vector<FilePath> paths = Paths();
    // Without entries the menu is exactly as it was: the separator goes too.
    if (paths.empty()) {
        menu_->removeAction(separator_);
        return;
    }
    menu_->insertAction(before_, separator_);
    const std::vector<std::string> captions = RecentFileCaptions(paths);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString path = PathToQt(paths[i]);
        auto* entry = new QAction(QString::fromStdString(captions[i]), this);
        entry->setObjectName(QString("Reciente%1").arg(i + 1));
        entry->setToolTip(path);
        entry->setStatusTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
        menu_->insertAction(separator_, entry);
        entries_.push_back(entry);
    }
}
