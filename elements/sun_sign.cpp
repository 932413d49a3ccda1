#include "elements/sun_sign.h"

#include <cmath>

#include "astronomy/mean_elements.h"
#include "astronomy/moon_phase.h"
#include "astronomy/solar.h"

namespace kalnika {

namespace {

int SignOf(double L) { return static_cast<int>(std::floor(L / 30.0)); }

// Sign 0..11 of a longitude that may lie slightly outside [0, 360): a longitude of
// 360 and more is the first sign again, one just below 0 the twelfth.
int ReducedSignOf(double L) {
  int s = SignOf(L) % 12;
  return s < 0 ? s + 12 : s;
}

}  // namespace

double SunTrueLongitude(double u) {
  return SolarLongitudeCorrection(u) + MeanSolarLongitude(u);
}

double SunIngressInstant(double JD) {
  double X = JD + kShiftedAxisDays;
  double L0 = SunTrueLongitude(X - 1.0);
  // Unwrap against the longitude a day earlier: the mean longitude jumps back by
  // 360 when it passes 0, while the Sun moves about one degree a day.
  auto unwrapped = [L0](double u) {
    double L = SunTrueLongitude(u);
    if (L < L0 - 180.0) L += 360.0;
    return L;
  };
  double boundary = std::floor(unwrapped(X) / 30.0) * 30.0;
  // Bisection: the longitude rises monotonically through the day, and 64 halvings
  // of one day reach the resolution of a double near these Julian Days (well
  // under a millisecond).
  double lo = X - 1.0, hi = X;
  for (int i = 0; i < 64; ++i) {
    double mid = lo + (hi - lo) / 2.0;
    if (mid <= lo || mid >= hi) break;
    if (unwrapped(mid) < boundary)
      lo = mid;
    else
      hi = mid;
  }
  return hi - kShiftedAxisDays;
}

SunSign RaasNumber(double JD) {
  double X = JD + kShiftedAxisDays;
  double L1 = SunTrueLongitude(X);
  double L0 = SunTrueLongitude(X - 1.0);
  // Signs modulo 12: the unreduced longitude reaches 360 (each April in most years)
  // or dips below 0, and the entry into the first sign must be reported once, at
  // the real crossing, and the sign must name one of the twelve.
  SunSign r;
  int R1 = ReducedSignOf(L1);
  int R0 = ReducedSignOf(L0);
  r.sign = R1;
  if (R1 != R0) r.ingress = SunIngressInstant(JD);
  return r;
}

namespace {

// New moon of lunation k (0 = the new moon of 6 January 2000), Julian Day.
double NewMoon(double k) { return MoonPhaseJDE(0, k); }

}  // namespace

LunarMonth MaasNumber(double JD) {
  // The lunation that holds JD: NM(k) <= JD < NM(k + 1). The estimate from the mean
  // synodic month is off by less than a lunation near the present and by up to
  // half a lunation far from it; stepping settles it.
  double k = std::floor((JD - 2451550.09766) / 29.530588861);
  while (NewMoon(k) > JD) k = k - 1.0;
  while (NewMoon(k + 1.0) <= JD) k = k + 1.0;

  // The Sun's sign (on the shifted axis) at the new moons that begin the previous,
  // this and the next lunation, each taken into 0..11.
  const int sP = ReducedSignOf(SunTrueLongitude(NewMoon(k - 1.0) + kShiftedAxisDays));
  const int sN = ReducedSignOf(SunTrueLongitude(NewMoon(k) + kShiftedAxisDays));
  const int sF = ReducedSignOf(SunTrueLongitude(NewMoon(k + 1.0) + kShiftedAxisDays));

  // The month is named after the sign the Sun enters during it: the one after sN.
  // A lunation in which the Sun enters no sign is an added month; the lunation after
  // it is the regular month of the same name.
  LunarMonth month{(sN + 1) % 12, MonthKind::Regular};
  if (sF == sN)
    month.kind = MonthKind::Added;
  else if (sP == sN)
    month.kind = MonthKind::RegularAfterAdded;
  return month;
}

}  // namespace kalnika
