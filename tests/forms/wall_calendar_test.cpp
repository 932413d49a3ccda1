// The wall calendar's page: which date stands in which square, what a square
// holds, and the header's lunar months and eras, for months the window computes
// with the sample place file (Mumbai, 18 N 58, 072 E 50, +05:30, as in the sample
// tables). Expected texts are the cells of the independently computed sample
// tables tests/data/golden/mumbai-2026-12.json, mumbai-2026-03.json,
// mumbai-2024-01.json and tests/data/reference/mumbai-2026-08-adhik.json; the
// squares of the first and last dates are those of Python 3's
// calendar.Calendar(firstweekday=6).monthdayscalendar(year, month).
#include "forms/wall_calendar.h"

#include <gtest/gtest.h>

#include "almanac/name_tables.h"
#include "form_fixture.h"

namespace kalnika {
namespace {

using testing_support::TempFolder;

class WallCalendarPage : public testing::Test {
 protected:
  TempFolder folder;
  RecordingMessageBox box;
  std::unique_ptr<frmKalnika> form;

  void SetUp() override {
    form = std::make_unique<frmKalnika>(box, folder.SamplePlaces());
    form->LoadControls();  // Mumbai, the stored default
    form->method = Method::Classic;  // the sample tables are the classic method's
  }
  MonthSheet Sheet(int month, const std::string& year) {
    form->lstMonth.Select(month - 1);
    form->txtYear.Text = year;
    form->cmdCalculate_Click();
    EXPECT_TRUE(form->Shown().has_value());
    return form->Shown().value_or(MonthSheet{});
  }
};

// The square of a date, or nothing when no square holds it.
const WallSquare* SquareOf(const WallCalendar& wall, int day) {
  for (const WallWeek& week : wall.weeks)
    for (const auto& square : week)
      if (square && square->date.day == day) return &*square;
  return nullptr;
}

TEST_F(WallCalendarPage, EveryDateInItsWeekdaysColumnFromItsFirstWeekday) {
  // Four, five and six weeks; where every weekday and length puts the dates:
  // tests/calendar/month_weeks_test.
  struct Layout {
    const char* name;
    int year, month;
    std::size_t rows;
    int firstColumn;                 // of the 1st, 0 = Sunday
    std::size_t lastRow, lastColumn;  // of the last date
    int lastDay;
  } layouts[] = {
      {"Feb2026_Sunday_28days_4rows", 2026, 2, 4, 0, 3, 6, 28},
      {"Jun2026_Monday_30days", 2026, 6, 5, 1, 4, 2, 30},
      {"Aug2026_Saturday_31days_6rows", 2026, 8, 6, 6, 5, 1, 31},
  };
  for (const Layout& l : layouts) {
    const MonthSheet sheet = Sheet(l.month, std::to_string(l.year));
    const WallCalendar wall = MakeWallCalendar(sheet);
    ASSERT_EQ(wall.weeks.size(), l.rows) << l.name;
    ASSERT_TRUE(wall.weeks[0][static_cast<std::size_t>(l.firstColumn)]) << l.name;
    EXPECT_EQ(wall.weeks[0][static_cast<std::size_t>(l.firstColumn)]->day, "1") << l.name;
    ASSERT_TRUE(wall.weeks[l.lastRow][l.lastColumn]) << l.name;
    EXPECT_EQ(wall.weeks[l.lastRow][l.lastColumn]->day, std::to_string(l.lastDay)) << l.name;
    // Each date once, in its weekday's column, carrying its own row of the table;
    // the squares before the 1st and after the last date are empty.
    int squares = 0;
    for (const WallWeek& week : wall.weeks) {
      for (std::size_t column = 0; column < week.size(); ++column) {
        if (!week[column]) continue;
        const WallSquare& square = *week[column];
        ++squares;
        EXPECT_EQ(square.date, (CivilDate{l.year, l.month, square.date.day})) << l.name;
        EXPECT_EQ(square.weekday, static_cast<int>(column)) << l.name << " " << square.day;
        EXPECT_EQ(square.day, std::to_string(square.date.day)) << l.name;
        const TableRow& row = sheet.table.cells[static_cast<std::size_t>(square.date.day)];
        EXPECT_EQ(square.nakshatra, row[10]) << l.name << " " << square.day;
        EXPECT_EQ(square.tithiEnd, row[9]) << l.name << " " << square.day;
      }
    }
    EXPECT_EQ(squares, l.lastDay) << l.name;
    EXPECT_EQ(wall.weekdays[0], WeekdayNames[0]) << l.name;  // रविवार heads the first column
  }
}

TEST_F(WallCalendarPage, TithiWithItsFortnightButAtTheNewAndFullMoon) {
  // December 2026 (golden/mumbai-2026-12.json, columns 7 and 8).
  const WallCalendar wall = MakeWallCalendar(Sheet(12, "2026"));
  struct Case {
    const char* name;
    int day;
    std::string tithi;
  } cases[] = {
      {"bright_dvitiya_11th", 11, std::string(kBrightFortnight) + " " + TithiNames[2]},
      {"dark_ashtami_1st_stored_blank_first", 1, std::string(kDarkFortnight) + " " + TithiNames[8]},
      {"new_moon_8th_name_alone", 8, TithiNames[0]},
      {"full_moon_24th_name_alone", 24, TithiNames[15]},
  };
  for (const Case& c : cases) {
    const WallSquare* square = SquareOf(wall, c.day);
    ASSERT_NE(square, nullptr) << c.name;
    EXPECT_EQ(square->tithi, c.tithi) << c.name;
  }
  EXPECT_EQ(SquareOf(wall, 11)->tithiEnd, "11H25");
}

TEST_F(WallCalendarPage, NewAndFullMoonMarkedOnTheTablesDays) {
  // The days whose tithi column reads the new moon (अमावस्या) or the full moon
  // (पौर्णिमा): in December 2026 the new-moon tithi holds at 0 h UT of the 8th and
  // the 9th (golden/mumbai-2026-12.json), in August 2026 the 12th and the 28th
  // (reference/mumbai-2026-08-adhik.json).
  struct Case {
    const char* name;
    int month;
    std::vector<int> newMoon, fullMoon;
  } cases[] = {
      {"Dec2026_new_moon_tithi_on_two_days", 12, {8, 9}, {24}},
      {"Aug2026", 8, {12}, {28}},
  };
  for (const Case& c : cases) {
    const WallCalendar wall = MakeWallCalendar(Sheet(c.month, "2026"));
    std::vector<int> newMoon, fullMoon;
    for (const WallWeek& week : wall.weeks)
      for (const auto& square : week)
        if (square && square->phase) (*square->phase == MoonPhase::New ? newMoon : fullMoon).push_back(square->date.day);
    EXPECT_EQ(newMoon, c.newMoon) << c.name;
    EXPECT_EQ(fullMoon, c.fullMoon) << c.name;
  }
}

TEST_F(WallCalendarPage, LunarMonthsOfTheHeaderAndWhereOneBegins) {
  struct Case {
    const char* name;
    int month;
    std::string year;
    std::vector<std::string> lunarMonths;
    int beginsOn;  // the date whose square names the lunar month beginning
  } cases[] = {
      // Shravan to the 12th, then the added Bhadrapad (reference table, column 6,
      // "AeD:kB:adÓp:d"), its prefix set apart by a blank.
      {"Aug2026_into_an_added_month", 8, "2026", {MaasNames[4], kAddedMonthPrefix + (" " + MaasNames[5])}, 13},
      // The regular Bhadrapad after it, निज, from the new moon of 11 September
      // (at 0 h UT of the 12th: the reference table's note on the added month).
      {"Sep2026_regular_after_the_added", 9, "2026",
       {kAddedMonthPrefix + (" " + MaasNames[5]), kRegularAfterAddedPrefix + (" " + MaasNames[5])}, 12},
      // Kartik to the 9th, Margashirsha from the 10th (golden table).
      {"Dec2026_one_transition", 12, "2026", {MaasNames[7], MaasNames[8]}, 10},
  };
  for (const Case& c : cases) {
    const WallCalendar wall = MakeWallCalendar(Sheet(c.month, c.year));
    EXPECT_EQ(wall.lunarMonths, c.lunarMonths) << c.name;
    for (const WallWeek& week : wall.weeks) {
      for (const auto& square : week) {
        if (!square) continue;
        // The 1st names none: the header names the month it begins in.
        EXPECT_EQ(square->lunarMonthBegins, square->date.day == c.beginsOn ? c.lunarMonths.back() : "")
            << c.name << " " << square->day;
      }
    }
  }
}

TEST_F(WallCalendarPage, ErasOfTheHeaderEachYearOnce) {
  // Golden tables, columns 4 and 5 and the Vikram caption; the Shaka year turns
  // with Chaitra on 20 March 2026, the year's name with it.
  struct Case {
    const char* name;
    int month;
    std::vector<std::string> shaka, vikram;
  } cases[] = {
      {"Dec2026_one_of_each", 12, {"1948 p:raB:v:"}, {"2083"}},
      {"Mar2026_Shaka_new_year", 3, {"1947 ev:\xC3:av:s:\xD8", "1948 p:raB:v:"}, {"2082"}},
  };
  for (const Case& c : cases) {
    const WallCalendar wall = MakeWallCalendar(Sheet(c.month, "2026"));
    EXPECT_EQ(wall.shakaYears, c.shaka) << c.name;
    EXPECT_EQ(wall.vikramYears, c.vikram) << c.name;
    EXPECT_EQ(wall.monthName, GregorianMonthNames[static_cast<std::size_t>(c.month - 1)]) << c.name;
    EXPECT_EQ(wall.year, "2026") << c.name;
    EXPECT_EQ(wall.placeName, "Mumbai, Maharashtra, India") << c.name;
  }
}

TEST_F(WallCalendarPage, NotesOfADay) {
  // Golden tables, column 16: the Sun's entry into Dhanu on 15 December 2026 at
  // 22:45, Mokshada Ekadashi on the 20th of the sample place file; the Kali new year on 23 January 2024, which the table's
  // column shows instead of the day's notes, stands beside them in a square.
  const WallCalendar december = MakeWallCalendar(Sheet(12, "2026"));
  const std::string dhanu = "s:\xDCy:a\xFC" "c:a D:n:\xD8 raeS:)v:\xF0S: 22H45 ";
  struct Case {
    const char* name;
    int day;
    std::vector<NoteKind> kinds;
    std::vector<std::string> texts;
  } cases[] = {
      {"sign_entry_15th", 15, {NoteKind::SignEntry}, {dhanu}},
      {"festival_20th", 20, {NoteKind::Auspicious}, {"m::\xF0x:da OkadS:i"}},
      {"none_16th", 16, {}, {}},
  };
  for (const Case& c : cases) {
    const WallSquare* square = SquareOf(december, c.day);
    ASSERT_NE(square, nullptr) << c.name;
    std::vector<NoteKind> kinds;
    std::vector<std::string> texts;
    for (const DayNote& note : square->notes) {
      kinds.push_back(note.kind);
      texts.push_back(note.text);
    }
    EXPECT_EQ(kinds, c.kinds) << c.name;
    EXPECT_EQ(texts, c.texts) << c.name;
  }

  // 23 January 2024 is Pausha, bright thirteenth (golden/mumbai-2024-01.json): a
  // note stored for it in a copy of the place file.
  const std::string places = testing_support::ReadBytes(folder.SamplePlaces()) + "0913=\"NOTE\"\r\n";
  form = std::make_unique<frmKalnika>(box, folder.Write("Location.ini", places));
  form->LoadControls();
  form->method = Method::Classic;
  const WallCalendar january = MakeWallCalendar(Sheet(1, "2024"));
  const WallSquare* kaliNewYear = SquareOf(january, 23);
  ASSERT_NE(kaliNewYear, nullptr);
  ASSERT_EQ(kaliNewYear->notes.size(), 2u);
  EXPECT_EQ(kaliNewYear->notes[0].kind, NoteKind::Auspicious);
  EXPECT_EQ(kaliNewYear->notes[0].text, "NOTE");
  EXPECT_EQ(kaliNewYear->notes[1].kind, NoteKind::KaliNewYear);
  EXPECT_EQ(kaliNewYear->notes[1].text, std::string(kKaliPrefix) + "5125" + kKaliNewYearSuffix);
  EXPECT_TRUE(SquareOf(january, 24)->notes.empty());
}

// An eclipse seen from the place marks its square as the new and full moons do,
// and its note is among the square's: the total lunar eclipse of 7 September 2025
// at Mumbai (the Positional Astronomy Centre: seen from all of India), not the
// solar eclipse of the 21st, which India does not see (tests/data/sky/eclipses.csv).
TEST_F(WallCalendarPage, EclipseMarkedOnItsSquare) {
  form->method = Method::Precise;
  const WallCalendar september = MakeWallCalendar(Sheet(9, "2025"));
  const WallSquare* seventh = SquareOf(september, 7);
  ASSERT_NE(seventh, nullptr);
  ASSERT_TRUE(seventh->eclipse.has_value());
  EXPECT_EQ(seventh->eclipse->body, EclipseBody::Moon);
  EXPECT_EQ(seventh->eclipse->kind, EclipseKind::Total);
  ASSERT_FALSE(seventh->notes.empty());
  EXPECT_EQ(seventh->notes.front().kind, NoteKind::Eclipse);
  for (int day = 1; day <= 30; ++day)
    if (day != 7) {
      EXPECT_FALSE(SquareOf(september, day)->eclipse.has_value()) << day;
    }
}

TEST_F(WallCalendarPage, FileNamesOfTheMonthAndTheYear) {
  const MonthSheet sheet = Sheet(12, "2026");
  EXPECT_EQ(WallFileName(sheet, false), "Mumbai-2026-12-wall");
  EXPECT_EQ(WallFileName(sheet, true), "Mumbai-2026-wall");
}

}  // namespace
}  // namespace kalnika
