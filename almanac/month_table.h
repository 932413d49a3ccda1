#pragma once
// The month table: one row per day of a Gregorian month with the Hindu calendar
// elements of that day, and the month-level era labels.
//
// Columns: 0 Gregorian month, 1 day, 2 year, 3 weekday, 4 Shaka year, 5 year of the
// sixty-year cycle, 6 lunar month (with its added-month prefix), 7 fortnight,
// 8 tithi, 9 tithi ending time (or the month's new-moon / full-moon instant),
// 10 nakshatra, 11 yoga, 12 moon sign, 13 sun sign, 14 sunrise, 15 sunset,
// 16 notes (sun-sign ingress, auspicious-day text).
//
// Every whole-day quantity of a row is taken at 0 h universal time of the date;
// the place's zone and daylight saving enter only the clock times.
#include <array>
#include <functional>
#include <string>

#include "almanac/grid.h"

namespace kalnika {

// The inputs of one month table, already checked.
struct MonthRequest {
  int monthIndex = 0;  // 0..11
  int year = 2000;     // the year number: every date of the table is in this year
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive
  double timeZone = 0.0;   // hours east of Greenwich
  bool daylightSaving = false;
};

// Auspicious-day text for a reduced lunar month 0..11 and a tithi number 0..31;
// empty when nothing is stored for that day.
using AuspiciousLookup = std::function<std::string(int maas, int tithi)>;

// The month's new-moon and full-moon clock texts: the phases of the lunation that
// falls in the middle of the month.
struct MonthPhases {
  std::string newMoon, fullMoon;
};
MonthPhases MonthPhaseTexts(int monthIndex, int year, double timeZone, bool daylightSaving);

// One day row and the era bookkeeping it feeds.
struct DayRow {
  std::array<std::string, kGridColumns> cells;  // column 16 holds only the auspicious note
  std::string ingressNote;  // sun-sign ingress note of the day, or empty
  int vikram = 0;           // Vikram Samvat year of the day
  std::string kaliYear;     // year of the shifted calendar date
};
DayRow ComputeDayRow(const MonthRequest& request, int day, const MonthPhases& phases,
                     const AuspiciousLookup& auspicious);

// Kali-era year text of a date-and-time text of the shifted calendar: the year field
// (the third "/"-separated field up to its blank). Four digits through the shifted
// year 9999, five from 10000 on, never cut.
std::string KaliYearOf(const std::string& shiftedDateText);

// Month-level results of one run.
struct MonthLabels {
  std::string kaliCaption;    // caption of lblKaliYuga: prefix and the last day's Kali year
  std::string kaliTag;        // January only: the Kali new-year note of the 23rd
  std::string vikramCaption;  // caption of lblVikram
};

// Writes rows 1..n (n the days of the month) through the grid, using DayNote as the
// window's note slot (set from the ingress, moved into column 16, emptied), and in
// January puts the Kali new-year note into row 23, column 16. The grid's visibility
// and the clearing of rows are the caller's.
MonthLabels WriteMonthDays(const MonthRequest& request, Grid& grid,
                           const AuspiciousLookup& auspicious, std::string& DayNote);

}  // namespace kalnika
