#pragma once
// The month as the almanac shows it: the texts of the month table, formatted from
// the month's values in this one place. Every text is Devanagari in the legacy
// "Xdvng" font bytes (name_tables.h); the faces convert them for display.
//
// Columns: 0 Gregorian month, 1 day, 2 year, 3 weekday, 4 Shaka year, 5 year of the
// sixty-year cycle, 6 lunar month (with its added-month prefix), 7 fortnight,
// 8 tithi, 9 tithi ending time (or the new-moon / full-moon instant), 10 nakshatra,
// 11 yoga, 12 moon sign, 13 sun sign, 14 sunrise, 15 sunset, 16 notes (sun-sign
// entry, auspicious-day text; the Kali new-year note on 23 January).
#include <array>
#include <string>

#include "almanac/month_values.h"

namespace kalnika {

inline constexpr int kTableRows = 32;     // row 0 the headings, rows 1..31 the days
inline constexpr int kTableColumns = 17;

using TableRow = std::array<std::string, kTableColumns>;

struct MonthTable {
  std::array<TableRow, kTableRows> cells;  // row 0 the headings; rows past the month empty
  std::string kaliCaption;    // "kel:y:Øg:abd H " and the Kali year of the last day
  std::string vikramCaption;  // "ev:#m: s:öv:t: ", the first Vikram year, five blanks, the last
  int dayCount = 0;
};

// The table of a month with the headings in row 0.
MonthTable FormatMonth(const MonthValues& month);

// A table before any month is computed: the headings only, the initial Vikram caption.
MonthTable EmptyMonthTable();

// The cells of one day row.
TableRow FormatDay(const MonthValues& month, const DayValues& day);

// Texts of single values.
std::string LunarMonthText(const LunarMonth& month);  // prefix and name
std::string SignEntryNote(const SignEntry& entry);     // "s:Üy:aüc:a <sign> raeS:)v:ðS: 21H05 "
std::string SignEntryNote(const SignEntry& entry, const std::string& clock);
std::string FortnightText(int tithi);                  // bright, dark, or empty on 0, 15, 30
int TithiNameIndex(int tithi);                         // index into TithiNames
std::string KaliNewYearNote(int kaliYear);             // the note of 23 January

}  // namespace kalnika
