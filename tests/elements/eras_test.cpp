// Era years, the sixty-year cycle, moon sign, nakshatra and yoga at their edges
// and wraps; the values of ordinary dates are the sample tables' (golden_test.cpp).
// Era cases are the worked examples of the era rules (Shaka 1947/1948 around Gudhi
// Padwa 2026, Vikram 2082/2083 around Kartik 2026).
#include <gtest/gtest.h>

#include "elements/eras.h"

namespace kalnika {
namespace {

TEST(Eras, ShakaAndVikramYears) {
  struct Case { double JD; int maas; int shaka, vikram; const char* why; } cases[] = {
      {2461131.5, 0, 1948, 2082, "1 April 2026, Chaitra: the Shaka count in its last fifth is advanced"},
      {2461131.5, 11, 1947, 2082, "the same date in Phalgun is not advanced"},
      {2461222.5, 2, 1948, 2082, "1 July 2026: Vikram count 2083.16 held back"},
      {2461345.5, 7, 1948, 2083, "1 November 2026, Kartik: Vikram not held back"}};
  for (auto c : cases) {
    EXPECT_EQ(Shalivahan_shake(c.JD, c.maas), c.shaka) << c.why;
    EXPECT_EQ(Vikram_samvat(c.JD, c.maas), c.vikram) << c.why;
  }
}

TEST(SamvatsaraNumber, SixtyYearCycle) {
  EXPECT_EQ(SamvatsaraNumber(0), 0);
  EXPECT_EQ(SamvatsaraNumber(60), 0);
  EXPECT_EQ(SamvatsaraNumber(-1), 59);  // never out of the table
}

TEST(ChandraRaashiNumber, SignOfSiderealLongitude) {
  struct Case { double lon; int sign; } cases[] = {
      {-5, 11}, {0, 0}, {45, 1}, {359.9, 11}, {361, 0}, {360, 0}, {-365, 11}, {725, 0}};
  for (auto c : cases) EXPECT_EQ(ChandraRaashiNumber(c.lon), c.sign) << c.lon;
}

TEST(NaxatraNumber, MansionOfSiderealLongitude) {
  struct Case { double lon; int n; } cases[] = {
      {-5, 26}, {13.3, 0}, {13.4, 1}, {359, 26}, {360, 0}, {366, 0}, {-400, 24}};
  for (auto c : cases) EXPECT_EQ(NaxatraNumber(c.lon), c.n) << c.lon;
}

TEST(Yoga, NumberAndTheTableIndex) {
  EXPECT_EQ(YogaNumber(0), 0);
  EXPECT_EQ(YogaNumber(13.34), 1);
  EXPECT_EQ(YogaNumber(359.9), 26);
  // The divisor is a little below 40/3: exactly 13.3333333333333 is already yoga 1.
  EXPECT_EQ(YogaNumber(13.3333333333333), 1);
  EXPECT_EQ(YogaNumber(359.9999999999991), 27);
  // The table index keeps to the 27 yogas, also at the 360 the reduction can return.
  EXPECT_EQ(YogaIndex(359.9999999999991), 26);
  EXPECT_EQ(YogaIndex(360.0), 26);
  EXPECT_EQ(YogaIndex(0.0), 0);
}

}  // namespace
}  // namespace kalnika
