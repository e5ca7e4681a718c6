// The kaldo program: the desktop application, or with an option the headless mode that checks,
// converts and prints documents without a window.

#include <libintl.h>
#include <QApplication>
#include <clocale>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "command_line.h"
#include "console_port.h"
#include "cp1252.h"
#include "data_files.h"
#include "desktop_startup.h"
#include "qt_dates.h"
#include "qt_settings_store.h"
#include "qt_spanish.h"
#include "qt_user_port.h"
#include "scratch_file.h"
#include "settings_store.h"
#include "startup.h"
#include "tip_setting.h"

namespace {

// The system's error texts in the user's language (LC_ALL, LC_MESSAGES, LANG), in UTF-8 like
// all of the headless mode's output. Only the messages: dates and numbers keep their rules.
void SpeakTheUsersLanguage() {
    std::setlocale(LC_MESSAGES, "");
    ::bind_textdomain_codeset("libc", "UTF-8");
}

int RunHeadlessMode(const std::vector<std::string>& arguments) {
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        PrintUsage(std::cout);
        return exit_status::kOk;
    }
    SpeakTheUsersLanguage();
    ConsolePort port(std::cerr);
    Catalogue catalogue;
    if (const std::optional<std::string> failure =
            LoadStartupCatalogue(catalogue, ShippedFile(FilePath("C31.TXT")), port)) {
        std::cerr << cp1252::ToUtf8(*failure) << '\n';
        return exit_status::kNoCatalogue;
    }
    QtDates dates;
    HeadlessContext context{std::cout, std::cerr, port, dates, catalogue};
    return RunHeadless(arguments, context);
}

int RunDesktop(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setOrganizationName(setting::kOrganisation);
    application.setApplicationName("kaldo");
    // Wayland desktops match the window to its desktop entry, invalid.torve.kaldo.desktop, by this.
    application.setDesktopFileName("invalid.torve.kaldo");
    InstallQtSpanishTranslations(application);

    Catalogue catalogue;
    QtSettingsStore settings;
    TipSetting tips(settings);
    QtUserPort port(nullptr);
    DesktopStartupWindows windows(catalogue, tips, application.arguments().mid(1));
    if (!StartUp(catalogue, ShippedFile(FilePath("C31.TXT")), port, tips, windows))
        return exit_status::kNoCatalogue;
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // A write beyond the file-size limit (ulimit -f) then fails like any other write, reported
    // with the document kept, instead of ending the program with the user's changes.
    std::signal(SIGXFSZ, SIG_IGN);
    file_io::RemoveStaleScratchFiles();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsHeadless(arguments)) return RunHeadlessMode(arguments);
    return RunDesktop(argc, argv);
}
