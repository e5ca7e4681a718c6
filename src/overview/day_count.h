#pragma once

#include "date_port.h"

// Whole days between dates, for what is overdue and what is due soon.
namespace overview {

// The days from 1 January 1970 to the date (negative before it), in the proleptic Gregorian
// calendar.
int DayNumber(const Date& date);
// The days from `from` to `to`: positive when `to` is later.
inline int DaysBetween(const Date& from, const Date& to) { return DayNumber(to) - DayNumber(from); }

}  // namespace overview
