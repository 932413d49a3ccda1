#include "forms/wall_calendar.h"

#include <string_view>

#include "almanac/name_tables.h"
#include "calendar/month_weeks.h"

namespace kalnika {

namespace {

// Columns of the table a square shows.

// The text once more at the end of a list, unless it ends the list already.
void AddOnce(std::vector<std::string>& list, const std::string& text) {
  if (list.empty() || list.back() != text) list.push_back(text);
}

// A stored name without the blanks that spaced it in the old font's cells.
std::string WithoutBlanks(const std::string& name) {
  const auto first = name.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// A lunar month as the table writes it, with a blank after the added-month or
// regular-month prefix, which the table's narrow column leaves out: "AeD:k
// B:adÓp:d" (अधिक भाद्रपद).
std::string SpacedLunarMonth(const std::string& month) {
  for (const std::string_view prefix : {kAddedMonthPrefix, kRegularAfterAddedPrefix})
    if (month.size() > prefix.size() && month.starts_with(prefix))
      return std::string(prefix) + " " + month.substr(prefix.size());
  return month;
}

// The fortnight and the tithi: "S:ØVl: e¾t:iy:a"; the dark fortnight's stored word
// begins with the old font's blank, which display leaves out at a text's start.
std::string TithiWithFortnight(const TableRow& row) {
  const std::string& fortnight = row[Column::Fortnight];
  return fortnight.empty() ? row[Column::Tithi] : fortnight + " " + row[Column::Tithi];
}

WallSquare Square(const MonthSheet& sheet, const DayValues& day, const std::string& previousLunarMonth) {
  const TableRow& row = sheet.table.cells[static_cast<std::size_t>(day.date.day)];
  WallSquare square;
  square.date = day.date;
  square.weekday = day.weekday;
  square.day = std::to_string(day.date.day);
  square.tithi = TithiWithFortnight(row);
  square.tithiEnd = row[Column::TithiEnd];
  square.nakshatra = row[Column::Nakshatra];
  square.lunarMonth = SpacedLunarMonth(row[Column::LunarMonth]);
  square.yoga = row[Column::Yoga];
  square.moonSign = row[Column::MoonSign];
  square.sunSign = row[Column::SunSign];
  square.sunrise = row[Column::Sunrise];
  square.sunset = row[Column::Sunset];
  square.phase = day.phase;
  if (day.precise && !day.precise->eclipses.empty()) square.eclipse = day.precise->eclipses.front();
  if (!previousLunarMonth.empty() && row[Column::LunarMonth] != previousLunarMonth)
    square.lunarMonthBegins = SpacedLunarMonth(row[Column::LunarMonth]);
  square.notes = DayNotes(day);
  if (day.kaliNewYear) square.notes.push_back({NoteKind::KaliNewYear, KaliNewYearNote(*day.kaliNewYear), {}, {}});
  return square;
}

}  // namespace

WallCalendar MakeWallCalendar(const MonthSheet& sheet) {
  const MonthValues& month = sheet.values;
  WallCalendar wall;
  if (month.month >= 1 && month.month <= 12) wall.monthName = GregorianMonthNames[static_cast<std::size_t>(month.month - 1)];
  wall.year = month.yearText.empty() ? std::to_string(month.year) : month.yearText;
  for (std::size_t d = 0; d < wall.weekdays.size(); ++d) wall.weekdays[d] = WeekdayNames[d];
  wall.placeName = sheet.place.name;
  wall.place = SheetPlaceMessage(sheet);
  wall.method = month.method;
  if (month.days.empty()) return wall;

  // The squares where the weeks put the dates, each from its date's values and row.
  std::string previousLunarMonth;
  for (const CalendarWeek& week : MonthWeeks(month.year, month.month)) {
    WallWeek& squares = wall.weeks.emplace_back();
    for (std::size_t column = 0; column < week.size(); ++column) {
      if (!week[column] || week[column]->day > static_cast<int>(month.days.size())) continue;
      const DayValues& day = month.days[static_cast<std::size_t>(week[column]->day - 1)];
      squares[column] = Square(sheet, day, previousLunarMonth);
      previousLunarMonth = sheet.table.cells[static_cast<std::size_t>(day.date.day)][Column::LunarMonth];
      AddOnce(wall.lunarMonths, SpacedLunarMonth(previousLunarMonth));
      AddOnce(wall.shakaYears, std::to_string(day.shaka) + " " + WithoutBlanks(SamvatsaraNames[static_cast<std::size_t>(day.samvatsara)]));
      AddOnce(wall.vikramYears, std::to_string(day.vikram));
    }
  }
  return wall;
}

std::string WallFileName(const MonthSheet& sheet, bool wholeYear) { return SheetFileName(sheet, wholeYear) + "-wall"; }

}  // namespace kalnika
