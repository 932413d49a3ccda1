// The weeks of a month on the wall calendar: Sunday first, 4 to 6 rows.
// Expected rows and squares: Python 3's calendar module,
// calendar.Calendar(firstweekday=6).monthdayscalendar(year, month) (weeks from
// Sunday, 0 for an empty square), an implementation independent of this one.
#include "calendar/month_weeks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalnika {
namespace {

TEST(MonthWeeks, EveryWeekdayAndLength) {
  struct Layout {
    const char* name;
    int year, month;
    int rows;
    int firstColumn;  // column of day 1 in row 0 (0 = Sunday)
    int lastRow, lastColumn, lastDay;
  } layouts[] = {
    {"Feb2026_Sunday_28days_exactly4rows", 2026, 2, 4, 0, 3, 6, 28},
    {"Jun2026_Monday_30days", 2026, 6, 5, 1, 4, 2, 30},
    {"Feb2021_Monday_28days_last_alone", 2021, 2, 5, 1, 4, 0, 28},
    {"Sep2026_Tuesday_30days", 2026, 9, 5, 2, 4, 3, 30},
    {"Jul2026_Wednesday_31days", 2026, 7, 5, 3, 4, 5, 31},
    {"Feb2024_Thursday_29days_leap", 2024, 2, 5, 4, 4, 4, 29},
    {"Sep2023_Friday_30days", 2023, 9, 5, 5, 4, 6, 30},
    {"May2026_Friday_31days_6rows", 2026, 5, 6, 5, 5, 0, 31},
    {"Feb2020_Saturday_29days_leap", 2020, 2, 5, 6, 4, 6, 29},
    {"Nov2025_Saturday_30days_6rows", 2025, 11, 6, 6, 5, 0, 30},
    {"Aug2026_Saturday_31days_6rows", 2026, 8, 6, 6, 5, 1, 31},
  };
  for (const Layout& l : layouts) {
    const std::vector<CalendarWeek> weeks = MonthWeeks(l.year, l.month);
    ASSERT_EQ(weeks.size(), static_cast<std::size_t>(l.rows)) << l.name;
    EXPECT_EQ(weeks[0][static_cast<std::size_t>(l.firstColumn)], (CivilDate{l.year, l.month, 1})) << l.name;
    EXPECT_EQ(weeks[static_cast<std::size_t>(l.lastRow)][static_cast<std::size_t>(l.lastColumn)],
              (CivilDate{l.year, l.month, l.lastDay}))
        << l.name;
    // Between them the dates run without a gap: the weeks hold exactly the month.
    int squares = 0;
    for (const CalendarWeek& week : weeks)
      squares += static_cast<int>(std::count_if(week.begin(), week.end(), [](const auto& d) { return d.has_value(); }));
    EXPECT_EQ(squares, l.lastDay) << l.name;
  }
}

}  // namespace
}  // namespace kalnika
