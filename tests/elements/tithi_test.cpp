// Tithi number and tithi ending time: where the tithi outlasts the universal-time
// day, the search stops at 23:59:59 (the table shows the new moon there instead).
// The clock conversions are the worked examples of the rule at its wraps; those of
// ordinary days east and west of Greenwich are the sample tables'.
#include <gtest/gtest.h>

#include "elements/tithi.h"

namespace kalnika {
namespace {

// The clock as the ending column writes it ("21H10").

TEST(TithiNumber, ElongationToTithi) {
  // TithiNumber(Lm, Ls, Lmc, Lsc) depends on d = Lm + Lmc - Ls - Lsc only.
  struct Case { double d; int tithi; const char* why; } cases[] = {
      {-6, 0, "Moon just below the Sun: the new-moon tithi as 0"},
      {6, 1, "first tithi of the bright fortnight"},
      {174, 15, "full-moon tithi"},
      {186, 16, "first of the dark fortnight"},
      {-174, 16, "the same angle taken the other way round"},
      {354, 30, "new-moon tithi across the 0-degree point"},
      {361, 31, "elongation just past 360"},
      {-361, 0, "below -360"},
      {-12, 0, "exactly -12: still the new-moon tithi"},
      {-12.5, 29, "just below -12: last tithi of the dark fortnight"},
      {0, 1, "exactly 0"}};
  for (auto c : cases) EXPECT_EQ(TithiNumber(100 + c.d, 100, 0, 0), c.tithi) << c.why;
  // The corrections enter with their signs.
  EXPECT_EQ(TithiNumber(100, 100, 13, 0.5), 2);
  EXPECT_EQ(TithiNumber(100, 100, 13, 1.5), 1);
}

// The ending times of ordinary days are golden/mumbai-2026-12.json's.
TEST(TithiEndingTime, SearchStopsAtTheEndOfTheDay) {
  // The new-moon tithi outlasts the universal-time day (new moon 9 December 00:53 UT).
  EXPECT_EQ(TithiEndingTime({2026, 12, 8}), JulianDay({2026, 12, 8}, 23, 59, 59));
}

}  // namespace
}  // namespace kalnika
