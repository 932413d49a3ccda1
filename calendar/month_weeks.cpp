#include "calendar/month_weeks.h"

namespace kalnika {

std::vector<CalendarWeek> MonthWeeks(int year, int month) {
  const int days = DaysOfMonth(year, month);             // 28..31
  const int lead = WeekdayNumber({year, month, 1});      // empty squares before day 1, 0..6
  const int rows = (lead + days + 6) / 7;                // 4..6
  std::vector<CalendarWeek> weeks(static_cast<std::size_t>(rows));
  for (int day = 1; day <= days; ++day) {
    const int square = lead + day - 1;
    weeks[static_cast<std::size_t>(square / 7)][static_cast<std::size_t>(square % 7)] = CivilDate{year, month, day};
  }
  return weeks;
}

}  // namespace kalnika
