#pragma once

#include <optional>
#include <string>

#include "date_port.h"

// A short date format given as a pattern of day (d, dd), month (M, MM) and year (yy, yyyy)
// fields between literal separators, as "dd/MM/yyyy". Dates are always written with a
// four-digit year; reading also takes one or two digits for day and month and a two-digit year
// (1950-2049), and checks that the date exists.
class ShortDateFormat {
public:
    // The pattern's day, month and year are widened to dd, MM and yyyy.
    explicit ShortDateFormat(const std::string& pattern);

    const std::string& Pattern() const { return pattern_; }
    std::string Format(const Date& date) const;
    std::optional<Date> Parse(const std::string& text) const;

private:
    std::string pattern_;
};

bool IsValidDate(const Date& date);
