#include "elements/karana.h"

#include <cmath>
#include <vector>

#include "elements/precise.h"

namespace kalnika {

namespace {

// Movable karanas in their cycle: Bava .. Vishti.
constexpr int kMovableKaranas = 7;

// Angle in degrees into [0, 360); fmod of a tiny negative angle plus 360 can round
// to exactly 360, which belongs to 0.
double Reduce360(double degrees) {
  double r = std::fmod(degrees, 360.0);
  if (r < 0.0) r += 360.0;
  if (r >= 360.0) r -= 360.0;
  return r;
}

// Elongation of the Moon from the Sun at jdUt, degrees [0, 360), with its rate.
ElementAngle ElongationAt(double jdUt) { return AngleOf(Element::Tithi, SiderealSunMoon(jdUt)); }

// 0-based half-tithi 0..59 of an elongation: the quotient of an angle just below 360
// can round up to 60, which belongs to the last division.
int DivisionOf(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  int d = static_cast<int>(std::floor(degrees / kHalfTithiSpan));
  if (d >= kHalfTithiCount) d = kHalfTithiCount - 1;
  if (d < 0) d = 0;
  return d;
}

// The instant at which the elongation reaches the division line `line` (degrees,
// unwrapped: it may exceed 360), from a guess that assumes the rate at `from` holds.
// The guess is within an hour or so of the crossing, well inside the half month in
// which Newton's method of CrossingNear finds the one crossing nearest to it.
double LineCrossing(double line, double from, const ElementAngle& at) {
  const double guess = from + (line - at.degrees) / at.rate;
  return CrossingNear(Element::Tithi, Reduce360(line), guess);
}

}  // namespace

int HalfTithiOfElongation(double degrees) { return DivisionOf(degrees) + 1; }

int KaranaOfHalfTithi(int halfTithi) {
  if (halfTithi <= 1) return kKaranaKimstughna;
  if (halfTithi == 58) return kKaranaShakuni;
  if (halfTithi == 59) return kKaranaChatushpada;
  if (halfTithi >= 60) return kKaranaNaga;
  return (halfTithi - 2) % kMovableKaranas;  // 2 Bava, 3 Balava, ... 8 Vishti, 9 Bava
}

int HalfTithiAt(double jdUt) { return HalfTithiOfElongation(ElongationAt(jdUt).degrees); }

int KaranaAt(double jdUt) { return KaranaOfHalfTithi(HalfTithiAt(jdUt)); }

double NextKaranaChange(double jdUt) {
  const ElementAngle at = ElongationAt(jdUt);
  return LineCrossing((DivisionOf(at.degrees) + 1) * kHalfTithiSpan, jdUt, at);
}

ElementRun KaranaRunBetween(double reckoning, double nextReckoning) {
  const ElementAngle a0 = ElongationAt(reckoning);
  const ElementAngle a1 = ElongationAt(nextReckoning);
  const int first = DivisionOf(a0.degrees);
  // Lines crossed between the two instants: the elongation grows by 10 to 16
  // degrees a day, so a day crosses at most three lines and never 60.
  const int lines = (DivisionOf(a1.degrees) - first + kHalfTithiCount) % kHalfTithiCount;

  // The crossing of each line, kept inside the day and in order: a crossing refined
  // to within a millisecond of either end can land a hair outside it.
  std::vector<double> crossings;
  for (int k = 1; k <= lines; ++k) {
    double when = LineCrossing((first + k) * kHalfTithiSpan, reckoning, a0);
    if (!(when > reckoning)) when = reckoning;  // also catches NaN
    if (when > nextReckoning) when = nextReckoning;
    if (!crossings.empty() && when < crossings.back()) when = crossings.back();
    crossings.push_back(when);
  }

  ElementRun run;
  run.current.value = KaranaOfHalfTithi(first + 1);
  run.current.end = crossings.empty() ? NextKaranaChange(nextReckoning) : crossings.front();
  for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
    const int halfTithi = (first + 1 + static_cast<int>(k)) % kHalfTithiCount + 1;
    run.skipped.push_back({KaranaOfHalfTithi(halfTithi), crossings[k + 1]});
  }
  return run;
}

}  // namespace kalnika
