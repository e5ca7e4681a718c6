#include "help_launcher.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QUrl>
#include <QWidget>

#include "cp1252.h"
#include "data_files.h"
#include "help_pages.h"
#include "help_topics.h"
#include "program_for_file.h"
#include "help_window.h"
#include "text_codec.h"
#include "user_port.h"

namespace {

// The type of the file and every type it is a kind of, as the desktop's lists name them.
std::vector<std::string> TypesOf(const FilePath& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(PathToQt(path));
    QStringList names = QStringList{type.name()} + type.aliases() + type.allAncestors();
    names.removeAll("application/octet-stream");  // any file at all: no program really reads it
    std::vector<std::string> out;
    for (const QString& name : names)
        out.push_back(name.toStdString());
    return out;
}

}  // namespace

void OpenWithDesktopOrSay(const FilePath& name, UserPort& port) {
    const std::optional<FilePath> path = DocumentationFile(name);
    if (!path) {
        port.ShowMessage(W("No se encuentra el archivo ") + cp1252::FromUtf8(name.Utf8()) +
                         W(" ni en la carpeta de trabajo ni en ") +
                         cp1252::FromUtf8(InstalledDataDirectory().Utf8()));
        return;
    }
    if (!ProgramOpens(*path, TypesOf(*path)) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(*path)))) {
        port.ShowMessage(W("Ningún programa del escritorio abre el archivo ") +
                         cp1252::FromUtf8(path->Utf8()) + W(". Puede abrirlo con el programa que prefiera."));
    }
}

HelpLauncher::HelpLauncher(QWidget& mainWindow, UserPort& port)
    : QObject(&mainWindow), mainWindow_(mainWindow), port_(port) {
    qApp->installEventFilter(this);
}

void HelpLauncher::Show(const std::string& topic, QWidget* over) {
    const std::optional<FilePath> folder = help::HelpFolder();
    if (!folder) {
        OpenWithDesktopOrSay(FilePath("kaldo31.chm"), port_);
        return;
    }
    HelpWindow* window = nullptr;
    if (!over || over == &mainWindow_ || !over->isModal()) {
        if (!mainHelp_) mainHelp_ = new HelpWindow(*folder, &mainWindow_);
        window = mainHelp_;
    } else {
        // A child of the modal dialog, so that the dialog's modality does not block it; the
        // dialog's next F1 uses it again.
        window = over->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!window) {
            window = new HelpWindow(*folder, over);
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    window->ShowTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
}

bool HelpLauncher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    // The main window's F1 is "&Ayuda"; the help window has nothing to add.
    if (window == &mainWindow_ || qobject_cast<HelpWindow*>(window)) return false;
    Show(help::TopicOf(window->objectName().toStdString()), window);
    return true;
}

HelpWindow* HelpLauncher::MainHelpWindow() const {
    return mainHelp_;
}
