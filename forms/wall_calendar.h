#pragma once
// The wall calendar of a computed month: a page as Marathi homes hang it, weeks as
// rows and weekdays as columns from Sunday, a square per date with the date large
// and the tithi, nakshatra and notes small, under a header with the Gregorian
// month, the lunar months it spans, the eras and the place. Which text goes where
// is decided here, as stored Xdvng texts and values; the faces only display them
// (display/display_text.h) and draw.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "almanac/month_text.h"
#include "almanac/month_values.h"
#include "forms/frm_kalnika.h"

namespace kalnika {

// One date's square.
struct WallSquare {
  CivilDate date;
  int weekday = 0;        // 0 = Sunday, the column
  std::string day;        // the date's number, stored digits ("6")
  // The fortnight and the tithi, "S:ØVl: e¾t:iy:a" (शुक्ल द्वितीया); at the new and
  // the full moon the tithi's name alone (अमावस्या, पौर्णिमा), as the table writes it.
  std::string tithi;
  // The table's ending column: the tithi's end, or the new or full moon's instant
  // where the table shows it ("23H9").
  std::string tithiEnd;
  std::string nakshatra;
  // The rest of the day's row, for the square's tooltip: the lunar month, yoga,
  // the Moon's and the Sun's signs, sunrise and sunset, as the table writes them.
  std::string lunarMonth, yoga, moonSign, sunSign, sunrise, sunset;
  std::optional<MoonPhase> phase;  // the new or full moon the table marks on this date
  // The eclipse seen from the place that the day notes (precise method), marked
  // like the new and full moons; its note is among the notes.
  std::optional<DayEclipse> eclipse;
  // The lunar month's name on a date whose lunar month differs from the day
  // before's ("AeD:k B:adÓp:d", अधिक भाद्रपद); empty on the first date and within a
  // lunar month.
  std::string lunarMonthBegins;
  // The notes: the table's (sign entry, skipped tithis, festival) and, on 23
  // January, the Kali new year beside them.
  std::vector<DayNote> notes;
};

// Sunday..Saturday; nothing in the squares before the first and after the last date.
using WallWeek = std::array<std::optional<WallSquare>, 7>;

struct WallCalendar {
  // The Gregorian month, stored (GregorianMonthNames: "eRs:ðöb:r", डिसेंबर; in a
  // Latin script its English name), and the year as the year column writes it.
  std::string monthName;
  std::string year;
  std::array<std::string, 7> weekdays;  // WeekdayNames, Sunday first
  // The lunar months of the dates, each once, in order, with their prefixes and a
  // lost month's second name as the table writes them, but for a blank after the
  // prefix.
  std::vector<std::string> lunarMonths;
  // The Shaka years with their names in the sixty-year cycle ("1948 p:raB:v:"),
  // and the Vikram years ("2083"), of the month's dates, each once, in order.
  std::vector<std::string> shakaYears;
  std::vector<std::string> vikramYears;
  std::string placeName;  // "Mumbai, Maharashtra, India" (plain text, not stored Xdvng)
  Message place = "";     // with coordinates, zone and daylight saving (SheetPlaceMessage)
  Method method = Method::Classic;
  std::vector<WallWeek> weeks;  // 4 to 6 (MonthWeeks); none for a month without days
};

// The word before the Shaka years, stored: शके, the table's heading of that column.
// The Vikram years follow kVikramWord (display/display_text.h), विक्रम संवत.
inline constexpr const char* kShakaWord = "S:k\xF1";
// What the page is, stored: दिनदर्शिका ("calendar"), as the title of its files.
inline constexpr const char* kWallCalendarWord = "edn:deS:\xFCka";

// The wall calendar of a computed month, from its values and table.
WallCalendar MakeWallCalendar(const MonthSheet& sheet);

// A file name for the wall calendar of the month, or with `wholeYear` of its year,
// without a suffix: "Mumbai-2026-12-wall", "Mumbai-2026-wall" (SheetFileName).
std::string WallFileName(const MonthSheet& sheet, bool wholeYear);

}  // namespace kalnika
