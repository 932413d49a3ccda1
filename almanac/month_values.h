#pragma once
// One month of the almanac as values: for every date of a Gregorian month the
// Hindu calendar elements as numbers, indices into the name tables and instants,
// computed once; every face (the window's table, the command-line tool, CSV, print,
// PDF) formats the same value (month_text.h). No texts are made here, but for the
// auspicious-day notes, which are stored texts.
//
// Festivals. The classic method shows a month's and tithi's note on every row whose
// tithi (at 0 h UT) it is, as the original almanac did. The precise method keeps
// each festival of the place file on the one day its observance rule gives
// (elements/festivals.h): the rules of the file's [OBSERVANCE] section, the sunrise
// rule for a note without one or with a rule that is not of the grammar.
//
// Classic method: every whole-day quantity of a row is taken at 0 h universal time
// of the date; the place's zone and daylight saving enter only the clock times.
// Precise method: positions from the Swiss Ephemeris in the Lahiri zodiac, and
// every day reckoned at its sunrise at the place: a row's values are those current
// at the sunrise of its date, and every instant belongs to the row from whose
// sunrise to the next it falls (elements/sunrise_day.h).
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "clock/clock.h"
#include "elements/observance.h"
#include "elements/day_details.h"
#include "elements/sun_sign.h"

namespace kalnika {

enum class Method {
  Classic,  // the almanac's own series, every whole-day value at 0 h UT (the
            // default of a bare request; the window and the tool start on Precise)
  Precise,  // Swiss Ephemeris, Lahiri zodiac, every day reckoned at its sunrise; years
            // up to kEphemerisLastYear (2999): a later year's month has no days
};

// The auspicious-day notes of the place file: the stored text (Xdvng bytes) for a
// lunar month 0..11 and a tithi number 0..31, and for the Sun's entry into a sign
// 0..11 (a sankranti, key "S09"), empty where nothing is stored.
class AuspiciousDays {
 public:
  const std::string& Note(int month, int tithi) const;
  void Set(int month, int tithi, std::string note);
  // A sankranti's note (precise method only: the classic method looks notes up by
  // month and tithi alone, as the original program did).
  const std::string& SunEntryNote(int sign) const;
  void SetSunEntry(int sign, std::string note);

 private:
  static constexpr int kTithis = 32;
  std::array<std::string, 12 * kTithis> notes_{};
  std::array<std::string, 12> sunEntryNotes_{};
};

// The place file's [OBSERVANCE] section as stored: the rule's text under each key
// ("0504" -> "madhyahna", "S09" -> "sankranti"; elements/observance_rule.h). The
// month reads it; a key or a value that is not of the grammar is left out, so that
// its note keeps the sunrise rule. Of "MM00" and "MM30" (both the new moon) the
// latter's rule is taken.
using ObservanceTexts = std::map<std::string, std::string>;

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
  ObservanceTexts observance;  // precise method: the festivals' rules
  // Precise method: each row also with its day page's values (karanas, the Moon's
  // rising and setting, the lengths of the day and the night, the periods), which
  // the table does not show and which cost twice the rest of the month.
  bool dayDetails = false;
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

// A span of a day (a period, a choghadiya) on the row's clock.
struct TimedSpan {
  LocalInstant start, end;
};

// A choghadiya (0..6, the index of ChoghadiyaNames) and its span.
struct TimedChoghadiya {
  int kind = 0;
  TimedSpan span;
};

// The periods of a day (elements/day_periods.h) on the row's clock; none where the
// day has no sunrise and sunset (or, for the night's, no next sunrise) to divide.
struct DayPeriodTimes {
  std::optional<TimedSpan> rahuKalam, yamaganda, gulikaKalam;
  std::optional<TimedSpan> abhijit;        // none on Wednesdays
  std::optional<TimedSpan> brahmaMuhurta;  // the one that ends at the day's own sunrise
  std::vector<TimedSpan> durmuhurtas;      // in time order
  std::vector<TimedChoghadiya> dayChoghadiyas, nightChoghadiyas;  // eight each, or none
};

// A contact or the maximum of an eclipse on the row's clock, and whether the
// eclipsed body's centre is above the place's horizon then.
struct EclipseMoment {
  LocalInstant at;
  bool bodyUp = false;
};

// An eclipse seen from the place (astronomy/ephemeris.h: its contacts, kind and
// magnitude), on the row's clock.
struct DayEclipse {
  EclipseBody body = EclipseBody::Sun;
  EclipseKind kind = EclipseKind::Partial;  // as seen from the place: never Hybrid
  double magnitude = 0.0;
  EclipseMoment begin;                                     // solar C1, lunar P1
  std::optional<EclipseMoment> partialBegin, centralBegin;  // lunar U1; solar C2, lunar U2
  EclipseMoment maximum;
  std::optional<EclipseMoment> centralEnd, partialEnd;      // solar C3, lunar U3; lunar U4
  EclipseMoment end;                                       // solar C4, lunar P4
  std::optional<LocalInstant> bodyRises, bodySets;         // during the eclipse
};

// What the precise method adds to a row, whose day runs from the sunrise of its
// date to the next date's: the instant it is reckoned at, the ends of the
// nakshatra, yoga and moon sign current then, and the tithis, nakshatras and yogas
// that begin and end within the day (current at no sunrise), with their ends; the
// karanas likewise; the values current at the next sunrise that begin within the
// day; the Moon's rising and setting, the periods and the eclipses of the day
// (elements/day_details.h).
struct SunriseDayValues {
  LocalInstant reckoning;  // the sunrise; 06:00 local mean time on a date without one
  std::optional<double> sunrise, sunset;  // Julian Days, universal time
  LocalInstant nakshatraEnd, yogaEnd, moonSignEnd;
  std::vector<ValueEnd> skippedTithis, skippedNakshatras, skippedYogas;
  int lostMonth = -1;  // 0..11: the lunation is a lost month that also bears this name
  // Whether the day page's values below are filled (MonthRequest::dayDetails), from
  // the karana to the periods; the eclipses are always.
  bool details = false;
  int karana = 0;      // 0..10 (elements/karana.h), at the reckoning instant
  LocalInstant karanaEnd;
  std::vector<ValueEnd> skippedKaranas;
  // The tithi, nakshatra, yoga and karana current at the next sunrise where it
  // begins within the day: it holds from there on, and ends after that sunrise.
  std::optional<ValueEnd> nextTithi, nextNakshatra, nextYoga, nextKarana;
  std::optional<LocalInstant> nextSunrise;        // the next date's
  // The daytime (sunrise to sunset) and the night (sunset to the next sunrise), in
  // minutes between the minutes shown; none without the sunrises and sunset.
  std::optional<int> daytimeMinutes, nightMinutes;
  std::optional<LocalInstant> moonrise, moonset;  // on the civil date; none without one
  DayPeriodTimes periods;
  std::vector<DayEclipse> eclipses;  // first seen from the place within the day
};

// A festival of the place file on the day the precise method keeps it (its note's
// key, text and rule, and what the rule chose), as values: the faces write its texts
// (almanac/month_text.h).
struct FestivalValue {
  FestivalKey key;
  std::string note;     // the stored text of the key's note
  ObservanceRule rule;  // the rule applied (the sunrise rule for a note without one)
  Observance observance;  // this day, the part of the day, why, and the tradition
  // An Ekadashi's smarta day whose Bhagavata day is another (the next day): both
  // days then name their tradition.
  bool bhagavataDiffers = false;
  // A moonrise rule (observance.part Moonrise): the Moon's rise on this date, on the
  // row's clock; none when the Moon does not rise on it.
  std::optional<LocalInstant> moonrise;
  std::string followedNote;  // a day-after rule: the note of the festival it follows
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
  std::string auspicious;                    // classic: the stored note for the day's month
                                             // and tithi (precise: empty, see festivals)
  std::vector<FestivalValue> festivals;      // precise: the festivals kept on this day, in
                                             // order of their keys (tithi keys first)
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

// One civil date at a place, for a page of its own.
struct DayRequest {
  CivilDate date;
  double latitude = 0.0;   // degrees, north positive
  double longitude = 0.0;  // degrees, east positive
  Clock clock;
  AuspiciousDays auspicious;
  ObservanceTexts observance;  // the festivals' rules, as for a month
};

// The date's row as a precise month shows it, by the same computation for one
// date (with the almanac days on either side that its night and the values
// running into the next day need); nothing for a date outside the precise
// method's years.
std::optional<DayValues> ComputeDay(const DayRequest& request);

}  // namespace kalnika
