#include "almanac/month_values.h"

#include <cmath>

#include "astronomy/mean_elements.h"
#include "astronomy/moon_phase.h"
#include "astronomy/solar.h"
#include "astronomy/sunrise.h"
#include "elements/eras.h"
#include "elements/sunrise_day.h"
#include "elements/tithi.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;

// The clock of one row: the zone, and whether the daylight-saving hour is added on
// top of it. With an automatic zone the date's offset holds summer time already.
struct RowClock {
  double zone = 0.0;
  bool daylightSaving = false;
  double Offset() const { return daylightSaving ? zone + 1.0 : zone; }
};

RowClock ClockOn(const MonthRequest& r, const CivilDate& date) {
  if (r.automaticZone) return {r.automaticZone(date), false};
  return {r.timeZone, r.daylightSaving};
}

LocalInstant At(double jd, const RowClock& clock) {
  return {jd, LocalDateTimeOf(jd, clock.zone, clock.daylightSaving)};
}

// A month-level instant (a phase) on the clock of the date it falls on.
LocalInstant AtItsDate(double jd, const MonthRequest& r) {
  return At(jd, ClockOn(r, LocalDateTimeOf(jd, r.timeZone, false).date));
}

// The lunation whose phases the month shows: the one at the middle of the month
// (half its days, with the fraction), numbered from the new moon of 6 January 2000.
double MiddleLunation(int year, int month) {
  double half = DaysOfMonth(year, month) / 2.0;
  double doy = (DayOfYear({year, month, 1}) - 1.0) + half;
  double y = year + doy / 365.25;
  return std::floor((y - 2000.0) * 12.3685);
}

// The Kali-era year of a date: the year of the date on the shifted axis, at the
// place's zone (both methods).
int KaliYear(const CivilDate& date, const RowClock& clock) {
  return LocalDateTimeOf(JulianDay(date) + kShiftedAxisDays, clock.zone, clock.daylightSaving).date.year;
}

DayValues ClassicDay(const MonthRequest& r, int day, const MonthValues& month) {
  DayValues v;
  v.date = {r.year, r.month, day};
  v.weekday = WeekdayNumber(v.date);
  const RowClock clock = ClockOn(r, v.date);
  v.utcOffset = clock.Offset();

  const double JD = JulianDay(v.date);
  const TithiAt at = TithiOfJulianDay(JD);
  const double Lm = at.Lm, Ls = at.Ls, Lsc = at.Lsc, Lmc = at.Lmc;
  v.tithi = at.tithi;
  // The daylight-saving box does not move the tithi end; an automatic zone's
  // offset, which holds the summer hour, does.
  v.tithiEnd = TithiEndingTime(v.date, clock.zone);
  if (v.tithi == 0 || v.tithi == 30) {
    v.phase = MoonPhase::New;
    v.phaseInstant = At(month.newMoon.jd, clock);
  } else if (v.tithi == kFullMoonTithi) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = At(month.fullMoon.jd, clock);
  }

  const SunSign sun = RaasNumber(JD);
  v.sunSign = sun.sign;
  if (sun.ingress) v.signEntry = SignEntry{sun.sign, At(*sun.ingress, clock)};

  v.lunarMonth = MaasNumber(JD);
  v.shaka = Shalivahan_shake(JD, v.lunarMonth.index);
  v.samvatsara = SamvatsaraNumber(v.shaka);
  v.vikram = Vikram_samvat(JD, v.lunarMonth.index);
  v.kaliYear = KaliYear(v.date, clock);

  const double Ayan = Ayanamsh(JD);
  v.nakshatra = NaxatraNumber(Lm + Lmc - Ayan);
  // The yoga is the sum of the two sidereal longitudes: the ayanamsha comes off
  // both the Moon and the Sun.
  double y = Lm + Lmc + Ls + Lsc - Ayan - Ayan;
  v.yoga = YogaIndex(Reducer(y));
  v.moonSign = ChandraRaashiNumber(Lm + Lmc - Ayan);

  v.sunrise = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunrise, clock.zone,
                                clock.daylightSaving);
  v.sunset = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunset, clock.zone,
                               clock.daylightSaving);
  v.auspicious = r.auspicious.Note(v.lunarMonth.index, v.tithi);
  return v;
}

// --- Precise method ---

// The offset of a date's clock in the precise method: the daylight-saving hour
// applies to every clock, the tithi ends included.
double PreciseOffset(const MonthRequest& r, const CivilDate& date) { return ClockOn(r, date).Offset(); }

std::vector<ValueEnd> Skipped(const std::vector<Ending>& endings, const RowClock& clock) {
  std::vector<ValueEnd> values;
  for (const Ending& e : endings) values.push_back({e.value, At(e.end, clock)});
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

DayValues PreciseDay(const MonthRequest& r, const SunriseDay& s) {
  DayValues v;
  v.date = s.date;
  v.weekday = WeekdayNumber(v.date);
  const RowClock clock{PreciseOffset(r, v.date), false};
  v.utcOffset = clock.Offset();
  auto since = [&](double jd) { return ClockSinceMidnight(LocalDateTimeOf(jd, clock.zone, false), v.date); };
  v.tithi = s.values.tithi;
  v.tithiEnd = {s.tithi.current.end, since(s.tithi.current.end)};
  if (s.newMoon) {
    v.phase = MoonPhase::New;
    v.phaseInstant = At(*s.newMoon, clock);
  } else if (s.fullMoon) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = At(*s.fullMoon, clock);
  }
  v.lunarMonth = s.lunation.month;
  v.shaka = s.eras.shaka;
  v.samvatsara = s.eras.samvatsara;
  v.vikram = s.eras.vikram;
  v.kaliYear = KaliYear(v.date, ClockOn(r, v.date));
  v.nakshatra = s.values.nakshatra;
  v.yoga = s.values.yoga;
  v.moonSign = s.values.moonSign;
  v.sunSign = s.values.sunSign;
  if (s.sunrise) v.sunrise = since(*s.sunrise);
  if (s.sunset) v.sunset = since(*s.sunset);
  if (s.sunSignEntry) v.signEntry = SignEntry{s.sunSignEntry->sign, At(s.sunSignEntry->instant, clock)};

  // The notes of the day's tithi, then of each tithi current at no sunrise that lies
  // within the day: one that follows a new moon of the day is in the next month.
  v.auspicious = PreciseNote(r, v.lunarMonth, v.tithi);
  for (const Ending& e : s.tithi.skipped) {
    const bool nextMonth = s.newMoon && e.end > *s.newMoon;
    v.auspicious += PreciseNote(r, (nextMonth ? s.nextLunation : s.lunation).month, e.value);
  }

  SunriseDayValues& p = v.precise.emplace();
  p.reckoning = At(s.reckoning, clock);
  p.sunrise = s.sunrise;
  p.sunset = s.sunset;
  p.nakshatraEnd = At(s.nakshatra.current.end, clock);
  p.yogaEnd = At(s.yoga.current.end, clock);
  p.moonSignEnd = At(s.moonSign.current.end, clock);
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
      ComputeSunriseDays({r.year, r.month, 1}, DaysOfMonth(r.year, r.month), place,
                         [&r](const CivilDate& date) { return PreciseOffset(r, date); });
  month.days.reserve(days.size());
  for (const SunriseDay& s : days) month.days.push_back(PreciseDay(r, s));
  month.newMoon = AtItsDate(NextNewMoon(days.front().reckoning), r);
  month.fullMoon = AtItsDate(NextFullMoon(days.front().reckoning), r);
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

  const double k = MiddleLunation(request.year, request.month);
  month.newMoon = AtItsDate(MoonPhaseJDE(0, k), request);
  month.fullMoon = AtItsDate(MoonPhaseJDE(2, k), request);

  const int n = DaysOfMonth(request.year, request.month);
  month.days.reserve(static_cast<std::size_t>(n));
  for (int day = 1; day <= n; ++day) month.days.push_back(ClassicDay(request, day, month));
  return month;
}

}  // namespace kalnika
