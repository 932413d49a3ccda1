// The texts of the month table, formatted from values made up for each case: the
// fortnight and tithi name rules, the lunar-month prefixes, the notes column, the
// era captions and the rows past the end of the month.
#include <gtest/gtest.h>

#include "almanac/month_text.h"
#include "almanac/name_tables.h"

namespace kalnika {
namespace {

TEST(FortnightAndTithiName, EveryTithiNumber) {
  // 1..14 bright, 15 full moon, 16..29 dark with names 1..14, 0 and 30 the new
  // moon; 31 (just past 360 degrees) is shown as the first of the bright fortnight.
  for (int tithi = 0; tithi <= 31; ++tithi) {
    const std::string label = FortnightText(tithi);
    const int name = TithiNameIndex(tithi);
    if (tithi == 0 || tithi == 30) {
      EXPECT_EQ(label, "") << tithi;
      EXPECT_EQ(name, 0) << tithi;
    } else if (tithi == 15) {
      EXPECT_EQ(label, "") << tithi;
      EXPECT_EQ(name, 15) << tithi;
    } else if (tithi >= 16 && tithi <= 29) {
      EXPECT_EQ(label, kDarkFortnight) << tithi;
      EXPECT_EQ(name, tithi - 15) << tithi;
    } else {
      EXPECT_EQ(label, kBrightFortnight) << tithi;
      EXPECT_EQ(name, tithi == 31 ? 1 : tithi) << tithi;
    }
  }
}

TEST(LunarMonthText, PrefixesAreKindsNotSums) {
  EXPECT_EQ(LunarMonthText({5, MonthKind::Regular}), MaasNames[5]);
  EXPECT_EQ(LunarMonthText({5, MonthKind::Added}), "AeD:k" + MaasNames[5]);
  EXPECT_EQ(LunarMonthText({5, MonthKind::RegularAfterAdded}), "en:j:" + MaasNames[5]);
  // An added first month is Chaitra with its prefix, not the regular twelfth month.
  EXPECT_EQ(LunarMonthText({0, MonthKind::Added}), "AeD:k" + MaasNames[0]);
}

// A month of made-up values: every day in the given month, tithi 5, no sign entry.
MonthValues MadeUpMonth(int year, int month, int days) {
  MonthValues m;
  m.year = year;
  m.month = month;
  m.yearText = std::to_string(year);
  for (int d = 1; d <= days; ++d) {
    DayValues v;
    v.date = {year, month, d};
    v.tithi = 5;
    v.tithiEnd.clock = {13, 7};
    v.sunrise = ClockTime{6, 5};
    v.sunset = ClockTime{18, 30};
    v.vikram = 2082;
    v.kaliYear = 5127;
    m.days.push_back(v);
  }
  return m;
}

TEST(FormatMonth, RowsOfTheMonthAndEmptyRowsBelow) {
  MonthValues february = MadeUpMonth(2023, 2, 28);
  february.yearText = " 2023";  // as typed
  const MonthTable table = FormatMonth(february);
  EXPECT_EQ(table.dayCount, 28);
  EXPECT_EQ(table.cells[0][8], ColumnHeadings[8]);
  EXPECT_EQ(table.cells[1][0], GregorianMonthNames[1]);
  EXPECT_EQ(table.cells[1][1], "1");
  EXPECT_EQ(table.cells[28][1], "28");
  EXPECT_EQ(table.cells[28][2], " 2023");
  EXPECT_EQ(table.cells[5][9], "13H7");
  EXPECT_EQ(table.cells[5][14], "6H5");
  for (std::size_t r = 29; r <= 31; ++r)
    for (const std::string& cell : table.cells[r]) EXPECT_EQ(cell, "") << r;
}

TEST(FormatMonth, ClassicClocksOfPhaseAndSignEntryAndNoSunriseReadsNone) {
  MonthValues month = MadeUpMonth(2026, 12, 31);
  DayValues& newMoon = month.days[7];
  newMoon.tithi = 0;
  newMoon.phase = MoonPhase::New;
  newMoon.phaseInstant.local = {{2026, 12, 9}, 6, 22, 40};
  month.days[9].sunrise.reset();
  month.days[14].signEntry = SignEntry{8, {0.0, {{2026, 12, 14}, 22, 45, 10}}};
  const MonthTable table = FormatMonth(month);
  EXPECT_EQ(table.cells[8][9], "30H23");  // 06:22:40, the almanac clock of the night before
  EXPECT_EQ(table.cells[8][7], "");
  EXPECT_EQ(table.cells[8][8], TithiNames[0]);
  EXPECT_EQ(table.cells[10][14], "n:ahi");  // नाही
  // the sign entry on the almanac clock too (golden/mumbai-2026-12.json row 15)
  EXPECT_EQ(table.cells[15][16], "s:\xDCy:a\xFC" "c:a D:n:\xD8 raeS:)v:\xF0S: 22H45 ");
}

TEST(FormatMonth, KaliCaptionAndTheNewYearNoteOfJanuary) {
  // The caption shows the Kali year of the last day; in January the note of the
  // 23rd (the day before the shifted year turns) replaces that day's notes.
  MonthValues january = MadeUpMonth(2024, 1, 31);
  for (DayValues& d : january.days) d.kaliYear = d.date.day <= 23 ? 5125 : 5126;
  january.days[22].auspicious = "NOTE";
  const MonthTable table = FormatMonth(january);
  EXPECT_EQ(table.kaliCaption, std::string(kKaliPrefix) + "5126");
  EXPECT_EQ(table.cells[23][16], std::string(kKaliPrefix) + "5125" + kKaliNewYearSuffix);
  // Other months have no such note.
  MonthValues february = MadeUpMonth(2024, 2, 29);
  february.days[22].auspicious = "NOTE";
  EXPECT_EQ(FormatMonth(february).cells[23][16], "NOTE");
}

TEST(FormatMonth, VikramCaptionShowsBothYearsOfTheMonthOfItsNewYear) {
  MonthValues november = MadeUpMonth(2026, 11, 30);
  for (DayValues& d : november.days) d.vikram = d.date.day < 10 ? 2082 : 2083;
  EXPECT_EQ(FormatMonth(november).vikramCaption, std::string(kVikramPrefix) + "2082     2083");
  EXPECT_EQ(FormatMonth(MadeUpMonth(2026, 12, 31)).vikramCaption, std::string(kVikramPrefix) + "2082     ");
}

TEST(FormatDay, DayReckonedFromSunriseNoteByNote) {
  // Made-up values like those of 19 March 2026 at Mumbai: the new-moon tithi ends
  // at the new moon, 06:53; the skipped bright pratipada at 04:53 the next morning
  // (28H53) and, made up, a second skipped tithi at 06:01 (30H1); a sign entry at
  // 07:10 the next morning reads 31H10 (the almanac clock of the classic method
  // would read 7H10). Each note on its own, in the column's order: sign entry,
  // skipped tithis, the auspicious-day note; run together they are the column.
  MonthValues month = MadeUpMonth(2026, 3, 31);
  month.method = Method::Precise;
  DayValues& day = month.days[18];
  day.tithi = 30;
  day.tithiEnd.clock = {6, 53};
  day.phase = MoonPhase::New;
  day.phaseInstant.local = {{2026, 3, 19}, 6, 53, 29};
  SunriseDayValues& precise = day.precise.emplace();
  precise.skippedTithis.push_back({1, {0.0, {{2026, 3, 20}, 4, 52, 48}}});
  precise.skippedTithis.push_back({2, {0.0, {{2026, 3, 20}, 6, 1, 0}}});
  day.signEntry = SignEntry{0, {0.0, {{2026, 3, 20}, 7, 10, 0}}};
  day.auspicious = "PADWA";
  const std::string entry = "s:\xDCy:a\xFC" "c:a " + RaashiNames[0] + " raeS:)v:\xF0S: ";
  const std::vector<DayNote> notes = DayNotes(day);
  ASSERT_EQ(notes.size(), 4u);
  EXPECT_EQ(notes[0].kind, NoteKind::SignEntry);
  EXPECT_EQ(notes[0].text, entry + "31H10 ");
  EXPECT_EQ(notes[1].kind, NoteKind::SkippedTithi);
  EXPECT_EQ(notes[1].text, std::string(kBrightFortnight) + " " + TithiNames[1] + " 28H53 p:y:\xFC\xF6t: ");
  EXPECT_EQ(notes[2].kind, NoteKind::SkippedTithi);
  EXPECT_EQ(notes[2].text, std::string(kBrightFortnight) + " " + TithiNames[2] + " 30H1 p:y:\xFC\xF6t: ");
  EXPECT_EQ(notes[3].kind, NoteKind::Auspicious);
  EXPECT_EQ(notes[3].text, "PADWA");
  const TableRow cells = FormatDay(month, day);
  EXPECT_EQ(cells[9], "6H53");
  EXPECT_EQ(cells[16], notes[0].text + notes[1].text + notes[2].text + notes[3].text);
  day.signEntry->when.local = {{2026, 3, 20}, 6, 30, 0};
  EXPECT_EQ(DayNotes(day)[0].text, entry + "30H30 ");
  // A lunation in which the Sun enters two signs bears both names.
  precise.lostMonth = 10;
  day.lunarMonth = {9, MonthKind::Regular};
  EXPECT_EQ(FormatDay(month, day)[6], MaasNames[9] + "-" + MaasNames[10]);
  // A day without notes has none, not an empty one.
  EXPECT_TRUE(DayNotes(month.days[0]).empty());
}

TEST(EmptyMonthTable, HeadingsAndTheInitialVikramCaption) {
  const MonthTable table = EmptyMonthTable();
  EXPECT_EQ(table.dayCount, 0);
  EXPECT_EQ(table.cells[0][0], ColumnHeadings[0]);
  EXPECT_EQ(table.cells[1][0], "");
  EXPECT_EQ(table.vikramCaption, kVikramInitialCaption);
  EXPECT_EQ(table.kaliCaption, "");
}

}  // namespace
}  // namespace kalnika
