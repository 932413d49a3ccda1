// New-moon and full-moon instants (Meeus chapter 49). K = -283 is Meeus' example
// 49.a (new moon of February 1977, JDE 2443192.65118); K = 300 was computed
// independently from the same tables.
#include <gtest/gtest.h>

#include "astronomy/moon_phase.h"

namespace kalnika {
namespace {

TEST(MoonPhase, WorkedExamples) {
  EXPECT_NEAR(MoonPhaseJDE(0, -283), 2443192.65118, 5e-6);
  EXPECT_NEAR(MoonPhaseJDE(2, 300), 2460424.49321, 5e-6);
  EXPECT_NEAR(MoonPhaseJDE(0, 300), 2460409.26530, 5e-6);
}

TEST(MoonPhase, AnglesAreReduced) {
  for (double K : {-1000.0, -283.0, 0.0, 300.5, 12345.0}) {
    double T = K / 1236.85;
    for (double a : {MsJDE(K, T), MmJDE(K, T), FJDE(K, T), OmegaJDE(K, T)}) {
      EXPECT_GE(a, 0.0);
      EXPECT_LE(a, 360.0);
    }
  }
}

}  // namespace
}  // namespace kalnika
