#include "qt_dates.h"

#include <QDate>
#include <QLocale>

#include "text_codec.h"

namespace {

std::string LocalePattern() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C) return "dd/MM/yyyy";
    return FromQt(locale.dateFormat(QLocale::ShortFormat));
}

}  // namespace

QtDates::QtDates() : format_(LocalePattern()) {}

Date QtDates::Today() {
    return FromQDate(QDate::currentDate());
}

std::string QtDates::ToText(const Date& date) {
    return format_.Format(date);
}

std::optional<Date> QtDates::FromText(const std::string& text) {
    return format_.Parse(text);
}

QDate QtDates::ToQDate(const Date& date) {
    return QDate(date.year, date.month, date.day);
}

Date QtDates::FromQDate(const QDate& date) {
    return {date.year(), date.month(), date.day()};
}
