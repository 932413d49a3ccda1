// Sun sign with its ingress, and the lunar month, where the sample tables do not
// reach: far years, the months after an added one, counts over decades. The
// ingress instants of ordinary dates are the sample tables' notes (golden_test.cpp:
// mumbai-2024-01, mumbai-2025-04, mumbai-2026-12).
#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "elements/sun_sign.h"

namespace kalnika {
namespace {

TEST(RaasNumber, FirstSignIsEnteredOnceAndTheSignNeverLeavesTheTable) {
  // Each April of these years the unreduced longitude passes 360; around the year
  // 3400 it dips below 0 near the same date. Exactly one ingress, into the first
  // sign, and every sign is 0..11.
  for (int year : {2025, 2026, 2100, 3400, 3623, 9999}) {
    int ingresses = 0;
    for (int day = 1; day <= 30; ++day) {
      const SunSign r = RaasNumber(JulianDay({year, 4, day}));
      EXPECT_TRUE(r.sign >= 0 && r.sign <= 11) << year << "-04-" << day;
      ingresses += r.ingress ? 1 : 0;
      EXPECT_TRUE(!r.ingress || r.sign == 0) << year << "-04-" << day;
    }
    EXPECT_EQ(ingresses, 1) << year;
  }
}

TEST(MaasNumber, TheMonthChangesAtTheNewMoon) {
  // 2026 after the added month, as the independent reference computation gives it
  // (tools/reference/kalnika_reference.py, lunar_month); its start on 13 August is
  // reference/mumbai-2026-08-adhik.json's. The new moons of 11 September and
  // 10 October fall after 0 h UT: every date of a lunation has the same month.
  struct Case { int m, d; LunarMonth month; const char* why; } cases[] = {
      {9, 11, {5, MonthKind::Added}, "added to its last date"},
      {9, 12, {5, MonthKind::RegularAfterAdded}, "the regular Bhadrapad after it"},
      {10, 10, {5, MonthKind::RegularAfterAdded}, "to its last date"},
      {10, 11, {6, MonthKind::Regular}, "Ashwin"}};
  for (auto c : cases) EXPECT_EQ(MaasNumber(JulianDay({2026, c.m, c.d})), c.month) << c.why;
}

TEST(MaasNumber, NineteenAddedMonthsFrom1990To2040) {
  // The reference computation counts 19 added months over 1990-2040 (as many as
  // the real calendar has), the first in the lunation of June 1991 and the last in
  // that of December 2039 (tools/reference/lunar_month_changes.py --list).
  int added = 0;
  bool inAdded = false;
  CivilDate first{}, last{};
  for (CivilDate d{1990, 1, 1}; d.year <= 2040; d = AddDays(d, 1)) {
    const bool isAdded = MaasNumber(JulianDay(d)).kind == MonthKind::Added;
    if (isAdded && !inAdded) {
      ++added;
      if (added == 1) first = d;
      last = d;
    }
    inAdded = isAdded;
  }
  EXPECT_EQ(added, 19);
  EXPECT_EQ(first.year, 1991);
  EXPECT_EQ(first.month, 6);
  EXPECT_EQ(last.year, 2039);
  EXPECT_EQ(last.month, 12);
}

TEST(MaasNumber, AlwaysIndexesTheMonthNames) {
  // Far from the present the Sun's unreduced longitude can fall just below 0 or
  // reach 360 at a new moon; the index stays 0..11.
  for (int year : {79, 3359, 3623, 5000, 32767}) {
    for (int day = 0; day < 400; day += 3) {
      LunarMonth m = MaasNumber(JulianDay({year, 1, 1}) + day);
      EXPECT_GE(m.index, 0) << year << " " << day;
      EXPECT_LE(m.index, 11) << year << " " << day;
    }
  }
}

}  // namespace
}  // namespace kalnika
