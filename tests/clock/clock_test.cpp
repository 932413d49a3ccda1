// The place's clock: offsets of a fixed zone and of tzdata's zones, local dates in
// the proleptic Gregorian calendar of the table's rows, the minute a time is shown
// at, and the almanac's hours counted from a row's midnight. Julian Days of the
// dates are taken from Python's proleptic Gregorian ordinals (date.toordinal() +
// 1721424.5), not from calendar/.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "clock/clock.h"

namespace kalnika {
namespace {

const std::string kZones = std::string(KALNIKA_TEST_DATA) + "/zoneinfo";

Clock ZoneClock(const std::string& name) { return Clock::OfZone(ZoneRules::Load(name, kZones).rules); }

constexpr double kSecond = 1.0 / 86400.0;

TEST(ClockOffsets, FixedOffsetsKeepTheirMinutes) {
  // Kathmandu's record "+05:45" is 345 minutes; New York's -05:00 with the box ticked
  EXPECT_EQ(Clock::Fixed(345).OffsetOn({2026, 10, 1}), 20700);
  EXPECT_EQ(Clock::Fixed(-300, true).OffsetOn({2026, 1, 1}), -14400);
  EXPECT_EQ(Clock::Fixed(-300, true).OffsetAt(2461375.5), -14400);
  EXPECT_EQ(Clock().OffsetOn({2026, 1, 1}), 0);
}

// London left summer time at 01:00 UT on 25 October 2026 (EU rule): the date's
// offset is its noon's, an instant's the one in force then.
TEST(ClockOffsets, AZonesDateAndInstant) {
  const Clock london = ZoneClock("Europe/London");
  ASSERT_TRUE(london.Zoned());
  EXPECT_EQ(london.ZoneName(), "Europe/London");
  EXPECT_EQ(london.OffsetOn({2026, 10, 25}), 0);
  EXPECT_EQ(london.OffsetOn({2026, 10, 24}), 3600);
  const double change = 2461338.5 + 1.0 / 24;  // 2026-10-25 01:00 UT
  EXPECT_EQ(london.OffsetAt(change - kSecond), 3600);
  EXPECT_EQ(london.OffsetAt(change), 0);
  // the hour repeated: 00:59:59 UT is 01:59:59 BST, 01:00:00 UT is 01:00:00 GMT
  EXPECT_EQ(london.LocalAt(change - kSecond).hour, 1);
  EXPECT_EQ(london.LocalAt(change - kSecond).minute, 59);
  EXPECT_EQ(london.LocalAt(change).hour, 1);
  EXPECT_EQ(london.LocalAt(change).minute, 0);
}

// The rows of a month are proleptic Gregorian dates, also before 15 October 1582,
// and so are the local dates of their instants: Mumbai's sunrise of 1 October 1000
// at 06:52 (+05:30) is on 1 October, not on the Julian calendar's 26 September.
TEST(ClockLocalTime, ProlepticGregorianBefore1582) {
  const Clock mumbai = Clock::Fixed(330);
  const LocalDateTime sunrise = mumbai.LocalAt(2086575.5 + (1 * 60 + 22) / 1440.0);
  EXPECT_EQ(sunrise, (LocalDateTime{{1000, 10, 1}, 6, 52, 0}));
  EXPECT_EQ(mumbai.LocalAt(2299159.5).date, (CivilDate{1582, 10, 14}));
}

TEST(ClockLocalTime, MidnightOfADate) {
  EXPECT_NEAR(Clock::Fixed(330).MidnightOf({2026, 12, 1}), 2461375.5 - 5.5 / 24, 1e-9);
  // New York on summer time in June: 04:00 UT
  EXPECT_NEAR(ZoneClock("America/New_York").MidnightOf({2026, 6, 1}), 2461192.5 + 4.0 / 24, 1e-9);
  // Oslo puts its clocks forward at 01:00 UT on 29 March 2026: that date's
  // midnight is still on winter time (+1), 23:00 UT, not on the date's noon offset
  EXPECT_NEAR(ZoneClock("Europe/Oslo").MidnightOf({2026, 3, 29}), 2461128.5 - 1.0 / 24, 1e-9);
  // Santiago skips the midnight of 6 September 2026 (24:00 of the first Saturday
  // becomes 01:00): the date begins at the change, 04:00 UT
  EXPECT_NEAR(ZoneClock("America/Santiago").MidnightOf({2026, 9, 6}), 2461289.5 + 4.0 / 24, 1e-9);
}

TEST(ClockShownTime, NearestMinuteHalfUp) {
  struct Case {
    const char* name;
    LocalDateTime time, shown;
  } cases[] = {
      {"HalfMinuteGoesUp", {{2026, 12, 1}, 6, 59, 30}, {{2026, 12, 1}, 7, 0, 0}},
      {"BelowHalfStays", {{2026, 12, 1}, 6, 59, 29}, {{2026, 12, 1}, 6, 59, 0}},
      {"CarriesIntoTheNextDate", {{2026, 12, 31}, 23, 59, 45}, {{2027, 1, 1}, 0, 0, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(NearestMinute(c.time), c.shown) << c.name;
}

// The almanac's hours: from the midnight that begins the row's date, so the early
// hours of the next morning read 24 and more (27:40 is 03:40 of the next date).
TEST(ClockShownTime, HoursFromTheRowsMidnight) {
  struct Case {
    const char* name;
    LocalDateTime time;
    ClockTime clock;
  } cases[] = {
      {"SameDate", {{2026, 12, 1}, 6, 55, 0}, {6, 55}},
      {"NextMorning", {{2026, 12, 2}, 3, 40, 0}, {27, 40}},
      {"NextMidnight", {{2026, 12, 2}, 0, 0, 0}, {24, 0}},
      {"EveningBefore", {{2026, 11, 30}, 23, 10, 0}, {-1, 10}},
  };
  const CivilDate row{2026, 12, 1};
  for (const Case& c : cases) {
    EXPECT_EQ(ClockSince(c.time, row), c.clock) << c.name;
    EXPECT_EQ(LocalOfClock(c.clock, row), c.time) << c.name;
  }
  const CivilDate lastOfYear{2026, 12, 31};
  EXPECT_EQ(ClockSince({{2027, 1, 1}, 1, 5, 0}, lastOfYear), (ClockTime{25, 5}));
}

}  // namespace
}  // namespace kalnika
