// The kaldo program: the desktop application, or with an option the headless mode that checks,
// converts and prints documents without a window.

#include <QApplication>
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
#include "process_setup.h"
#include "qt_dates.h"
#include "qt_settings_store.h"
#include "qt_spanish.h"
#include "qt_user_port.h"
#include "scratch_file.h"
#include "screen_fit.h"
#include "settings_store.h"
#include "shipped_fonts.h"
#include "startup.h"
#include "tip_setting.h"

namespace {

int RunHeadlessMode(const std::vector<std::string>& arguments) {
    PrepareConsole();
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        PrintUsage(std::cout);
        return exit_status::kOk;
    }
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
    // The application's identity, set here only and before any window: Wayland desktops match
    // each window to the desktop entry invalid.torve.kaldo.desktop by it when the window is made.
    application.setDesktopFileName("invalid.torve.kaldo");
    InstallQtSpanishTranslations(application);
    // Before any window, the tip window included: every window opens within the screen.
    ScreenFit screenFit;
    AddShippedFonts();

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
    PrepareProcess();
    file_io::RemoveStaleScratchFiles();
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    if (IsHeadless(arguments)) return RunHeadlessMode(arguments);
    return RunDesktop(argc, argv);
}
