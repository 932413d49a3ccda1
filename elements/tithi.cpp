#include "elements/tithi.h"

#include <cmath>

#include "astronomy/lunar_series.h"
#include "astronomy/mean_elements.h"
#include "astronomy/solar.h"
#include "calendar/calendar.h"

namespace kalnika {

int TithiNumber(double Lm, double Ls, double Lmc, double Lsc) {
  double d = Lm + Lmc - Ls - Lsc;  // degrees, not reduced: about -368 to +368
  auto t = static_cast<int>(std::floor(d / 12.0 + 1.0));
  if (t < 0) t = t + 30;
  return t;
}

TithiAt TithiOfJulianDay(double JD) {
  // One evaluation of the mean elements serves all four longitudes; each value is
  // the one the function of the same name returns.
  MeanElements e = MeanElementsAt(JD);
  TithiAt r;
  r.Lm = e.Lp;
  r.Ls = e.L0;
  r.Lmc = LunarLongitudeCorrectionOf(e);
  r.Lsc = SolarLongitudeCorrectionOf(e.T, e.M);
  r.tithi = TithiNumber(r.Lm, r.Ls, r.Lmc, r.Lsc);
  return r;
}

namespace {

// The first step of 1..last at which `ended` holds, or last + 1 when it holds at
// none. Within a day the tithi only advances (the Moon outruns the Sun by 10 to
// 15 degrees a day, never the 360 that would bring the same tithi back), so once
// it has ended it stays ended: halving finds the same step as trying each in turn,
// with 5 or 6 evaluations instead of up to 59.
template <typename Ended>
int FirstEnded(int last, const Ended& ended) {
  int lo = 1, hi = last + 1;
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (ended(mid)) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return lo;
}

}  // namespace

double TithiEndingTime(const CivilDate& date) {
  auto tithiAt = [&](int h, int m, int s) { return TithiOfJulianDay(JulianDay(date, h, m, s)).tithi; };
  // The tithi has ended when its number has changed modulo 30: 0 and 30 are the
  // same new-moon tithi, 31 is tithi 1, and the step from 29 to 0 (the dark
  // fortnight's last tithi turning into the new-moon tithi) counts as a change.
  const int T0 = tithiAt(0, 0, 0) % 30;
  auto ended = [&](int T) { return T % 30 != T0; };

  // The last whole hour, then minute, then second before the change; 23, 59, 59
  // when it does not change within the step above.
  const int hour = FirstEnded(23, [&](int h) { return ended(tithiAt(h, 0, 0)); });
  const int H = hour <= 23 ? hour - 1 : 23;
  const int minute = FirstEnded(59, [&](int m) { return ended(tithiAt(H, m, 0)); });
  const int Mi = minute <= 59 ? minute - 1 : 59;
  const int second = FirstEnded(59, [&](int s) { return ended(tithiAt(H, Mi, s)); });
  const int S = second <= 59 ? second - 1 : 59;
  return JulianDay(date, H, Mi, S);
}

}  // namespace kalnika
