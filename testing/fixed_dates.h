#pragma once

#include "date_port.h"
#include "short_date_format.h"

// Dates written dd/MM/yyyy with a today that does not move: for the tools, benchmarks and tests
// that must give the same result on any day and in any locale.
class FixedDates : public DatePort {
public:
    explicit FixedDates(Date today = {2026, 3, 15}) : today(today) {}

    Date today;
    Date Today() override { return today; }
    std::string ToText(const Date& date) override { return format_.Format(date); }
    std::optional<Date> FromText(const std::string& text) override { return format_.Parse(text); }

private:
    ShortDateFormat format_{"dd/MM/yyyy"};
};
