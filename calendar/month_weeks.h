#pragma once
// The weeks of a Gregorian month as a wall calendar lays them out: one row per
// week, seven squares from Sunday (रविवार) to Saturday, each holding a date of
// the month or nothing.
#include <array>
#include <optional>
#include <vector>

#include "calendar/calendar.h"

namespace kalnika {

// Sunday..Saturday, in the order of WeekdayNumber (0 = Sunday).
using CalendarWeek = std::array<std::optional<CivilDate>, 7>;

// The weeks of a month (1..12) of a year: 4 to 6 rows; the first row holds day 1
// in the column of its weekday, the last row the last day; the squares before day
// 1 and after the last day are empty. Only February of a common year that starts
// on a Sunday fills 4 rows; a 31-day month starting on Friday or Saturday, or a
// 30-day month starting on Saturday, needs 6.
std::vector<CalendarWeek> MonthWeeks(int year, int month);

}  // namespace kalnika
