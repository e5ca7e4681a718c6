#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <vector>

#include "file_path.h"

class QAction;
class QMenu;
class QtSettingsStore;

// The numbered entries of the documents used last, in a menu just before one of its entries.
// The list lives in the per-user settings, so every window and every later run shows the same.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The entries go just before `before`, followed by a separator of their own that is in the
    // menu only while there are entries.
    RecentFilesMenu(QMenu* menu, QAction* before, QtSettingsStore& settings, QObject* parent = nullptr);

    // Puts the document first in the list.
    void Note(const FilePath& path);
    void Remove(const FilePath& path);
    std::vector<FilePath> Paths() const;
    // Brings the entries in line with the stored list (another window may have changed it).
    void Refresh();

signals:
    // The user chose the entry of this document.
    void chosen(const QString& path);

private:
    void Store(const std::vector<FilePath>& paths);

    QMenu* menu_;
    QAction* before_;
    QtSettingsStore& settings_;
    QAction* separator_;
    std::vector<QAction*> entries_;
};
