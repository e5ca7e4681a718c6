#include "qt_spanish.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallQtSpanishTranslations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void ShowCalendarInSpanish(QDateTimeEdit& picker) {
    picker.setCalendarPopup(true);
    picker.calendarWidget()->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
}
