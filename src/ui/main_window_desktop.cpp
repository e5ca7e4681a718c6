// The main window's desktop conveniences: the usual keyboard shortcuts, the empty caption, the
// window icon, the window's size and panel width kept between runs, and the recent documents in
// "&Archivo".
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "empty_caption.h"
#include "main_window.h"
#include "recent_files.h"
#include "recent_files_menu.h"
#include "text_codec.h"
#include "window_state_keeper.h"

namespace {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/app/kaldo-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

void MainWindow::SetUpDesktop() {
    // New, Open, Save and Print have theirs already. The others are spelt out: the standard
    // keys for them are missing on some desktops (Quit and Save As) or differ (Close is Ctrl+F4
    // on some), and these are what users of Qt programs expect everywhere.
    Guardarcomo1->setShortcut(QKeySequence("Ctrl+Shift+S"));
    Cerrar1->setShortcut(QKeySequence("Ctrl+W"));
    Salir1->setShortcut(QKeySequence("Ctrl+Q"));
    Ayuda2->setShortcut(QKeySequence(Qt::Key_F1));

    // With no document the caption is empty, and the desktop sees it so.
    new EmptyCaption(*this);
    setWindowIcon(ApplicationIcon());
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(windowIcon());

    new WindowStateKeeper(*this, *Splitter1, settings_);

    connect(recentFiles_, &RecentFilesMenu::chosen, this, [this](const QString& path) {
        // A document that has gone since leaves the list; opening it would do nothing anyway.
        if (!QFileInfo::exists(path)) {
            recentFiles_->Remove(PathFromQt(path));
            return;
        }
        commands_.LoadDocument(PathFromQt(path));
    });
}

void MainWindow::DesktopStateChanged() {
    if (!recentFiles_ || recentCheckPending_) return;
    recentCheckPending_ = true;
    QTimer::singleShot(0, this, [this] {
        recentCheckPending_ = false;
        if (const auto path = DocumentInStepWithFile(session_, PathFromQt(QDir::currentPath())))
            recentFiles_->Note(*path);
    });
}
