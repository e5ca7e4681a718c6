// The kaldo program: the desktop application, or with an option the headless mode that checks,
// converts and prints documents without a window.

#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <string>
#include <vector>

#include "catalogue.h"
#include "command_line.h"
#include "console_port.h"
#include "data_files.h"
#include "main_window.h"
#include "qt_dates.h"
#include "qt_user_port.h"
#include "text_codec.h"

namespace {

int RunHeadlessMode(const std::vector<std::string>& arguments) {
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        PrintUsage(std::cout);
        return exit_status::kOk;
    }
    ConsolePort port(std::cerr);
    Catalogue catalogue;
    std::string error;
    switch (catalogue.Load(ShippedFile("C31.TXT"), port, &error)) {
        case Catalogue::LoadResult::NotFound:
            std::cerr << CatalogueNotFoundMessage() << '\n';
            return exit_status::kNoCatalogue;
        case Catalogue::LoadResult::ReadError:
            std::cerr << error << '\n';
            return exit_status::kNoCatalogue;
        case Catalogue::LoadResult::Loaded:
            break;
    }
    QtDates dates;
    HeadlessContext context{std::cout, std::cerr, port, dates, catalogue};
    return RunHeadless(arguments, context);
}

int RunDesktop(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setOrganizationName("TORVE");
    application.setApplicationName("kaldo");

    // The catalogue comes first, before any window.
    Catalogue catalogue;
    {
        QtUserPort port(nullptr);
        std::string error;
        const Catalogue::LoadResult loaded = catalogue.Load(ShippedFile("C31.TXT"), port, &error);
        if (loaded != Catalogue::LoadResult::Loaded) {
            const QString text = loaded == Catalogue::LoadResult::NotFound
                                     ? QString::fromStdString(CatalogueNotFoundMessage())
                                     : PathToQt(error);
            QMessageBox::warning(nullptr, QString(), text);
            return 1;
        }
    }

    QApplication::setApplicationDisplayName(QString::fromUtf8("Metodología KALDO 3.1"));
    MainWindow window(catalogue);
    window.show();
    window.OpenStartupDocument(application.arguments().mid(1));
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (IsHeadless(arguments)) return RunHeadlessMode(arguments);
    return RunDesktop(argc, argv);
}
