// New-moon and full-moon instants (Meeus chapter 49). K = -283 is Meeus' example
// 49.a (new moon of February 1977, JDE 2443192.65118); the full moon of K = 300 was
// computed independently from the same tables.
#include <gtest/gtest.h>

#include "astronomy/moon_phase.h"

namespace kalnika {
namespace {

TEST(MoonPhase, WorkedExamples) {
  EXPECT_NEAR(MoonPhaseJDE(0, -283), 2443192.65118, 5e-6);
  EXPECT_NEAR(MoonPhaseJDE(2, 300), 2460424.49321, 5e-6);
}

TEST(MoonPhase, AnglesAreReduced) {
  for (double K : {-1000.0, -283.0, 0.0, 300.5, 12345.0})
    for (double a : {MsJDE(K, K / 1236.85), MmJDE(K, K / 1236.85), FJDE(K, K / 1236.85), OmegaJDE(K, K / 1236.85)}) {
      EXPECT_GE(a, 0.0) << K;
      EXPECT_LE(a, 360.0) << K;
    }
}

}  // namespace
}  // namespace kalnika
