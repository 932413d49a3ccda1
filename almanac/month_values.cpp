#include "almanac/month_values.h"

#include <cmath>

#include "clock/almanac_clock.h"
#include "elements/classic_day.h"
#include "elements/eras.h"
#include "elements/sunrise_day.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;
// The classic almanac notes the Kali new year on this day of January.
constexpr int kKaliNewYearDay = 23;
// Kali Yuga began 3179 years before the Shaka era: Kali year = Shaka year + 3179,
// the two counted from the same new year (Chaitra shukla pratipada).
constexpr int kKaliAfterShaka = 3179;

// An instant on the classic almanac's clock of a row: its zone and box, the time
// of day by the almanac's own conversion, the minute its notes show.
LocalInstant ClassicAt(double jd, const ClassicZone& zone) {
  LocalInstant at;
  at.jd = jd;
  at.local = LocalDateTimeOf(jd, zone.TimeZone, zone.DaylightSaving, DateRule::ProlepticGregorian);
  at.shown = AlmanacMinute(at.local);
  at.offset = std::llround(zone.Hours() * 3600.0);
  return at;
}

// An instant on the place's clock as the precise method shows it: the offset in
// force at the instant, the nearest minute.
LocalInstant PreciseAt(double jd, const Clock& clock) {
  LocalInstant at;
  at.jd = jd;
  at.local = clock.LocalAt(jd);
  at.shown = NearestMinute(at.local);
  at.offset = clock.OffsetAt(jd);
  return at;
}

DayValues ClassicRow(const MonthRequest& r, int day, const MonthValues& month) {
  DayValues v;
  v.date = {r.year, r.month, day};
  v.weekday = WeekdayNumber(v.date);
  const ClassicZone zone = ClassicZoneOn(r.clock, v.date);
  v.utcOffset = zone.Hours();

  const ClassicDay c = ComputeClassicDay(v.date, r.latitude, r.longitude);
  v.tithi = c.tithi;
  // The daylight-saving box does not move the tithi end; a zone's offset, which
  // holds the summer hour, does.
  v.tithiEnd = {c.tithiEnd, TithiEndClock(v.date, c.tithiEnd, zone.TimeZone)};
  if (v.tithi == 0 || v.tithi == 30) {
    v.phase = MoonPhase::New;
    v.phaseInstant = ClassicAt(month.newMoon, zone);
  } else if (v.tithi == kFullMoonTithi) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = ClassicAt(month.fullMoon, zone);
  }
  v.sunSign = c.sunSign;
  if (c.signEntry) v.signEntry = SignEntry{c.sunSign, ClassicAt(*c.signEntry, zone)};
  v.lunarMonth = c.lunarMonth;
  v.shaka = c.shaka;
  v.samvatsara = c.samvatsara;
  v.vikram = c.vikram;
  v.kaliYear = KaliYear(v.date, zone.TimeZone, zone.DaylightSaving);
  if (v.date.month == 1 && v.date.day == kKaliNewYearDay) v.kaliNewYear = v.kaliYear;
  v.nakshatra = c.nakshatra;
  v.yoga = c.yoga;
  v.moonSign = c.moonSign;
  if (c.sunriseHours) v.sunrise = SunClock(*c.sunriseHours, zone.TimeZone, zone.DaylightSaving);
  if (c.sunsetHours) v.sunset = SunClock(*c.sunsetHours, zone.TimeZone, zone.DaylightSaving);
  v.auspicious = r.auspicious.Note(v.lunarMonth.index, v.tithi);
  return v;
}

// --- Precise method ---

std::vector<ValueEnd> Skipped(const std::vector<Ending>& endings, const Clock& clock) {
  std::vector<ValueEnd> values;
  for (const Ending& e : endings) values.push_back({e.value, PreciseAt(e.end, clock)});
  return values;
}

// The stored note of a lunar month and tithi 1..30; the new-moon tithi 30 is also
// looked up under 0, its number in the classic method. An added month has none:
// its festivals are kept in the regular month of the same name that follows it, as
// almanacs print them (Vat Purnima 2026 in nija Jyeshtha, not in adhik Jyeshtha).
std::string PreciseNote(const MonthRequest& r, const LunarMonth& month, int tithi) {
  if (month.kind == MonthKind::Added) return {};
  const std::string& note = r.auspicious.Note(month.index, tithi);
  return note.empty() && tithi == 30 ? r.auspicious.Note(month.index, 0) : note;
}

// The lunation that begins a Shaka year: the first one named Chaitra, which is
// the added Chaitra when there is one.
bool YearsFirstChaitra(const LunarMonth& month) { return month.index == 0 && month.kind != MonthKind::RegularAfterAdded; }

// The Kali (and Shaka) year that begins on a day: the first Chaitra's bright
// pratipada is current at its sunrise and was not at the sunrise before (a
// pratipada current at two sunrises begins the year on the first), or it begins
// and ends within the day, after the day's new moon (Gudhi Padwa on 19 March 2026
// at Mumbai, a year whose rows begin on the 20th).
std::optional<int> PreciseKaliNewYear(const SunriseDay& s, int kaliYear) {
  const bool pratipada = s.values.tithi == 1 || s.values.tithi == 31;
  if (pratipada && YearsFirstChaitra(s.lunation.month) && s.lunation.start >= s.previousReckoning) return kaliYear;
  if (s.newMoon && YearsFirstChaitra(s.nextLunation.month))
    for (const Ending& e : s.tithi.skipped)
      if (e.value == 1 && e.end > *s.newMoon) return kaliYear + 1;
  return std::nullopt;
}

DayValues PreciseRow(const MonthRequest& r, const SunriseDay& s) {
  const Clock& clock = r.clock;
  DayValues v;
  v.date = s.date;
  v.weekday = WeekdayNumber(v.date);
  v.utcOffset = static_cast<double>(clock.OffsetOn(v.date)) / 3600.0;
  // a time of day as the row shows it: the nearest minute, from the row's midnight
  auto since = [&](double jd) { return ClockSince(NearestMinute(clock.LocalAt(jd)), v.date); };
  v.tithi = s.values.tithi;
  v.tithiEnd = {s.tithi.current.end, since(s.tithi.current.end)};
  if (s.newMoon) {
    v.phase = MoonPhase::New;
    v.phaseInstant = PreciseAt(*s.newMoon, clock);
  } else if (s.fullMoon) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = PreciseAt(*s.fullMoon, clock);
  }
  v.lunarMonth = s.lunation.month;
  v.shaka = s.eras.shaka;
  v.samvatsara = s.eras.samvatsara;
  v.vikram = s.eras.vikram;
  v.kaliYear = v.shaka + kKaliAfterShaka;
  v.kaliNewYear = PreciseKaliNewYear(s, v.kaliYear);
  v.nakshatra = s.values.nakshatra;
  v.yoga = s.values.yoga;
  v.moonSign = s.values.moonSign;
  v.sunSign = s.values.sunSign;
  if (s.sunrise) v.sunrise = since(*s.sunrise);
  if (s.sunset) v.sunset = since(*s.sunset);
  if (s.sunSignEntry) v.signEntry = SignEntry{s.sunSignEntry->sign, PreciseAt(s.sunSignEntry->instant, clock)};

  // The notes of the day's tithi, then of each tithi current at no sunrise that lies
  // within the day: one that follows a new moon of the day is in the next month.
  v.auspicious = PreciseNote(r, v.lunarMonth, v.tithi);
  for (const Ending& e : s.tithi.skipped) {
    const bool nextMonth = s.newMoon && e.end > *s.newMoon;
    v.auspicious += PreciseNote(r, (nextMonth ? s.nextLunation : s.lunation).month, e.value);
  }

  SunriseDayValues& p = v.precise.emplace();
  p.reckoning = PreciseAt(s.reckoning, clock);
  p.sunrise = s.sunrise;
  p.sunset = s.sunset;
  p.nakshatraEnd = PreciseAt(s.nakshatra.current.end, clock);
  p.yogaEnd = PreciseAt(s.yoga.current.end, clock);
  p.moonSignEnd = PreciseAt(s.moonSign.current.end, clock);
  p.skippedTithis = Skipped(s.tithi.skipped, clock);
  p.skippedNakshatras = Skipped(s.nakshatra.skipped, clock);
  p.skippedYogas = Skipped(s.yoga.skipped, clock);
  p.lostMonth = s.lunation.skippedIndex;
  return v;
}

void FillPreciseMonth(const MonthRequest& r, MonthValues& month) {
  if (!MethodCoversYear(Method::Precise, r.year)) return;  // no days
  const GeoPoint place{r.latitude, r.longitude};
  const std::vector<SunriseDay> days =
      ComputeSunriseDays({r.year, r.month, 1}, DaysOfMonth(r.year, r.month), place, r.clock);
  month.days.reserve(days.size());
  for (const SunriseDay& s : days) month.days.push_back(PreciseRow(r, s));
  month.newMoon = NextNewMoon(days.front().reckoning);
  month.fullMoon = NextFullMoon(days.front().reckoning);
}

}  // namespace

const std::string& AuspiciousDays::Note(int month, int tithi) const {
  static const std::string none;
  if (month < 0 || month >= 12 || tithi < 0 || tithi >= kTithis) return none;
  return notes_[static_cast<std::size_t>(month * kTithis + tithi)];
}

void AuspiciousDays::Set(int month, int tithi, std::string note) {
  if (month < 0 || month >= 12 || tithi < 0 || tithi >= kTithis) return;
  notes_[static_cast<std::size_t>(month * kTithis + tithi)] = std::move(note);
}

bool MethodCoversYear(Method method, int year) {
  return method == Method::Classic || (year >= kEphemerisFirstYear && year <= kEphemerisLastYear);
}

MonthValues ComputeMonth(const MonthRequest& request) {
  MonthValues month;
  month.year = request.year;
  month.month = request.month;
  month.yearText = request.yearText.empty() ? std::to_string(request.year) : request.yearText;
  month.method = request.method;

  if (request.method == Method::Precise) {
    FillPreciseMonth(request, month);
    return month;
  }

  const ClassicPhases phases = ClassicMonthPhases(request.year, request.month);
  month.newMoon = phases.newMoon;
  month.fullMoon = phases.fullMoon;
  const int n = DaysOfMonth(request.year, request.month);
  month.days.reserve(static_cast<std::size_t>(n));
  for (int day = 1; day <= n; ++day) month.days.push_back(ClassicRow(request, day, month));
  return month;
}

}  // namespace kalnika
