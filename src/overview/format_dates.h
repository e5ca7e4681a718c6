#pragma once

#include "date_port.h"
#include "short_date_format.h"

namespace overview {

// Dates in one short date format with a fixed today: what reading a document on another thread
// needs, without the window's locale. Each reading thread has its own.
class FormatDates : public DatePort {
public:
    FormatDates(const ShortDateFormat& format, const Date& today) : format_(format), today_(today) {}

    Date Today() override { return today_; }
    std::string ToText(const Date& date) override { return format_.Format(date); }
    std::optional<Date> FromText(const std::string& text) override { return format_.Parse(text); }

private:
    ShortDateFormat format_;
    Date today_;
};

}  // namespace overview
