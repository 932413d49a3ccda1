#include "elements/sun_sign.h"

#include <cmath>

#include "astronomy/mean_elements.h"
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

LunarMonth MaasNumber(double JD, int RawTithi) {
  double X = JD + kShiftedAxisDays;
  double S = Lunar_Synodic_Month(X);
  double N = X - S * RawTithi / 30.0;  // estimated beginning of the lunar month
  int sN = SignOf(SunTrueLongitude(N));
  int m = RawTithi == 0 ? sN : sN + 1;
  if (m > 11) m = m - 12;
  // With the Sun just below 0 at a new-moon tithi the sign is -1; the month is then
  // the last of the year (the unreduced 12 near the first sign is kept as it is:
  // it gives the months of the real calendar).
  if (m < 0) m = m + 12;
  int sP = SignOf(SunTrueLongitude(N - S));
  int sF = SignOf(SunTrueLongitude(N + S));
  if (sF == sN) m = m + 11;  // the Sun stays in one sign until the next new moon
  if (sP == sN) m = m + 22;  // it stayed in one sign through the previous month
  // The sums overlap (an added first month reads as the regular twelfth); they are
  // taken apart as the month column always did.
  LunarMonth month{m, MonthKind::Regular};
  if (month.index > 22) month = {month.index - 22, MonthKind::RegularAfterAdded};
  if (month.index > 11) month = {month.index - 11, MonthKind::Added};
  return month;
}

}  // namespace kalnika
