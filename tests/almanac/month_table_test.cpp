// The month table driver: era labels, notes, the month's phase texts and the
// special rows. Whole months are compared cell by cell with independently computed
// tables in the command-line tool's tests (tests/cli/golden_test.cpp); these cases
// pin the rules behind single cells.
#include <gtest/gtest.h>

#include <cmath>

#include "almanac/month_table.h"
#include "almanac/name_tables.h"
#include "astronomy/moon_phase.h"
#include "calendar/calendar.h"

namespace kalnika {
namespace {

MonthRequest Mumbai(int monthIndex, int year) {
  MonthRequest r;
  r.monthIndex = monthIndex;
  r.year = year;
  r.latitude = 18 + 58 / 60.0;
  r.longitude = 72 + 50 / 60.0;
  r.timeZone = 5.5;
  return r;
}

TEST(KaliYearOf, YearFieldOfTheShiftedDate) {
  EXPECT_EQ(KaliYearOf("1/24/5126"), "5126");
  EXPECT_EQ(KaliYearOf("1/24/5126 5:30:00 AM"), "5126");
  EXPECT_EQ(KaliYearOf("1/24/10101 5:30:00 AM"), "10101");  // never cut to four digits
  EXPECT_EQ(KaliYearOf("garbage"), "");
}

TEST(MonthTable, KaliYearChangesOnThe24thOfJanuary2024) {
  // At zone 5.5 the shifted year turns on 24 January 2024; at zone -5 a day later.
  MonthRequest india = Mumbai(0, 2024);
  MonthPhases phases = MonthPhaseTexts(0, 2024, 5.5, false);
  EXPECT_EQ(ComputeDayRow(india, 23, phases, nullptr).kaliYear, "5125");
  EXPECT_EQ(ComputeDayRow(india, 24, phases, nullptr).kaliYear, "5126");
  MonthRequest newYork = india;
  newYork.timeZone = -5;
  EXPECT_EQ(ComputeDayRow(newYork, 24, phases, nullptr).kaliYear, "5125");
  EXPECT_EQ(ComputeDayRow(newYork, 25, phases, nullptr).kaliYear, "5126");

  MemoryGrid grid;
  std::string note;
  MonthLabels labels = WriteMonthDays(india, grid, nullptr, note);
  EXPECT_EQ(labels.kaliCaption, std::string(kKaliPrefix) + "5126");
  EXPECT_EQ(grid.Cell(23, 16), std::string(kKaliPrefix) + "5125" + kKaliNewYearSuffix);
}

TEST(MonthTable, KaliLabelOfFarYearsKeepsAllDigits) {
  // From input year 6898 on the shifted date passes 9999: June 7000 is Kali 7000 + 3102.
  MemoryGrid grid;
  std::string note;
  MonthLabels labels = WriteMonthDays(Mumbai(5, 7000), grid, nullptr, note);
  EXPECT_EQ(labels.kaliCaption, std::string(kKaliPrefix) + "10102");
}

TEST(MonthTable, VikramCaptionShowsBothYearsOfTheMonthOfItsNewYear) {
  // Vikram Samvat 2083 begins on Kartik Shukla Pratipada, 10 November 2026.
  MemoryGrid grid;
  std::string note;
  EXPECT_EQ(WriteMonthDays(Mumbai(10, 2026), grid, nullptr, note).vikramCaption,
            std::string(kVikramPrefix) + "2082     2083");
  EXPECT_EQ(WriteMonthDays(Mumbai(11, 2026), grid, nullptr, note).vikramCaption,
            std::string(kVikramPrefix) + "2083     ");
}

TEST(MonthTable, IngressNoteComesFirstAndIsGoneTheNextDay) {
  // The Sun enters Dhanu on 15 December 2026 (22H45 at Mumbai); the auspicious-day
  // note of the day follows the ingress note directly.
  MemoryGrid grid;
  std::string DayNote = "left over";
  AuspiciousLookup lookup = [](int, int) { return std::string("NOTE"); };
  WriteMonthDays(Mumbai(11, 2026), grid, lookup, DayNote);
  EXPECT_EQ(grid.Cell(15, 16), "s:\xDCy:a\xFC" "c:a D:n:\xD8 raeS:)v:\xF0S: 22H45 NOTE");
  EXPECT_EQ(grid.Cell(16, 16), "NOTE");
  EXPECT_TRUE(DayNote.empty());
}

TEST(MonthTable, AuspiciousLookupGetsTheReducedMonthAndTheRawTithi) {
  // 8 December 2026 at 0 h UT: Kartik (7), new-moon tithi as 0; 24 December: the
  // full moon of Margashirsha (8, 15).
  std::vector<std::pair<int, int>> asked;
  AuspiciousLookup lookup = [&](int maas, int tithi) {
    asked.emplace_back(maas, tithi);
    return std::string();
  };
  MemoryGrid grid;
  std::string note;
  WriteMonthDays(Mumbai(11, 2026), grid, lookup, note);
  ASSERT_EQ(asked.size(), 31u);
  EXPECT_EQ(asked[7], std::make_pair(7, 0));
  EXPECT_EQ(asked[23], std::make_pair(8, 15));
}

TEST(MonthTable, PhaseTextsReplaceTheEndingTimeOnNewAndFullMoonRows) {
  MonthPhases phases = MonthPhaseTexts(11, 2026, 5.5, false);
  MonthRequest december = Mumbai(11, 2026);
  DayRow newMoon = ComputeDayRow(december, 8, phases, nullptr);
  EXPECT_EQ(newMoon.cells[9], phases.newMoon);
  EXPECT_EQ(newMoon.cells[7], "");                     // no fortnight on the new-moon tithi
  EXPECT_EQ(newMoon.cells[8], TithiNames[0]);
  DayRow fullMoon = ComputeDayRow(december, 24, phases, nullptr);
  EXPECT_EQ(fullMoon.cells[9], phases.fullMoon);
  EXPECT_EQ(fullMoon.cells[7], "");
  EXPECT_EQ(fullMoon.cells[8], TithiNames[15]);
  DayRow dark = ComputeDayRow(december, 1, phases, nullptr);
  EXPECT_EQ(dark.cells[7], kDarkFortnight);
}

TEST(MonthPhaseTexts, LunationOfTheMiddleOfTheMonth) {
  // May 2024: half = 15.5, y = 2024 + DayOfYear(5, 15.5, 2024) / 365.25,
  // k = floor((y - 2000) * 12.3685) = 301: new moon 8 May 2024, full moon 23 May
  // (K = 300 is the new moon of 8 April 2024, the eclipse).
  double y = 2024 + DayOfYear(5, 15.5, 2024) / 365.25;
  ASSERT_EQ(std::floor((y - 2000) * 12.3685), 301.0);
  MonthPhases p = MonthPhaseTexts(4, 2024, 5.5, false);
  EXPECT_EQ(p.newMoon, MoonPhaseTime(0, 301, 5.5, false));
  EXPECT_EQ(p.fullMoon, MoonPhaseTime(2, 301, 5.5, false));
  // Daylight saving moves both one hour later.
  MonthPhases dst = MonthPhaseTexts(4, 2024, 5.5, true);
  EXPECT_NE(dst.newMoon, p.newMoon);
}

TEST(MonthTable, ColumnsOfAMonthWithinItsDays) {
  MemoryGrid grid;
  std::string note;
  WriteMonthDays(Mumbai(1, 2023), grid, nullptr, note);  // 28 days
  EXPECT_EQ(grid.Cell(1, 1), "1");
  EXPECT_EQ(grid.Cell(28, 1), "28");
  EXPECT_EQ(grid.Cell(28, 2), "2023");
  EXPECT_EQ(grid.Cell(29, 1), "");  // the driver never writes past the month
  EXPECT_EQ(grid.Cell(1, 3), WeekdayNames[3]);  // 1 February 2023 was a Wednesday
}

}  // namespace
}  // namespace kalnika
