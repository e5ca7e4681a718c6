#include "desktop_startup.h"

#include <QApplication>
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

void DesktopStartupWindows::NameApplication() {
    qApp->setProperty("applicationTitle", ApplicationTitle());
    QGuiApplication::setDesktopFileName("kaldo");
    // The help file's name, kept with the application as the platform's help viewer expects it.
    qApp->setProperty("helpFile", "KALDO31.chm");
}

void DesktopStartupWindows::CreateMainWindow() {
    window_ = std::make_unique<MainWindow>(catalogue_);
    window_->show();
    window_->OpenStartupDocument(arguments_);
    // Once the window shows: what a program that did not end normally left unsaved.
    QTimer::singleShot(0, window_.get(), [window = window_.get()] { window->OfferRecoveryCopies(); });
}
