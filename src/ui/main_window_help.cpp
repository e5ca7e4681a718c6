// The main window's help commands: the help file, the manual, the tip window and the about box.
#include <QDesktopServices>
#include <QUrl>

#include "about_box.h"
#include "data_files.h"
#include "main_window.h"
#include "splash_window.h"
#include "text_codec.h"
#include "tip_setting.h"

namespace {

// Hands the file to the desktop's associated application; a missing file does nothing, and
// what the desktop answers is not reported.
void OpenWithDesktop(const FilePath& name) {
    if (const std::optional<FilePath> path = DocumentationFile(name))
        QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQt(*path)));
}

}  // namespace

void MainWindow::Ayuda2Click() {
    OpenWithDesktop(FilePath("kaldo31.chm"));
}

void MainWindow::Manual1Click() {
    OpenWithDesktop(FilePath("manual.rtf"));
}

void MainWindow::VerSugerencia1Click() {
    TipSetting setting(settings_);
    setting.TipRequested();
    SplashWindow tip(setting, this);
    tip.exec();
}

void MainWindow::Acercade1Click() {
    AboutBox about(this);
    about.exec();
}
