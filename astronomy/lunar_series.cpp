#include "astronomy/lunar_series.h"

#include <cmath>
#include <iterator>

namespace kalnika {

namespace {

// One row of the periodic-term table: integer multipliers of D, M, M', F; the
// power of E that multiplies the term (0, 1 or 2); the sine coefficient of the
// longitude in millionths of a degree and the cosine coefficient of the distance
// in metres. kNone marks a row without a term in that series.
struct LunarTerm {
  int D, M, Mp, F;
  int Epower;
  double sine;
  double cosine;
};
constexpr double kNone = 0.0;

// Meeus, Astronomical Algorithms, table 47.A; rows in the printed order, which is
// the order of summation.
constexpr LunarTerm kLunarTerms[] = {
    {0, 0, 1, 0, 0, 6288774, -20905355},  // 1
    {2, 0, -1, 0, 0, 1274027, -3699111},  // 2
    {2, 0, 0, 0, 0, 658314, -2955968},  // 3
    {0, 0, 2, 0, 0, 213618, -569925},  // 4
    {0, 1, 0, 0, 1, -185116, 48888},  // 5
    {0, 0, 0, 2, 0, -114332, -3149},  // 6
    {2, 0, -2, 0, 0, 58793, 246158},  // 7
    {2, -1, -1, 0, 1, 57006, -152138},  // 8
    {2, 0, 1, 0, 0, 53322, -170733},  // 9
    {2, -1, 0, 0, 1, 45758, -204586},  // 10
    {0, 1, -1, 0, 1, -40923, -129620},  // 11
    {1, 0, 0, 0, 0, -34720, 108743},  // 12
    {0, 1, 1, 0, 1, -30383, 104755},  // 13
    {2, 0, 0, -2, 0, 15327, 10321},  // 14
    {0, 0, 1, 2, 0, -12528, kNone},  // 15
    {0, 0, 1, -2, 0, 10980, 79661},  // 16
    {4, 0, -1, 0, 0, 10675, -34782},  // 17
    {0, 0, 3, 0, 0, 10034, -23210},  // 18
    {4, 0, -2, 0, 0, 8548, -21636},  // 19
    {2, 1, -1, 0, 1, -7888, 24208},  // 20
    {2, 1, 0, 0, 1, -6766, 30824},  // 21
    {1, 0, -1, 0, 0, -5163, -8379},  // 22
    {1, 1, 0, 0, 1, 4987, -16675},  // 23
    {2, -1, 1, 0, 1, 4036, -12831},  // 24
    {2, 0, 2, 0, 0, 3994, -10445},  // 25
    {4, 0, 0, 0, 0, 3861, -11650},  // 26
    {2, 0, -3, 0, 0, 3665, 14403},  // 27
    {0, 1, -2, 0, 1, -2689, -7003},  // 28
    {2, 0, -1, 2, 0, -2602, kNone},  // 29
    {2, -1, -2, 0, 1, 2390, 10056},  // 30
    {1, 0, 1, 0, 0, -2348, 6322},  // 31
    {2, -2, 0, 0, 2, 2236, -9884},  // 32
    {0, 1, 2, 0, 1, -2120, 5751},  // 33
    {0, 2, 0, 0, 2, -2069, kNone},  // 34
    {2, -2, -1, 0, 2, 2048, -4950},  // 35
    {2, 0, 1, -2, 0, -1773, 4130},  // 36
    {2, 0, 0, 2, 0, -1595, kNone},  // 37
    {4, -1, -1, 0, 1, 1215, -3958},  // 38
    {0, 0, 2, 2, 0, -1110, kNone},  // 39
    {3, 0, -1, 0, 0, -892, 3258},  // 40
    {2, 1, 1, 0, 1, -810, 2616},  // 41
    {4, -1, -2, 0, 1, 759, -1897},  // 42
    {0, 2, -1, 0, 2, -713, -2117},  // 43
    {2, 2, -1, 0, 2, -700, 2354},  // 44
    {2, 1, -2, 0, 1, 691, kNone},  // 45
    {2, -1, 0, -2, 1, 596, kNone},  // 46
    {4, 0, 1, 0, 0, 549, -1423},  // 47
    {0, 0, 4, 0, 0, 537, -1117},  // 48
    {4, -1, 0, 0, 1, 520, -1571},  // 49
    {1, 0, -2, 0, 0, -487, -1739},  // 50
    {2, 1, 0, -2, 1, -399, kNone},  // 51
    {0, 0, 2, -2, 0, -381, -4422},  // 52
    {1, 1, 1, 0, 1, 351, kNone},  // 53
    {3, 0, -2, 0, 0, -340, kNone},  // 54
    {4, 0, -3, 0, 0, 330, kNone},  // 55
    {2, -1, 2, 0, 1, 327, kNone},  // 56
    {0, 2, 1, 0, 2, -323, 1165},  // 57
    {1, 1, -1, 0, 1, 299, kNone},  // 58
    {2, 0, 3, 0, 0, 294, kNone},  // 59
    {2, 0, -1, -2, 0, kNone, 8752},  // 60
};
static_assert(std::size(kLunarTerms) == 60, "table 47.A has 60 rows");

// Rows with a dash in one series; a coefficient of 0 does not occur otherwise.
constexpr bool HasSine(const LunarTerm& t) { return t.sine != kNone; }
constexpr bool HasCosine(const LunarTerm& t) { return t.cosine != kNone; }

double EFactor(int power, double E) {
  if (power == 0) return 1.0;
  if (power == 1) return E;
  return E * E;
}

// The argument d·D + m·M + m'·M' + f·F in degrees, summed in that order, unreduced.
double Argument(const LunarTerm& t, const MeanElements& e) {
  return t.D * e.D + t.M * e.M + t.Mp * e.Mp + t.F * e.F;
}

}  // namespace

double LunarLongitudeCorrectionOf(const MeanElements& e) {
  double sum = 0.0;
  for (const LunarTerm& t : kLunarTerms) {
    if (!HasSine(t)) continue;
    sum += t.sine * EFactor(t.Epower, e.E) * std::sin(Argument(t, e) * kDegreesToRadians);
  }
  // Additive terms: Venus (A1), the flattening of the Earth (L' - F) and Jupiter (A2);
  // A1 and A2 are linear in T and used unreduced.
  double A1 = 119.75 + 131.849 * e.T;
  double A2 = 53.09 + 479264.29 * e.T;
  sum += 3958.0 * std::sin(A1 * kDegreesToRadians);
  sum += 1962.0 * std::sin((e.Lp - e.F) * kDegreesToRadians);
  sum += 318.0 * std::sin(A2 * kDegreesToRadians);
  return sum / 1000000.0;
}

double LunarLongitudeCorrection(double JD) { return LunarLongitudeCorrectionOf(MeanElementsAt(JD)); }

double LunarDistanceCorrection(double JD) {
  MeanElements e = MeanElementsAt(JD);
  double sum = 0.0;
  for (const LunarTerm& t : kLunarTerms) {
    if (!HasCosine(t)) continue;
    // This series converts in two steps, times pi then divided by 180; the result
    // differs from the single factor only in the last bits.
    double radians = Argument(t, e) * 3.14159265358979 / 180.0;
    sum += t.cosine * EFactor(t.Epower, e.E) * std::cos(radians);
  }
  return sum / 1000.0;
}

}  // namespace kalnika
