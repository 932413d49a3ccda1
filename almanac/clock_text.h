#pragma once
// The almanac's clock texts: whole hours, the letter "H", minutes ("6H5" is 06:05).
// Hours of 24 and more are the early hours of the next morning, so that a time
// belongs to the almanac day that began at sunrise. In the "Xdvng" font the digits
// draw as Devanagari digits and the "H" after a number as a colon.
#include <string>

#include "calendar/calendar.h"

namespace kalnika {

// A clock reading as the ending, sunrise and sunset columns write it: hours and
// minutes as plain whole numbers ("6H5", "27H40").
std::string ClockText(const ClockTime& time);

// A local date and time (sign entry, new or full moon) on the almanac clock: 12 a.m.
// becomes 24, 1 to 6 a.m. become 25 to 30. Seconds above 30 round the minutes up,
// the minutes then written without a leading zero ("13H6"); otherwise the minutes
// keep two digits ("13H05"). A round-up to 60 minutes carries into the hour before
// the almanac clock is applied: 6:59:45 AM reads 7H0, 11:59:45 PM reads 24H0. An
// instant on local midnight reads 24H00.
std::string AlmanacClockText(const LocalDateTime& time);

}  // namespace kalnika
