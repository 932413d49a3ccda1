#pragma once
// The almanac's clock text: whole hours, the letter "H", minutes. The hours after
// midnight and before 7 in the morning count on from 24 (1 a.m. is 25, 6 a.m. 30),
// so that a time belongs to the almanac day that began at sunrise.
#include <string>

namespace kalnika {

// Turns a date-and-time text of CalendarDate ("3/14/2026 9:05:07 PM") into the
// almanac clock: 12 a.m. becomes 24, 1 to 6 a.m. become 25 to 30, p.m. hours
// below 12 get 12 added. Seconds above 30 round the minutes up, the minutes then
// written without a leading zero ("13H6"); otherwise the two-digit minutes stand
// as written ("13H05"). A round-up to 60 minutes carries into the hour before the
// almanac clock is applied: 6:59:45 AM reads 7H0, 11:59:45 PM reads 24H0. A text
// without a clock part (an instant on local midnight) reads 24H00, the almanac's
// midnight.
std::string AlmanacClockText(const std::string& calendarDateText);

// Decimal text of a whole number, as the cells write hours and minutes.
std::string WholeNumberText(long long value);

}  // namespace kalnika
