// The texts of the month table, formatted from values made up for each case: the
// fortnight and tithi name rules, the lunar-month prefixes, the notes of a day
// reckoned from sunrise, and the captions the sample tables do not reach.
#include <gtest/gtest.h>

#include "almanac/month_text.h"
#include "almanac/name_tables.h"

namespace kalnika {
namespace {

TEST(FortnightAndTithiName, EdgesOfEachFortnight) {
  // 1..14 bright, 15 full moon, 16..29 dark with names 1..14, 0 and 30 the new
  // moon; 31 (just past 360 degrees) is shown as the first of the bright fortnight.
  struct Case { int tithi; std::string label; int name; } cases[] = {
      {0, "", 0},  {30, "", 0}, {1, kBrightFortnight, 1}, {14, kBrightFortnight, 14}, {15, "", 15},
      {16, kDarkFortnight, 1}, {29, kDarkFortnight, 14}, {31, kBrightFortnight, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(FortnightText(c.tithi), c.label) << c.tithi;
    EXPECT_EQ(TithiNameIndex(c.tithi), c.name) << c.tithi;
  }
}

TEST(LunarMonthText, PrefixesAreKindsNotSums) {
  EXPECT_EQ(LunarMonthText({5, MonthKind::Regular}), MaasNames[5]);
  EXPECT_EQ(LunarMonthText({5, MonthKind::Added}), "AeD:k" + MaasNames[5]);
  EXPECT_EQ(LunarMonthText({5, MonthKind::RegularAfterAdded}), "en:j:" + MaasNames[5]);
  // An added first month is Chaitra with its prefix, not the regular twelfth month.
  EXPECT_EQ(LunarMonthText({0, MonthKind::Added}), "AeD:k" + MaasNames[0]);
}

// A month of made-up values: every day in the given month, tithi 5, sunrise 6H5.
MonthValues MadeUpMonth(int year, int month, int days) {
  MonthValues m;
  m.year = year;
  m.month = month;
  m.yearText = std::to_string(year);
  for (int d = 1; d <= days; ++d) {
    DayValues v;
    v.date = {year, month, d};
    v.tithi = 5;
    v.sunrise = ClockTime{6, 5};
    v.vikram = 2082;
    m.days.push_back(v);
  }
  return m;
}

// Rows, phase and sign-entry clocks, the Kali caption and its January note are the
// sample tables' (golden_test.cpp); they leave the no-sunrise cell to the
// implementer (NORISE) and type no year with blanks.
TEST(FormatMonth, NoSunriseReadsNoneAndTheYearStaysAsTyped) {
  MonthValues month = MadeUpMonth(2026, 12, 31);
  month.yearText = " 2026";
  month.days[9].sunrise.reset();
  const MonthTable table = FormatMonth(month);
  EXPECT_EQ(table.cells[10][14], "n:ahi");  // नाही
  EXPECT_EQ(table.cells[1][2], " 2026");
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
  // instants at the minute the clock shows them (the rounding is the clock's)
  auto shown = [](LocalDateTime minute) { return LocalInstant{0.0, minute, minute, 19800}; };
  precise.skippedTithis.push_back({1, shown({{2026, 3, 20}, 4, 53, 0})});
  precise.skippedTithis.push_back({2, shown({{2026, 3, 20}, 6, 1, 0})});
  day.signEntry = SignEntry{0, shown({{2026, 3, 20}, 7, 10, 0})};
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
  day.signEntry->when = shown({{2026, 3, 20}, 6, 30, 0});
  EXPECT_EQ(DayNotes(day)[0].text, entry + "30H30 ");
  // A lunation in which the Sun enters two signs bears both names, apart by a
  // blank: the font has no hyphen ("-" is the glyph रू), which display adds.
  precise.lostMonth = 10;
  day.lunarMonth = {9, MonthKind::Regular};
  EXPECT_EQ(FormatDay(month, day)[6], MaasNames[9] + " " + MaasNames[10]);
  // A day without notes has none, not an empty one.
  EXPECT_TRUE(DayNotes(month.days[0]).empty());
}

// The words of a festival's note and rule, as Marathi almanacs print them
// (docs/festivals.md gives each with its source), in stored bytes: the tithi (the
// table's names) and the part of the day it holds at, then what decided a tie.
TEST(FestivalRuleText, EveryReason) {
  const std::string madhyahna = "m:Dy:a\xC8vy:aep:n:i";  // मध्याह्नव्यापिनी
  const std::string chaturthi = TithiNames[4] + " " + madhyahna;
  const std::string both = " ~ d:\xF0nhi edv:S:i ~ ";     // · दोन्ही दिवशी ·
  struct Case {
    const char* name;
    FestivalKey key;
    DayPart part;
    Reason reason;
    std::string text;
  } cases[] = {
      {"only_day", {FestivalKey::Kind::LunarTithi, 5, 4, 0}, DayPart::Midday, Reason::OnlyDay, chaturthi},
      {"more_coverage", {FestivalKey::Kind::LunarTithi, 5, 4, 0}, DayPart::Midday, Reason::MoreCoverage,
       chaturthi + both + "AeD:k vy:apt:i"},                               // अधिक व्याप्ती
      {"first_of_two", {FestivalKey::Kind::LunarTithi, 5, 4, 0}, DayPart::Midday, Reason::FirstOfTwo,
       chaturthi + both + "p:ehl:a edv:s:"},                               // पहिला दिवस
      {"second_of_two", {FestivalKey::Kind::LunarTithi, 6, 30, 0}, DayPart::Dusk, Reason::SecondOfTwo,
       TithiNames[0] + " )d:\xF0\\:vy:aep:n:i" + both + "d\xD9s:ra edv:s:"},  // अमावस्या प्रदोषव्यापिनी … दुसरा दिवस
      {"nakshatra", {FestivalKey::Kind::LunarTithi, 6, 10, 0}, DayPart::Afternoon, Reason::Nakshatra,
       TithiNames[10] + " Ap:ra\xC7vy:aep:n:i ~ " + NaxatraNames[21] + " n:x:*:"},  // दशमी अपराह्णव्यापिनी · श्रवण नक्षत्र
      {"neither_second", {FestivalKey::Kind::LunarTithi, 5, 19, 0}, DayPart::Moonrise, Reason::NeitherSecond,
       TithiNames[4] + " c:\xF6" "d\xD3:\xF0" "dy:vy:aep:n:i n:ahi ~ d\xD9s:ra edv:s:"},  // … नाही · दुसरा दिवस
      {"after_bhadra", {FestivalKey::Kind::LunarTithi, 11, 15, 0}, DayPart::Dusk, Reason::AfterBhadra,
       TithiNames[15] + " )d:\xF0\\:vy:aep:n:i ~ B:d\xD3" "a s:\xF6p:ly:av:r"},  // · भद्रा संपल्यावर
      {"sardha_triyama", {FestivalKey::Kind::LunarTithi, 6, 30, 0}, DayPart::Dusk, Reason::SardhaTriyama,
       TithiNames[0] + " )d:\xF0\\:vy:aep:n:i ~ s:aR\xF0t:in: )hr ~ d\xD9s:ra edv:s:"},  // · साडेतीन प्रहर ·
      {"sun_entry", {FestivalKey::Kind::SunEntry, 0, 1, 9}, DayPart::Sunrise, Reason::SunEntry,
       RaashiNames[9] + " s:\xF6#m:N: s:\xDCy:a\xFCst:ap:\xDCv:i\xFC"},  // मकर संक्रमण सूर्यास्तापूर्वी
      {"dashami_at_arunodaya", {FestivalKey::Kind::LunarTithi, 2, 11, 0}, DayPart::Arunodaya,
       Reason::DashamiAtArunodaya, TithiNames[10] + " A,N::\xF0" "dy:vy:aep:n:i"},  // दशमी अरुणोदयव्यापिनी
  };
  for (const Case& c : cases) {
    FestivalValue f;
    f.key = c.key;
    f.rule.tieNakshatra = 21;  // Shravana
    f.observance.part = c.part;
    f.observance.reason = c.reason;
    EXPECT_EQ(FestivalRuleText(f), c.text) << c.name;
  }
  FestivalValue dhulivandan;
  dhulivandan.observance.reason = Reason::DayAfter;
  dhulivandan.followedNote = "HOLI ";
  EXPECT_EQ(FestivalRuleText(dhulivandan), "HOLI n:\xF6t:rc:a edv:s:");  // नंतरचा दिवस
  EXPECT_EQ(FestivalKeyText({FestivalKey::Kind::SunEntry, 0, 1, 9}), "S09");
  EXPECT_EQ(FestivalKeyText({FestivalKey::Kind::LunarTithi, 5, 4, 0}), "0504");
}

// A festival's note: the two days of an Ekadashi that the traditions keep apart
// name their tradition; a moonrise rule's note carries the moonrise on the row's
// clock (21:59, the example), or नाही on a date without one. Two festivals
// of a day stand apart in the notes column.
TEST(FestivalNote, TraditionsAndTheMoonrise) {
  MonthValues month = MadeUpMonth(2024, 3, 31);
  month.method = Method::Precise;
  DayValues& day = month.days[27];
  day.precise.emplace();
  FestivalValue sankashti;
  sankashti.note = "SANKASHTI";
  sankashti.observance.part = DayPart::Moonrise;
  FestivalValue smarta;
  smarta.note = "VIJAYA";
  smarta.bhagavataDiffers = true;
  FestivalValue bhagavata = smarta;
  bhagavata.bhagavataDiffers = false;
  bhagavata.observance.tradition = Tradition::Bhagavata;
  const std::string moonrise = " c:\xF6" "d\xD3:\xF0" "dy: ";  // चंद्रोदय
  EXPECT_EQ(FestivalNote(day, sankashti), "SANKASHTI" + moonrise + "n:ahi");
  sankashti.moonrise = LocalInstant{0.0, {{2024, 3, 28}, 21, 59, 10}, {{2024, 3, 28}, 21, 59, 0}, 19800};
  EXPECT_EQ(FestivalNote(day, sankashti), "SANKASHTI" + moonrise + "21H59");
  EXPECT_EQ(FestivalNote(day, smarta), "sm:at:\xFC VIJAYA");  // स्मार्त
  EXPECT_EQ(FestivalNote(day, bhagavata), "B:ag:v:t: VIJAYA");  // भागवत
  day.festivals = {smarta, sankashti};
  EXPECT_EQ(FormatDay(month, day)[Column::Notes], "sm:at:\xFC VIJAYA SANKASHTI" + moonrise + "21H59");
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
