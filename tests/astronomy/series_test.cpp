// The Moon's longitude and distance series and the Sun's equation of the centre.
// JD 2448724.5 is Meeus' example 47.a (12 April 1992): its sums are Σl = -1127527
// and Σr = -16590875 (in the book's units); the other values were computed
// independently from the same tables.
#include <gtest/gtest.h>

#include <cmath>

#include "astronomy/lunar_series.h"
#include "astronomy/mean_elements.h"
#include "astronomy/solar.h"

namespace kalnika {
namespace {

TEST(LunarSeries, WorkedExamplesAndEpochs) {
  struct Case { double JD, longitude, distance; const char* why; } cases[] = {
      {2448724.5, -1.1275765, -16590.876, "Meeus example 47.a with the additive terms"},
      {2451545, 5.0022049, 17444.252, "J2000.0"},
      {2460676.5, -4.6778426, -3262.217, "1 January 2025"}};
  for (auto c : cases) {
    EXPECT_NEAR(LunarLongitudeCorrection(c.JD), c.longitude, 5e-8) << c.why;
    EXPECT_NEAR(LunarDistanceCorrection(c.JD), c.distance, 5e-4) << c.why;
  }
}

TEST(LunarSeries, CorrectionIsNotReduced) {
  // A negative correction stays negative instead of becoming an angle near 360.
  EXPECT_LT(LunarLongitudeCorrection(2460676.5), 0.0);
  for (int day = 0; day < 60; ++day) EXPECT_LT(std::fabs(LunarLongitudeCorrection(2460676.5 + day)), 7.0);
}

TEST(LunarSeries, PrecomputedElementsGiveTheSameBits) {
  for (double JD = 2460000.5; JD < 2460030; JD += 0.37)
    EXPECT_EQ(LunarLongitudeCorrectionOf(MeanElementsAt(JD)), LunarLongitudeCorrection(JD));
}

TEST(SolarSeries, EquationOfTheCentre) {
  EXPECT_NEAR(SolarLongitudeCorrection(2451545), -0.0843015, 5e-8);
  EXPECT_NEAR(MeanSolarLongitude(2451545) + SolarLongitudeCorrection(2451545), 280.3821585, 5e-8);
  EXPECT_NEAR(SolarLongitudeCorrection(2460676.5), -0.0839420, 5e-8);
  // Its magnitude stays below about 1.91473 degrees at T = 0.
  for (double M = 0; M < 360; M += 0.1) EXPECT_LT(std::fabs(SolarLongitudeCorrectionOf(0, M)), 1.91474);
}

TEST(Ayanamsh, LinearFromItsZeroIn285) {
  EXPECT_EQ(Ayanamsh(1825154.5), 0.0);
  EXPECT_DOUBLE_EQ(Ayanamsh(2449718.5), 23.79055556);
  EXPECT_NEAR(Ayanamsh(2451545), 23.8601296, 5e-8);
  EXPECT_NEAR(Ayanamsh(2460676.5), 24.2079618, 5e-8);
  EXPECT_LT(Ayanamsh(1749994.5), 0.0);  // before its zero: negative, not reduced
}

}  // namespace
}  // namespace kalnika
