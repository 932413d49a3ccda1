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

double TithiEndingTime(const CivilDate& date) {
  auto tithiAt = [&](int h, int m, int s) { return TithiOfJulianDay(JulianDay(date, h, m, s)).tithi; };
  // The tithi has ended when its number has changed modulo 30: 0 and 30 are the
  // same new-moon tithi, 31 is tithi 1, and the step from 29 to 0 (the dark
  // fortnight's last tithi turning into the new-moon tithi) counts as a change.
  const int T0 = tithiAt(0, 0, 0) % 30;
  auto ended = [&](int T) { return T % 30 != T0; };

  int H = 23;
  for (int h = 1; h <= 23; ++h) {
    if (ended(tithiAt(h, 0, 0))) {
      H = h - 1;
      break;
    }
  }
  int Mi = 59;
  for (int m = 1; m <= 59; ++m) {
    if (ended(tithiAt(H, m, 0))) {
      Mi = m - 1;
      break;
    }
  }
  int S = 59;
  for (int s = 1; s <= 59; ++s) {
    if (ended(tithiAt(H, Mi, s))) {
      S = s - 1;
      break;
    }
  }
  return JulianDay(date, H, Mi, S);
}

}  // namespace kalnika
