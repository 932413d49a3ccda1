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

LocalInstant At(double jd, const MonthRequest& r) {
  return {jd, LocalDateTimeOf(jd, r.timeZone, r.daylightSaving)};
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
int KaliYear(const CivilDate& date, const MonthRequest& r) {
  return LocalDateTimeOf(JulianDay(date) + kShiftedAxisDays, r.timeZone, r.daylightSaving).date.year;
}

DayValues ClassicDay(const MonthRequest& r, int day, const MonthValues& month) {
  DayValues v;
  v.date = {r.year, r.month, day};
  v.weekday = WeekdayNumber(v.date);

  const double JD = JulianDay(v.date);
  const TithiAt at = TithiOfJulianDay(JD);
  const double Lm = at.Lm, Ls = at.Ls, Lsc = at.Lsc, Lmc = at.Lmc;
  v.tithi = at.tithi;
  v.tithiEnd = TithiEndingTime(v.date, r.timeZone);
  if (v.tithi == 0 || v.tithi == 30) {
    v.phase = MoonPhase::New;
    v.phaseInstant = month.newMoon;
  } else if (v.tithi == kFullMoonTithi) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = month.fullMoon;
  }

  const SunSign sun = RaasNumber(JD);
  v.sunSign = sun.sign;
  if (sun.ingress) v.signEntry = SignEntry{sun.sign, At(*sun.ingress, r)};

  v.lunarMonth = MaasNumber(JD, v.tithi);
  v.shaka = Shalivahan_shake(JD, v.lunarMonth.index);
  v.samvatsara = SamvatsaraNumber(v.shaka);
  v.vikram = Vikram_samvat(JD, v.lunarMonth.index);
  v.kaliYear = KaliYear(v.date, r);

  const double Ayan = Ayanamsh(JD);
  v.nakshatra = NaxatraNumber(Lm + Lmc - Ayan);
  double y = Lm + Lmc + Ls + Lsc - Ayan;
  v.yoga = YogaIndex(Reducer(y));
  v.moonSign = ChandraRaashiNumber(Lm + Lmc - Ayan);

  v.sunrise = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunrise, r.timeZone,
                                r.daylightSaving);
  v.sunset = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunset, r.timeZone,
                               r.daylightSaving);
  v.auspicious = r.auspicious.Note(v.lunarMonth.index, v.tithi);
  return v;
}

// --- Precise method ---

// The place's clock: the zone, and an hour more with daylight saving (on every
// clock of the precise method, the tithi ends included).
double PreciseZone(const MonthRequest& r) { return r.timeZone + (r.daylightSaving ? 1.0 : 0.0); }

// Hours and minutes from the local midnight that begins a date to an instant,
// rounded to the nearest minute (24 and more: the next morning).
ClockTime ClockSinceMidnight(double jd, const CivilDate& date, double zone) {
  const double midnight = JulianDay(date) - zone / 24.0;
  const auto minutes = static_cast<int>(std::lround((jd - midnight) * 1440.0));
  return {minutes / 60, minutes % 60};
}

std::vector<ValueEnd> Skipped(const std::vector<Ending>& endings, const MonthRequest& r) {
  std::vector<ValueEnd> values;
  for (const Ending& e : endings) values.push_back({e.value, At(e.end, r)});
  return values;
}

// The stored note of a month and tithi 1..30; the new-moon tithi 30 is also looked
// up under 0, its number in the classic method.
std::string PreciseNote(const MonthRequest& r, int month, int tithi) {
  const std::string& note = r.auspicious.Note(month, tithi);
  return note.empty() && tithi == 30 ? r.auspicious.Note(month, 0) : note;
}

DayValues PreciseDay(const MonthRequest& r, const SunriseDay& s) {
  const double zone = PreciseZone(r);
  DayValues v;
  v.date = s.date;
  v.weekday = WeekdayNumber(v.date);
  v.tithi = s.values.tithi;
  v.tithiEnd = {s.tithi.current.end, ClockSinceMidnight(s.tithi.current.end, v.date, zone)};
  if (s.newMoon) {
    v.phase = MoonPhase::New;
    v.phaseInstant = At(*s.newMoon, r);
  } else if (s.fullMoon) {
    v.phase = MoonPhase::Full;
    v.phaseInstant = At(*s.fullMoon, r);
  }
  v.lunarMonth = s.lunation.month;
  v.shaka = s.eras.shaka;
  v.samvatsara = s.eras.samvatsara;
  v.vikram = s.eras.vikram;
  v.kaliYear = KaliYear(v.date, r);
  v.nakshatra = s.values.nakshatra;
  v.yoga = s.values.yoga;
  v.moonSign = s.values.moonSign;
  v.sunSign = s.values.sunSign;
  if (s.sunrise) v.sunrise = ClockSinceMidnight(*s.sunrise, v.date, zone);
  if (s.sunset) v.sunset = ClockSinceMidnight(*s.sunset, v.date, zone);
  if (s.sunSignEntry) v.signEntry = SignEntry{s.sunSignEntry->sign, At(s.sunSignEntry->instant, r)};

  // The notes of the day's tithi, then of each tithi current at no sunrise that lies
  // within the day: one that follows a new moon of the day is in the next month.
  v.auspicious = PreciseNote(r, v.lunarMonth.index, v.tithi);
  for (const Ending& e : s.tithi.skipped) {
    const bool nextMonth = s.newMoon && e.end > *s.newMoon;
    v.auspicious += PreciseNote(r, (nextMonth ? s.nextLunation : s.lunation).month.index, e.value);
  }

  SunriseDayValues& p = v.precise.emplace();
  p.reckoning = At(s.reckoning, r);
  p.nakshatraEnd = At(s.nakshatra.current.end, r);
  p.yogaEnd = At(s.yoga.current.end, r);
  p.moonSignEnd = At(s.moonSign.current.end, r);
  p.skippedTithis = Skipped(s.tithi.skipped, r);
  p.skippedNakshatras = Skipped(s.nakshatra.skipped, r);
  p.skippedYogas = Skipped(s.yoga.skipped, r);
  p.lostMonth = s.lunation.skippedIndex;
  return v;
}

void FillPreciseMonth(const MonthRequest& r, MonthValues& month) {
  if (!MethodCoversYear(Method::Precise, r.year)) return;  // no days
  const double zone = PreciseZone(r);
  const GeoPoint place{r.latitude, r.longitude};
  const std::vector<SunriseDay> days =
      ComputeSunriseDays({r.year, r.month, 1}, DaysOfMonth(r.year, r.month), place,
                         [zone](const CivilDate&) { return zone; });
  month.days.reserve(days.size());
  for (const SunriseDay& s : days) month.days.push_back(PreciseDay(r, s));
  month.newMoon = At(NextNewMoon(days.front().reckoning), r);
  month.fullMoon = At(NextFullMoon(days.front().reckoning), r);
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
  month.newMoon = At(MoonPhaseJDE(0, k), request);
  month.fullMoon = At(MoonPhaseJDE(2, k), request);

  const int n = DaysOfMonth(request.year, request.month);
  month.days.reserve(static_cast<std::size_t>(n));
  for (int day = 1; day <= n; ++day) month.days.push_back(ClassicDay(request, day, month));
  return month;
}

}  // namespace kalnika
