// Time argument, mean elements, the Moon's periodic terms, the Sun's equation of
// the centre, the ayanamsha and angle reduction. Expected values are Meeus'
// worked examples (Astronomical Algorithms, 2nd ed.: example 47.a, 12 April 1992,
// JDE 2448724.5; example 25.a, 13 October 1992, JDE 2448908.5), the ayanamsha's
// definition, or were computed independently from the same polynomials, as each
// row says.
#include <gtest/gtest.h>

#include "astronomy/lunar_series.h"
#include "astronomy/mean_elements.h"
#include "astronomy/solar.h"

namespace kalnika {
namespace {

TEST(MeanElements, WorkedExamples) {
  const double ex47a = 2448724.5, ex25a = 2448908.5;
  struct Case { const char* name; double value, expected, tolerance; const char* source; } cases[] = {
      {"T", DynamicTime(ex47a), -0.077221081451, 1e-12, "example 47.a"},
      {"L'", MeanLunarLongitude(ex47a), 134.290182, 5e-7, "example 47.a"},
      // The classic model's T^2 coefficient of D is -0.00118819 (the book: -0.0018819),
      // 4e-6 degree here; the 2025 row below pins it.
      {"D", MeanLunarElongation(ex47a), 113.842304, 5e-6, "example 47.a"},
      {"D in 2025", MeanLunarElongation(2460676.5), 17.675656, 1e-6, "computed independently, T = 0.25"},
      {"M", MeanSolarAnomaly(ex47a), 97.643514, 5e-7, "example 47.a"},
      {"M'", MeanLunarAnomaly(ex47a), 5.150833, 5e-7, "example 47.a"},
      {"F", LunarLatitudeArgument(ex47a), 219.889721, 5e-7, "example 47.a"},
      {"E", EccentricityFactor(ex47a), 1.000194, 5e-7, "example 47.a"},
      {"sum l", LunarLongitudeCorrection(ex47a), -1.1275765, 5e-8,
       "computed independently from the classic table, additive terms included (the book prints -1.127527)"},
      {"sum r", LunarDistanceCorrection(ex47a), -16590.875, 2e-3, "example 47.a: -16590875 m, within 2 m"},
      {"L0", MeanSolarLongitude(ex25a), 201.80720, 5e-6, "example 25.a"},
      {"C", SolarLongitudeCorrection(ex25a), -1.89732, 5e-6, "example 25.a"},
      {"ayanamsha zero", Ayanamsh(1825154.5), 0.0, 0.0, "definition: zero on 1 January 285 (Julian)"},
      {"ayanamsha 1995", Ayanamsh(2449718.5), 23.79055556, 1e-12, "definition: 23 deg 47' 26\""},
      {"ayanamsha J2000", Ayanamsh(2451545), 23.8601296, 5e-8, "computed independently: linear"}};
  for (auto c : cases) EXPECT_NEAR(c.value, c.expected, c.tolerance) << c.name << ", " << c.source;
}

// The evaluations of one instant that the tithi search shares are the same bits as
// the functions of each element; K is ignored by EJDE.
TEST(MeanElements, TheOneEvaluationAgreesBitForBitWithEachFunction) {
  for (double JD : {1749994.5, 2451545.0, 2460676.5, 2461041.5 + 0.123456, 5373484.5}) {
    const MeanElements e = MeanElementsAt(JD);
    EXPECT_EQ(e.T, DynamicTime(JD));
    EXPECT_EQ(e.Lp, MeanLunarLongitude(JD));
    EXPECT_EQ(e.D, MeanLunarElongation(JD));
    EXPECT_EQ(e.Mp, MeanLunarAnomaly(JD));
    EXPECT_EQ(e.F, LunarLatitudeArgument(JD));
    EXPECT_EQ(e.M, MeanSolarAnomaly(JD));
    EXPECT_EQ(e.L0, MeanSolarLongitude(JD));
    EXPECT_EQ(e.E, EccentricityFactor(JD));
    EXPECT_EQ(EJDE(12345.5, e.T), e.E);
    EXPECT_EQ(LunarLongitudeCorrectionOf(e), LunarLongitudeCorrection(JD));
    EXPECT_EQ(SolarLongitudeCorrectionOf(e.T, e.M), SolarLongitudeCorrection(JD));
  }
}

TEST(Reducer, FloorReductionWritesBack) {
  struct Case { double in, out; const char* why; } cases[] = {
      {725, 5, "two turns and 5 degrees"},
      {-10, 350, "negative angles come out positive"},
      {360, 0, "a whole turn"},
      {-360, 0, "a whole negative turn"},
      {359.5, 359.5, "already reduced"},
      {-1e-14, 360, "below the rounding unit of 360: -1e-14 + 360 rounds to 360"}};
  for (auto c : cases) {
    double v = c.in;
    const double r = Reducer(v);
    EXPECT_EQ(r, c.out) << c.why;
    EXPECT_EQ(v, r) << c.why;
  }
}

}  // namespace
}  // namespace kalnika
