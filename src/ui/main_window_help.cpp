// The main window's help commands: the help, the manual, the tip window and the about box.
#include "about_box.h"
#include "help_launcher.h"
#include "main_window.h"
#include "splash_window.h"
#include "tip_setting.h"

void MainWindow::SetUpHelp() {
    help_ = new HelpLauncher(*this, port_);
}

void MainWindow::Ayuda2Click() {
    help_->Show({});
}

void MainWindow::Manual1Click() {
    OpenWithDesktopOrSay(FilePath("manual.rtf"), port_);
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
