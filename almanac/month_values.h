#pragma once
// One month of the almanac as values: for every date of a Gregorian month the
// Hindu calendar elements as numbers, indices into the name tables and instants,
// computed once; every face (the window's table, the command-line tool, CSV, print,
// PDF) formats the same value (month_text.h). No texts are made here, but for the
// auspicious-day notes, which are stored texts.
//
// Classic method: every whole-day quantity of a row is taken at 0 h universal time
// of the date; the place's zone and daylight saving enter only the clock times.
// Precise method: positions from the Swiss Ephemeris in the Lahiri zodiac, and
// every day reckoned at its sunrise at the place: a row's values are those current
// at the sunrise of its date, and every instant belongs to the row from whose
// sunrise to the next it falls (elements/sunrise_day.h).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "clock/clock.h"
#include "elements/sun_sign.h"

namespace kalnika {

enum class Method {
  Classic,  // the almanac's own series, every whole-day value at 0 h UT (the default)
  Precise,  // Swiss Ephemeris, Lahiri zodiac, every day reckoned at its sunrise; years
            // up to kEphemerisLastYear (2999): a later year's month has no days
};

// The auspicious-day notes of the place file: the stored text (Xdvng bytes) for a
// lunar month 0..11 and a tithi number 0..31, empty where nothing is stored.
class AuspiciousDays {
 public:
  const std::string& Note(int month, int tithi) const;
  void Set(int month, int tithi, std::string note);

 private:
  static constexpr int kTithis = 32;
  std::array<std::string, 12 * kTithis> notes_{};
};

// The inputs of one month, already checked.
struct MonthRequest {
  int year = 2000;          // every date of the month is in this year (79..32767)
  int month = 1;            // 1..12
  std::string yearText;     // the year as the year column shows it; empty: the year number
  double latitude = 0.0;    // degrees, north positive
  double longitude = 0.0;   // degrees, east positive
  // The place's clock: a zone's (every date at its civil time, summer time
  // included), or a fixed offset with the daylight-saving box, which puts every
  // clock one hour later but (classic method) the tithi end.
  Clock clock;
  Method method = Method::Classic;
  AuspiciousDays auspicious;
};

// An instant as a row shows it: on the clock it was read on, to the second, and
// at the minute every face shows (the method's rounding), so that the table, the
// wall calendar and the calendar export all name the same minute.
struct LocalInstant {
  double jd = 0.0;  // Julian Day, universal time
  LocalDateTime local;      // to the second; dates proleptic Gregorian
  LocalDateTime shown;      // the minute shown (seconds 0)
  std::int64_t offset = 0;  // seconds east of UT of the clock it was read on
};

// The end of a row's tithi and the ending column's clock of it, counted from the
// row's local midnight (27H40 is 03:40 of the next morning).
struct TithiEnd {
  double jd = 0.0;  // Julian Day, universal time
  ClockTime clock;
};

enum class MoonPhase { New, Full };

struct SignEntry {
  int sign = 0;  // 0..11, the sign the Sun entered
  LocalInstant when;
};

// A tithi (1..30), nakshatra or yoga (0..26) and the instant it ends.
struct ValueEnd {
  int value = 0;
  LocalInstant end;
};

// What the precise method adds to a row, whose day runs from the sunrise of its
// date to the next date's: the instant it is reckoned at, the ends of the
// nakshatra, yoga and moon sign current then, and the tithis, nakshatras and yogas
// that begin and end within the day (current at no sunrise), with their ends.
struct SunriseDayValues {
  LocalInstant reckoning;  // the sunrise; 06:00 local mean time on a date without one
  std::optional<double> sunrise, sunset;  // Julian Days, universal time
  LocalInstant nakshatraEnd, yogaEnd, moonSignEnd;
  std::vector<ValueEnd> skippedTithis, skippedNakshatras, skippedYogas;
  int lostMonth = -1;  // 0..11: the lunation is a lost month that also bears this name
};

struct DayValues {
  CivilDate date;
  int weekday = 0;  // 0 = Sunday
  double utcOffset = 0.0;  // hours: the offset of the row's clock on its date (zone and summer hour)
  // Tithi number at the reckoning instant: 1..15 bright fortnight (15 the full
  // moon), 16..30 dark fortnight (30 the new moon); 0 also the new-moon tithi and
  // 31 the first tithi again (the elongation just past 360 degrees).
  int tithi = 0;
  TithiEnd tithiEnd;
  // The new or full moon the ending column shows on this row instead of the end.
  std::optional<MoonPhase> phase;
  LocalInstant phaseInstant;  // meaningful with `phase`
  LunarMonth lunarMonth;
  int shaka = 0;
  int samvatsara = 0;  // 0..59, the year's place in the sixty-year cycle
  int vikram = 0;
  // Classic: the year of the date on the shifted axis. Precise: counted like the
  // Shaka year, from the same new year, Shaka + 3179.
  int kaliYear = 0;
  // The Kali year that begins on this row: classic, every 23 January (the Kali
  // year of the date); precise, the day of the bright pratipada of the year's
  // first Chaitra (current at its sunrise, or begun and ended within its day).
  std::optional<int> kaliNewYear;
  int nakshatra = 0;   // 0..26
  int yoga = 0;        // 0..26
  int moonSign = 0;    // 0..11
  int sunSign = 0;     // 0..11
  std::optional<ClockTime> sunrise, sunset;  // nothing: the Sun does not rise / set
  std::optional<SignEntry> signEntry;        // the Sun entered a sign on this date
  std::string auspicious;                    // the stored note for the day's month and tithi
                                             // (precise: and for each skipped tithi)
  std::optional<SunriseDayValues> precise;   // the precise method's additions
};

struct MonthValues {
  int year = 2000;
  int month = 1;  // 1..12
  std::string yearText;
  Method method = Method::Classic;
  std::vector<DayValues> days;  // one per date, in order
  // Classic: the phases of the lunation in the middle of the month. Precise: the
  // first new and full moon after the first day's sunrise. Julian Days.
  double newMoon = 0.0, fullMoon = 0.0;
};

// Whether a method computes the months of a year: the precise method up to
// kEphemerisLastYear (2999); the classic method every year the request allows.
bool MethodCoversYear(Method method, int year);

MonthValues ComputeMonth(const MonthRequest& request);

}  // namespace kalnika
