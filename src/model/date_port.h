#pragma once

#include <optional>
#include <string>

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const Date&) const = default;
};

// Today's date and the conversions between dates and the text held in date fields.
class DatePort {
public:
    virtual ~DatePort() = default;
    virtual Date Today() = 0;
    virtual std::string ToText(const Date& date) = 0;
    // Nothing when the text is not a date in the short date format.
    virtual std::optional<Date> FromText(const std::string& text) = 0;
};

// The report of a date field that cannot be read: "'<text>' is not a valid date".
std::string InvalidDateMessage(const std::string& text);
