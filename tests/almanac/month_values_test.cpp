// The month as values: which instant each value of a row is taken at, the lunation
// whose phases the month shows, the key of the auspicious-day note. Whole months are
// compared cell by cell with independently computed tables in tests/cli/; these
// cases pin the rules behind single values.
#include <gtest/gtest.h>

#include "almanac/month_values.h"

namespace kalnika {
namespace {

MonthRequest Mumbai(int year, int month) {
  MonthRequest r;
  r.year = year;
  r.month = month;
  r.latitude = 18 + 58 / 60.0;
  r.longitude = 72 + 50 / 60.0;
  r.timeZone = 5.5;
  return r;
}

const DayValues& Day(const MonthValues& m, int day) { return m.days.at(static_cast<std::size_t>(day - 1)); }

TEST(ComputeMonth, OneRowPerDateWithItsWeekday) {
  const MonthValues february = ComputeMonth(Mumbai(2023, 2));
  ASSERT_EQ(february.days.size(), 28u);
  EXPECT_EQ(Day(february, 1).date, (CivilDate{2023, 2, 1}));
  EXPECT_EQ(Day(february, 1).weekday, 3);  // 1 February 2023 was a Wednesday
  EXPECT_EQ(Day(february, 28).date, (CivilDate{2023, 2, 28}));
  EXPECT_EQ(ComputeMonth(Mumbai(2024, 2)).days.size(), 29u);
}

TEST(ComputeMonth, KaliYearTurnsOnTheShiftedDateAtThePlacesZone) {
  // The shifted year turns on 24 January 2024 at zone 5.5, a day later at zone -5.
  const MonthValues india = ComputeMonth(Mumbai(2024, 1));
  EXPECT_EQ(Day(india, 23).kaliYear, 5125);
  EXPECT_EQ(Day(india, 24).kaliYear, 5126);
  MonthRequest west = Mumbai(2024, 1);
  west.timeZone = -5;
  const MonthValues newYork = ComputeMonth(west);
  EXPECT_EQ(Day(newYork, 24).kaliYear, 5125);
  EXPECT_EQ(Day(newYork, 25).kaliYear, 5126);
  // From input year 6898 on the shifted date passes 9999: June 7000 is Kali 10102.
  EXPECT_EQ(Day(ComputeMonth(Mumbai(7000, 6)), 1).kaliYear, 10102);
}

TEST(ComputeMonth, PhasesOfTheLunationInTheMiddleOfTheMonth) {
  // May 2024: the new moon of 8 May (03:22 UT) and the full moon of 23 May (13:53
  // UT), as the US Naval Observatory lists them, in Indian time.
  const MonthValues may = ComputeMonth(Mumbai(2024, 5));
  EXPECT_EQ(may.newMoon.local.date, (CivilDate{2024, 5, 8}));
  EXPECT_EQ(may.newMoon.local.hour, 8);
  EXPECT_EQ(may.fullMoon.local.date, (CivilDate{2024, 5, 23}));
  EXPECT_EQ(may.fullMoon.local.hour, 19);
  // Daylight saving moves them an hour later.
  MonthRequest summer = Mumbai(2024, 5);
  summer.daylightSaving = true;
  EXPECT_EQ(ComputeMonth(summer).newMoon.local.hour, 9);
}

TEST(ComputeMonth, NewAndFullMoonTithisShowTheMonthsPhases) {
  // December 2026 at 0 h UT: the 8th has the new-moon tithi (0), the 24th the full moon.
  const MonthValues december = ComputeMonth(Mumbai(2026, 12));
  EXPECT_EQ(Day(december, 8).tithi, 0);
  EXPECT_EQ(Day(december, 8).phase, MoonPhase::New);
  EXPECT_EQ(Day(december, 8).phaseInstant.jd, december.newMoon.jd);
  EXPECT_EQ(Day(december, 24).tithi, 15);
  EXPECT_EQ(Day(december, 24).phase, MoonPhase::Full);
  EXPECT_FALSE(Day(december, 1).phase.has_value());
}

TEST(ComputeMonth, AuspiciousNoteOfTheDaysMonthAndRawTithi) {
  // 8 December 2026: Kartik (7) with the new-moon tithi as 0; 24 December: the full
  // moon of Margashirsha (8, 15). Only those keys hold a note here.
  MonthRequest request = Mumbai(2026, 12);
  request.auspicious.Set(7, 0, "AMAVASYA");
  request.auspicious.Set(8, 15, "PURNIMA");
  const MonthValues december = ComputeMonth(request);
  EXPECT_EQ(Day(december, 8).auspicious, "AMAVASYA");
  EXPECT_EQ(Day(december, 24).auspicious, "PURNIMA");
  EXPECT_EQ(Day(december, 23).auspicious, "");
}

TEST(ComputeMonth, SignEntryOnTheDateOfTheCrossingInLocalTime) {
  // The Sun enters Dhanu (8) in the day before 0 h UT of 15 December 2026: 22:44
  // and some 50 seconds IST on the 14th, noted on the 15th's row as 22H45 (the
  // sample table of December 2026 at Mumbai).
  // The instant itself is tests/elements' (sun_sign_test.cpp).
  const MonthValues december = ComputeMonth(Mumbai(2026, 12));
  ASSERT_TRUE(Day(december, 15).signEntry.has_value());
  EXPECT_EQ(Day(december, 15).signEntry->sign, 8);
  EXPECT_EQ(Day(december, 15).signEntry->when.local.date, (CivilDate{2026, 12, 14}));
  EXPECT_FALSE(Day(december, 14).signEntry.has_value());
  EXPECT_FALSE(Day(december, 16).signEntry.has_value());
}

TEST(ComputeMonth, AutomaticZoneGivesEachRowItsDatesOffset) {
  // London, March 2026: summer time begins on the 29th (tzdata); the zone function
  // stands for the place's zone name. Sunrise on the 28th is before 6 GMT, on the
  // 30th after 6 BST; the tithi end moves with it, which the daylight-saving box
  // does not do.
  MonthRequest london;
  london.year = 2026;
  london.month = 3;
  london.latitude = 51.5;
  london.longitude = -(8 / 60.0);
  london.automaticZone = [](const CivilDate& d) { return d.day >= 29 ? 1.0 : 0.0; };
  const MonthValues automatic = ComputeMonth(london);
  EXPECT_EQ(Day(automatic, 28).utcOffset, 0.0);
  EXPECT_EQ(Day(automatic, 30).utcOffset, 1.0);
  EXPECT_EQ(Day(automatic, 28).sunrise->hours, 5);
  EXPECT_EQ(Day(automatic, 30).sunrise->hours, 6);

  MonthRequest box = london;
  box.automaticZone = nullptr;
  box.daylightSaving = true;
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
