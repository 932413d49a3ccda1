// Time argument, mean elements and angle reduction. Expected values at T = 0 are
// the constants of the polynomials; at JD 2460676.5 they were computed
// independently from the same polynomials (Meeus chapters 25 and 47).
#include <gtest/gtest.h>

#include "astronomy/mean_elements.h"

namespace kalnika {
namespace {

TEST(DynamicTime, CountsJulianCenturiesFromJ2000) {
  EXPECT_EQ(DynamicTime(2451545), 0.0);
  EXPECT_EQ(DynamicTime(2488070), 1.0);
  EXPECT_NEAR(DynamicTime(2460676.5), 0.2500068446, 1e-10);
}

TEST(MeanElements, AtTheEpochEqualTheirConstants) {
  const double J2000 = 2451545;
  EXPECT_EQ(Tropical_Year(J2000), 365.2421896698);
  EXPECT_EQ(Lunar_Synodic_Month(J2000), 29.5305888531);
  EXPECT_EQ(MeanLunarLongitude(J2000), 218.3164477);
  EXPECT_EQ(MeanLunarElongation(J2000), 297.8501921);
  EXPECT_EQ(MeanLunarAnomaly(J2000), 134.9633964);
  EXPECT_EQ(LunarLatitudeArgument(J2000), 93.272095);
  EXPECT_EQ(MeanSolarAnomaly(J2000), 357.5291092);
  EXPECT_EQ(MeanSolarLongitude(J2000), 280.46646);
  EXPECT_EQ(EccentricityFactor(J2000), 1.0);
}

TEST(MeanElements, FirstDayOf2025) {
  const double JD = 2460676.5;
  struct Case { const char* name; double value, expected; } cases[] = {
      {"L'", MeanLunarLongitude(JD), 298.580757}, {"D", MeanLunarElongation(JD), 17.675656},
      {"M'", MeanLunarAnomaly(JD), 277.947068},   {"F", LunarLatitudeArgument(JD), 297.083585},
      {"M", MeanSolarAnomaly(JD), 357.538072},    {"L0", MeanSolarLongitude(JD), 280.905348},
      {"E", EccentricityFactor(JD), 0.99937052}};
  for (auto c : cases) EXPECT_NEAR(c.value, c.expected, 1e-6) << c.name;
}

TEST(MeanElements, TheOneEvaluationAgreesBitForBitWithEachFunction) {
  for (double JD : {1749994.5, 2451545.0, 2460676.5, 2461041.5 + 0.123456, 5373484.5}) {
    MeanElements e = MeanElementsAt(JD);
    EXPECT_EQ(e.T, DynamicTime(JD));
    EXPECT_EQ(e.Lp, MeanLunarLongitude(JD));
    EXPECT_EQ(e.D, MeanLunarElongation(JD));
    EXPECT_EQ(e.Mp, MeanLunarAnomaly(JD));
    EXPECT_EQ(e.F, LunarLatitudeArgument(JD));
    EXPECT_EQ(e.M, MeanSolarAnomaly(JD));
    EXPECT_EQ(e.L0, MeanSolarLongitude(JD));
    EXPECT_EQ(e.E, EccentricityFactor(JD));
  }
}

TEST(EJDE, IgnoresK) {
  for (double K : {-1000.0, 0.0, 12.5, 3e6}) EXPECT_EQ(EJDE(K, 0.25), EJDE(0, 0.25));
}

TEST(Reducer, FloorReductionWritesBack) {
  struct Case { double in, out; const char* why; } cases[] = {
      {725, 5, "two turns and 5 degrees"},
      {-10, 350, "negative angles come out positive"},
      {360, 0, "a whole turn"},
      {0, 0, "zero"},
      {-360, 0, "a whole negative turn"},
      {359.5, 359.5, "already reduced"},
      {-1e-14, 360, "below the rounding unit of 360: -1e-14 + 360 rounds to 360"}};
  for (auto c : cases) {
    double v = c.in;
    double r = Reducer(v);
    EXPECT_EQ(r, c.out) << c.why;
    EXPECT_EQ(v, r) << c.why;
  }
}

}  // namespace
}  // namespace kalnika
