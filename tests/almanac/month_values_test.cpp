// The month as values where the sample tables of tests/cli/golden_test.cpp do not
// reach: the automatic zone of each row and the keys outside the notes' table. Row
// count, weekdays, Kali year, phases, notes and sign entries are the samples'.
#include <gtest/gtest.h>

#include "almanac/month_values.h"

namespace kalnika {
namespace {

const DayValues& Day(const MonthValues& m, int day) { return m.days.at(static_cast<std::size_t>(day - 1)); }

TEST(ComputeMonth, AutomaticZoneGivesEachRowItsDatesOffset) {
  // London, March 2026: summer time begins on the 29th (tzdata 2025b, the zone file
  // the tests carry). Sunrise on the 28th is before 6 GMT, on the 30th after 6 BST;
  // the tithi end moves with it, which the daylight-saving box does not do.
  MonthRequest london;
  london.year = 2026;
  london.month = 3;
  london.latitude = 51.5;
  london.longitude = -(8 / 60.0);
  london.clock = Clock::OfZone(ZoneRules::Load("Europe/London", std::string(KALNIKA_TEST_DATA) + "/zoneinfo").rules);
  const MonthValues automatic = ComputeMonth(london);
  EXPECT_EQ(Day(automatic, 28).utcOffset, 0.0);
  EXPECT_EQ(Day(automatic, 30).utcOffset, 1.0);
  EXPECT_EQ(Day(automatic, 28).sunrise->hours, 5);
  EXPECT_EQ(Day(automatic, 30).sunrise->hours, 6);

  MonthRequest box = london;
  box.clock = Clock::Fixed(0, true);
  const MonthValues manual = ComputeMonth(box);
  EXPECT_EQ(Day(manual, 30).sunrise, Day(automatic, 30).sunrise);
  EXPECT_EQ(Day(manual, 30).tithiEnd.clock.hours + 1, Day(automatic, 30).tithiEnd.clock.hours);
}

TEST(AuspiciousDays, KeysOutsideTheTableReadEmpty) {
  AuspiciousDays notes;
  notes.Set(11, 31, "LAST");
  notes.Set(12, 0, "IGNORED");
  EXPECT_EQ(notes.Note(11, 31), "LAST");
  EXPECT_EQ(notes.Note(12, 0), "");
  EXPECT_EQ(notes.Note(-1, 5), "");
  EXPECT_EQ(notes.Note(0, 32), "");
}

}  // namespace
}  // namespace kalnika
