#include "desktop_startup.h"

#include <QMessageBox>
#include <QTimer>

#include "application_title.h"
#include "main_window.h"
#include "splash_window.h"
#include "text_codec.h"

DesktopStartupWindows::DesktopStartupWindows(const Catalogue& catalogue, TipSetting& tips,
                                             QStringList arguments)
    : catalogue_(catalogue), tips_(tips), arguments_(std::move(arguments)) {}

DesktopStartupWindows::~DesktopStartupWindows() = default;

void DesktopStartupWindows::ShowWarning(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), ToQt(text), QMessageBox::Ok);
    box.exec();
}

void DesktopStartupWindows::ShowTipWindow() {
    SplashWindow tip(tips_);
    tip.exec();
}

// Nothing is left to name here. The title the desktop shows for the program comes from its
// desktop entry, which the application's desktop file name names; that is set once, before any
// window exists (main.cpp), since Wayland matches each window to the entry when it is made.
// The message boxes take ApplicationTitle() and the help launcher finds the help by itself.
void DesktopStartupWindows::NameApplication() {}

void DesktopStartupWindows::CreateMainWindow() {
    window_ = std::make_unique<MainWindow>(catalogue_);
    window_->show();
    window_->OpenStartupDocument(arguments_);
    // Once the window shows: what a program that did not end normally left unsaved.
    QTimer::singleShot(0, window_.get(), [window = window_.get()] { window->OfferRecoveryCopies(); });
}
