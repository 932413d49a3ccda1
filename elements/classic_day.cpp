#include "elements/classic_day.h"

#include <cmath>

#include "astronomy/mean_elements.h"
#include "astronomy/moon_phase.h"
#include "astronomy/solar.h"
#include "astronomy/sunrise.h"
#include "elements/eras.h"
#include "elements/tithi.h"

namespace kalnika {

ClassicDay ComputeClassicDay(const CivilDate& date, double latitude, double longitude) {
  ClassicDay v;
  const double JD = JulianDay(date);
  const TithiAt at = TithiOfJulianDay(JD);
  const double Lm = at.Lm, Ls = at.Ls, Lsc = at.Lsc, Lmc = at.Lmc;
  v.tithi = at.tithi;
  v.tithiEnd = TithiEndingTime(date);

  const SunSign sun = RaasNumber(JD);
  v.sunSign = sun.sign;
  v.signEntry = sun.ingress;

  v.lunarMonth = MaasNumber(JD);
  v.shaka = Shalivahan_shake(JD, v.lunarMonth.index);
  v.samvatsara = SamvatsaraNumber(v.shaka);
  v.vikram = Vikram_samvat(JD, v.lunarMonth.index);

  const double Ayan = Ayanamsh(JD);
  v.nakshatra = NaxatraNumber(Lm + Lmc - Ayan);
  // The yoga is the sum of the two sidereal longitudes: the ayanamsha comes off
  // both the Moon and the Sun.
  double y = Lm + Lmc + Ls + Lsc - Ayan - Ayan;
  v.yoga = YogaIndex(Reducer(y));
  v.moonSign = ChandraRaashiNumber(Lm + Lmc - Ayan);

  v.sunriseHours = SunriseSunsetUT(date, latitude, longitude, SunEvent::Sunrise);
  v.sunsetHours = SunriseSunsetUT(date, latitude, longitude, SunEvent::Sunset);
  return v;
}

ClassicPhases ClassicMonthPhases(int year, int month) {
  const double half = DaysOfMonth(year, month) / 2.0;
  const double doy = (DayOfYear({year, month, 1}) - 1.0) + half;
  const double y = year + doy / 365.25;
  const double k = std::floor((y - 2000.0) * 12.3685);
  return {MoonPhaseJDE(0, k), MoonPhaseJDE(2, k)};
}

}  // namespace kalnika
