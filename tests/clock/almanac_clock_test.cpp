// The classic almanac's clock rules: the ending column's floored clock of a found
// universal time, the notes' minute (seconds above 30 round up), and the zone a
// date gets from a fixed clock or a zone's. Expected texts worked out by hand from
// the rules; the ordinary days are pinned by the sample tables (golden_test.cpp).
#include <string>

#include <gtest/gtest.h>

#include "clock/almanac_clock.h"

namespace kalnika {
namespace {

std::string Text(const ClockTime& t) { return std::to_string(t.hours) + "H" + std::to_string(t.minutes); }

TEST(TithiEndClock, FoundTimeToLocalClock) {
  struct Case { int h, m, s; double zone; const char* text; const char* why; } cases[] = {
      {2, 10, 30, -5, "21H10", "negative hours wrap once by 24"},
      {2, 10, 0, -5, "21H9", "floor of a double that falls just below the whole minute"},
      {23, 30, 0, 5.5, "29H0", "no wrap above 24: the early hours of the next morning"},
      {23, 59, 59, 5.5, "29H29", "a tithi that does not end within the day"}};
  for (auto c : cases) EXPECT_EQ(Text(TithiEndClock(c.h, c.m, c.s, c.zone)), c.text) << c.why;
  // the found second as an instant of its date gives the same clock
  const CivilDate date{2026, 12, 8};
  EXPECT_EQ(Text(TithiEndClock(date, JulianDay(date, 2, 10, 0), -5)), "21H9");
}

TEST(AlmanacMinute, SecondsAboveThirtyRoundUp) {
  struct Case {
    const char* name;
    LocalDateTime time, shown;
  } cases[] = {
      {"ThirtySecondsStay", {{2026, 3, 19}, 6, 53, 30}, {{2026, 3, 19}, 6, 53, 0}},
      {"ThirtyOneGoUp", {{2026, 3, 19}, 6, 53, 31}, {{2026, 3, 19}, 6, 54, 0}},
      {"CarryIntoTheNextDate", {{2026, 12, 31}, 23, 59, 45}, {{2027, 1, 1}, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(AlmanacMinute(c.time), c.shown) << c.name;
}

// A fixed clock keeps the record's zone and the box apart (the tithi end ignores
// the box); a zone's clock holds summer time in its offset.
TEST(ClassicZoneOn, FixedAndZonedClocks) {
  const ClassicZone fixed = ClassicZoneOn(Clock::Fixed(-300, true), {2026, 6, 1});
  EXPECT_EQ(fixed.TimeZone, -5.0);
  EXPECT_TRUE(fixed.DaylightSaving);
  EXPECT_EQ(fixed.Hours(), -4.0);
  const Clock london = Clock::OfZone(ZoneRules::Load("Europe/London", std::string(KALNIKA_TEST_DATA) + "/zoneinfo").rules);
  const ClassicZone summer = ClassicZoneOn(london, {2026, 6, 1});
  EXPECT_EQ(summer.TimeZone, 1.0);
  EXPECT_FALSE(summer.DaylightSaving);
}

}  // namespace
}  // namespace kalnika
