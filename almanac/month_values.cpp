#include "almanac/month_values.h"

#include <cmath>

#include "astronomy/mean_elements.h"
#include "astronomy/moon_phase.h"
#include "astronomy/solar.h"
#include "astronomy/sunrise.h"
#include "elements/eras.h"
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

  v.lunarMonth = MaasNumber(JD);
  v.shaka = Shalivahan_shake(JD, v.lunarMonth.index);
  v.samvatsara = SamvatsaraNumber(v.shaka);
  v.vikram = Vikram_samvat(JD, v.lunarMonth.index);
  v.kaliYear = LocalDateTimeOf(JD + kShiftedAxisDays, r.timeZone, r.daylightSaving).date.year;

  const double Ayan = Ayanamsh(JD);
  v.nakshatra = NaxatraNumber(Lm + Lmc - Ayan);
  // The yoga is the sum of the two sidereal longitudes: the ayanamsha comes off
  // both the Moon and the Sun.
  double y = Lm + Lmc + Ls + Lsc - Ayan - Ayan;
  v.yoga = YogaIndex(Reducer(y));
  v.moonSign = ChandraRaashiNumber(Lm + Lmc - Ayan);

  v.sunrise = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunrise, r.timeZone,
                                r.daylightSaving);
  v.sunset = SunriseSunsetTime(v.date, r.latitude, r.longitude, SunEvent::Sunset, r.timeZone,
                               r.daylightSaving);
  v.auspicious = r.auspicious.Note(v.lunarMonth.index, v.tithi);
  return v;
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

MonthValues ComputeMonth(const MonthRequest& request) {
  MonthValues month;
  month.year = request.year;
  month.month = request.month;
  month.yearText = request.yearText.empty() ? std::to_string(request.year) : request.yearText;
  month.method = request.method;

  const double k = MiddleLunation(request.year, request.month);
  month.newMoon = At(MoonPhaseJDE(0, k), request);
  month.fullMoon = At(MoonPhaseJDE(2, k), request);

  const int n = DaysOfMonth(request.year, request.month);
  month.days.reserve(static_cast<std::size_t>(n));
  for (int day = 1; day <= n; ++day) month.days.push_back(ClassicDay(request, day, month));
  return month;
}

}  // namespace kalnika
