#pragma once

#include "date_port.h"
#include "short_date_format.h"

class QDate;

// Dates in the system locale's short date format, with a four-digit year; a C or POSIX
// locale falls back to the Spanish dd/MM/yyyy.
class QtDates : public DatePort {
public:
    QtDates();
    Date Today() override;
    std::string ToText(const Date& date) override;
    std::optional<Date> FromText(const std::string& text) override;

    static QDate ToQDate(const Date& date);
    static Date FromQDate(const QDate& date);
    const ShortDateFormat& Format() const { return format_; }

private:
    ShortDateFormat format_;
};
