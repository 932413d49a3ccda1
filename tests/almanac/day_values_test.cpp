// One day of the precise method as its page shows it (almanac/day_text.h) and the
// eclipses among the month's notes: published day pages of New Delhi, the total
// lunar eclipse of 7-8 September 2025, polar night and midnight sun, a date
// without moonrise, and every eclipse of 2020-2030 at Mumbai, London and New York
// against another ephemeris (tests/data/sky/eclipses.csv, astronomy-engine). The
// periods' and the karana's rules are tested in tests/elements, the contacts of
// the eclipses in tests/astronomy.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "almanac/day_text.h"
#include "almanac/month_text.h"
#include "display/display_text.h"
#include "support/instant_text.h"
#include "support/sky_tables.h"
#include "support/mumbai_request.h"

namespace kalnika {
namespace {

using testing_sky::Instant;
using testing_sky::ReadSkyCsv;

DayRequest Place(double latitude, double longitude, int zoneMinutes, CivilDate date) {
  DayRequest r;
  r.date = date;
  r.latitude = latitude;
  r.longitude = longitude;
  r.clock = Clock::Fixed(zoneMinutes);
  return r;
}

DayRequest NewDelhi(CivilDate date) { return Place(28 + 37 / 60.0, 77 + 13 / 60.0, 330, date); }
DayRequest Mumbai(CivilDate date) { return Place(18 + 58 / 60.0, 72 + 50 / 60.0, 330, date); }

const DisplayForm& Latin() {
  static const DisplayForm form(Script::Latin, xdvng::Digits::Latin);
  return form;
}

// A line of the page as the Latin script shows it: "Rahukal 15:14 - 16:34",
// "Nakshatra Purvabhadrapada 25:48 Paryant", "Chandroday Nahi".
std::string Shown(const DayLine& line) {
  std::string text;
  const auto add = [&text](const std::string& part) {
    if (part.empty()) return;
    if (!text.empty()) text += ' ';
    text += part;
  };
  add(DisplayText(line.label, Latin()));
  add(DisplayText(line.value, Latin()));
  if (line.from) add(DisplayClock(*line.from, Latin()) + " -");
  if (line.until) add(DisplayClock(*line.until, Latin()));
  add(DisplayText(line.after, Latin()));
  return text;
}

// Every line of the page, shown.
std::vector<std::string> Lines(const DayPage& page) {
  std::vector<std::string> lines;
  for (const DaySection& section : page.sections)
    for (const DayLine& line : section.lines) lines.push_back(Shown(line));
  return lines;
}

DayPage PageOf(const DayRequest& request) {
  const std::optional<DayValues> day = ComputeDay(request);
  EXPECT_TRUE(day.has_value());
  return day ? FormatDayPage(*day) : DayPage{};
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// --- Published day pages -----------------------------------------------------------

// New Delhi's pages, as newspapers reprint DrikPanchang (sunrise and sunset are
// New Delhi's): Janta Se Rishta, "Today's almanac 28 September 2023" (Thursday),
// its periods to the second; News18, "Aaj Ka Panchang, January 25, 2022"
// (Tuesday), and the Brahma muhurta DrikPanchang prints under the 25th, 05:26 to
// 06:19, the one before that date's own sunrise. The page shows each period's
// minute rounded (13:41:35 is 13:42); a midnight past is 24 and more. The 30-hour
// notation writes the nakshatra ending at 01:48 on the 29th as 25:48.
TEST(DayPage, NewDelhiAsPublished) {
  struct Case {
    const char* name;
    CivilDate date;
    std::vector<std::string> lines;
  } cases[] = {
      {"Thursday28September2023",
       {2023, 9, 28},
       {"Suryoday 6:12", "Suryasta 18:11", "Rahukal 13:42 - 15:11", "Yamaghant 6:12 - 7:42",
        "Gulik 9:12 - 10:42", "Abhijit 11:48 - 12:36", "Durmuhurta 10:12 - 11:00", "14:59 - 15:47",
        "Nakshatra Purvabhadrapada 25:48 Paryant", "Yog Ganda 23:55 Paryant", "Var Thursday"}},
      {"Tuesday25January2022",
       {2022, 1, 25},
       {"Suryoday 7:13", "Suryasta 17:54", "Rahukal 15:14 - 16:34", "Abhijit 12:12 - 12:55",
        "Brahmamuhurta 5:26 - 6:19", "Durmuhurta 9:21 - 10:04", "23:14 - 24:07"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string> lines = Lines(PageOf(NewDelhi(c.date)));
    for (const std::string& line : c.lines) EXPECT_TRUE(Has(lines, line)) << line;
  }
}

// The limbs' ends of the same page of 28 September 2023, printed without their
// seconds (tithi 06:49 PM, karana Gara 08:33 AM): the page's rounded minute is the
// printed one or the next. Every karana of the day follows, each to its end, the
// last (Bava, after the next sunrise) with its date.
TEST(DayPage, LimbsWithTheirEnds) {
  const std::optional<DayValues> day = ComputeDay(NewDelhi({2023, 9, 28}));
  ASSERT_TRUE(day.has_value());
  const auto shownEnds = [&](Limb limb) {
    std::vector<std::string> ends;
    for (const LimbValue& v : LimbValues(*day, limb))
      ends.push_back(DisplayText(v.name, Latin()) + " " + DisplayClock(v.endClock, Latin()));
    return ends;
  };
  const std::vector<std::string> tithis = shownEnds(Limb::Tithi);
  ASSERT_EQ(tithis.size(), 2u);
  EXPECT_TRUE(tithis[0] == "Shukla Chaturdashi 18:49" || tithis[0] == "Shukla Chaturdashi 18:50") << tithis[0];
  const std::vector<std::string> karanas = shownEnds(Limb::Karana);
  ASSERT_EQ(karanas.size(), 4u);
  EXPECT_TRUE(karanas[0] == "Garaj 8:33" || karanas[0] == "Garaj 8:34") << karanas[0];
  // The half-tithis after Gara (karana.h): Vanija to the tithi's end, Vishti to the
  // middle of the full-moon tithi, then Bava.
  EXPECT_EQ(karanas[1].substr(0, 5), "Vanij");
  EXPECT_EQ(karanas[1].substr(6), tithis[0].substr(tithis[0].size() - 5));
  EXPECT_EQ(karanas[2].substr(0, 6), "Vishti");
  EXPECT_EQ(karanas[3].substr(0, 17), "Bav 29 September ");
}

// --- Where the Sun does not rise ------------------------------------------------------

// Tromsø (69°39' N) has neither sunrise nor sunset from late November to mid
// January and from late May to late July (the Norwegian Meteorological
// Institute's tables). The page says नाही ("none") for the Sun, the lengths, every
// period and both choghadiya lists: almanacs divide only a daytime and a night
// that the Sun bounds. The limbs are still listed (the day is reckoned at 06:00
// local mean time, elements/sunrise_day.h).
TEST(DayPage, NoSunriseNoPeriods) {
  for (const CivilDate date : {CivilDate{2026, 12, 15}, CivilDate{2026, 6, 21}}) {
    SCOPED_TRACE(date.month);
    const DayPage page = PageOf(Place(69 + 39 / 60.0, 18 + 57 / 60.0, 60, date));
    const std::vector<std::string> lines = Lines(page);
    for (const char* line : {"Suryoday Nahi", "Suryasta Nahi", "Dinaman Nahi", "Ratriman Nahi", "Rahukal Nahi",
                             "Yamaghant Nahi", "Gulik Nahi", "Abhijit Nahi", "Brahmamuhurta Nahi",
                             "Durmuhurta Nahi"})
      EXPECT_TRUE(Has(lines, line)) << line;
    ASSERT_EQ(page.sections.size(), 5u);
    for (std::size_t choghadiyas : {3u, 4u}) {
      ASSERT_EQ(page.sections[choghadiyas].lines.size(), 1u);
      EXPECT_EQ(Shown(page.sections[choghadiyas].lines[0]), "Nahi");
    }
    EXPECT_GE(page.sections[0].lines.size(), 5u);  // tithi, vara, nakshatra, yoga, karana
  }
}

// A civil date without a moonrise, as the sky table has it (Mumbai, 9 January
// 2026: the Moon rises at 23:5x on the 8th and past midnight on the 10th).
TEST(DayPage, DateWithoutMoonrise) {
  std::string moonrise = "none";
  for (const auto& row : ReadSkyCsv("moon-mumbai.csv"))
    if (row[0] == "2026-01-09") moonrise = row[1];
  ASSERT_EQ(moonrise, "");
  const std::vector<std::string> lines = Lines(PageOf(Mumbai({2026, 1, 9})));
  EXPECT_TRUE(Has(lines, "Chandroday Nahi"));
}

// --- Eclipses -----------------------------------------------------------------------

// The total lunar eclipse of 7-8 September 2025 at Mumbai, on the page of the 7th
// (the night of Bhadrapada Purnima, as Marathi almanacs print it): the umbral
// contacts and totality as the Positional Astronomy Centre announced them (21:57,
// totality 23:00 to 00:23, 01:27 on the 8th; DrikPanchang and our ephemeris 23:01
// for the second), the greatest eclipse at 23:42 (Marathi almanacs as quoted on
// ShareChat, "ग्रहण मध्य रात्री ११.४२"), in the hours from the 7th's midnight; the
// note of the table's row with the first and last; none on the 8th.
TEST(DayPage, TotalLunarEclipseAtMumbai) {
  const std::optional<DayValues> day = ComputeDay(Mumbai({2025, 9, 7}));
  ASSERT_TRUE(day.has_value());
  const std::vector<std::string> lines = Lines(FormatDayPage(*day));
  const std::vector<std::string> eclipse(std::find(lines.begin(), lines.end(), "Khagras Chandragrahan"), lines.end());
  EXPECT_EQ(eclipse, (std::vector<std::string>{"Khagras Chandragrahan", "Grasaman 1.362", "Sparsha 21:57",
                                               "Sammilan 23:01", "Madhya 23:42", "Unmilan 24:23", "Moksha 25:27"}));
  const std::vector<DayNote> notes = DayNotes(*day);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].kind, NoteKind::Eclipse);
  EXPECT_EQ(DisplayText(notes[0].text, Latin()), "Khagras Chandragrahan Sparsha 21:57 Moksha 25:27");
  EXPECT_TRUE(ComputeDay(Mumbai({2025, 9, 8}))->precise->eclipses.empty());
}

// The same eclipse at London: the Moon rises in totality (ग्रस्तोदय, at the sky
// table's moonrise of the eclipse, 18:27 UT), so the first contacts are not seen.
TEST(DayPage, MoonRisesEclipsedAtLondon) {
  const std::optional<DayValues> day = ComputeDay(Place(51.5, -8 / 60.0, 0, {2025, 9, 7}));
  ASSERT_TRUE(day.has_value());
  const std::vector<std::string> lines = Lines(FormatDayPage(*day));
  double rise = 0;
  for (const auto& row : ReadSkyCsv("eclipses.csv"))
    if (row[0] == "london" && row[2].starts_with("2025-09-07")) rise = Instant(row[14]);
  ASSERT_GT(rise, 0);
  const std::string risesEclipsed = "Grastoday " + testing_time::LocalMinute(rise, 0.0).substr(11);
  EXPECT_TRUE(Has(lines, "Sparsha 16:27 Adrushya"));
  EXPECT_TRUE(Has(lines, risesEclipsed)) << risesEclipsed;
}

// Every eclipse of 2020-2030 from Mumbai, London and New York: one seen from the
// place (by the table, computed with astronomy-engine) is noted, of its kind, in
// the row of the day in which it is first seen (its first contact, or the body's
// rising during it, between the sky table's sunrise of that date and of the next);
// no other row of the months computed holds an eclipse note (those of eclipses
// the place does not see among them).
class EclipseNotes : public testing::TestWithParam<const char*> {};

TEST_P(EclipseNotes, OnTheirDaysWhereSeen) {
  const std::string place = GetParam();
  struct Where {
    double latitude, longitude;
    int zone;
    const char* sunrises;
  };
  const std::map<std::string, Where> places = {{"mumbai", {18 + 58 / 60.0, 72 + 50 / 60.0, 330, "mumbai.csv"}},
                                               {"london", {51.5, -8 / 60.0, 0, "london.csv"}},
                                               {"newyork", {40 + 43 / 60.0, -74.0, -300, "newyork.csv"}}};
  const Where& where = places.at(place);
  std::vector<std::pair<std::string, double>> sunrises;  // date, sunrise
  for (const auto& row : ReadSkyCsv(where.sunrises)) sunrises.emplace_back(row[0], Instant(row[1]));
  const auto dayOf = [&sunrises](double instant) {
    for (std::size_t i = 0; i + 1 < sunrises.size(); ++i)
      if (sunrises[i].second <= instant && instant < sunrises[i + 1].second) return sunrises[i].first;
    return std::string();
  };
  const std::map<std::string, std::string> kinds = {{"total", kTotalWord}, {"partial", kPartialWord},
                                                    {"annular", kAnnularWord}, {"penumbral", kPenumbralWord}};

  std::map<std::string, std::string> expected;  // "YYYY-MM-DD": the eclipse's name
  std::set<std::pair<int, int>> months;
  for (const auto& row : ReadSkyCsv("eclipses.csv")) {
    if (row[0] != place) continue;
    const std::string day = row[4] == "1" ? dayOf(row[14].empty() ? Instant(row[7]) : Instant(row[14]))
                                          : testing_time::LocalMinute(Instant(row[2]), where.zone / 60.0).substr(0, 10);
    ASSERT_FALSE(day.empty());
    months.insert({std::stoi(day.substr(0, 4)), std::stoi(day.substr(5, 2))});
    if (row[4] == "1")
      expected[day] = kinds.at(row[5]) + " " + (row[1] == "solar" ? kSolarEclipseWord : kLunarEclipseWord);
  }
  int noted = 0;
  for (const auto& [year, month] : months) {
    MonthRequest request;
    request.year = year;
    request.month = month;
    request.latitude = where.latitude;
    request.longitude = where.longitude;
    request.clock = Clock::Fixed(where.zone);
    request.method = Method::Precise;
    const MonthValues values = ComputeMonth(request);
    for (const DayValues& day : values.days) {
      char date[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.date.year, day.date.month, day.date.day);
      const std::string notes = FormatDay(values, day)[Column::Notes];
      const auto it = expected.find(date);
      if (it == expected.end()) {
        EXPECT_EQ(notes.find(kEclipseWord), std::string::npos) << date << " " << DisplayText(notes, Latin());
        continue;
      }
      ++noted;
      EXPECT_NE(notes.find(it->second), std::string::npos) << date << " " << DisplayText(notes, Latin());
    }
  }
  EXPECT_EQ(noted, static_cast<int>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(ThreePlaces, EclipseNotes, testing::Values("mumbai", "london", "newyork"));

// --- The page and the month agree -------------------------------------------------

// A date computed alone is the row its month shows: every line and note of every
// page of September 2025 at Mumbai (a month with an eclipse and a day with two
// karana changes) the same, festivals too: Anant Chaturdashi (Bhadrapada shukla
// 14, kept on the tithi at sunrise) on Saturday 6 September 2025, as the Marathi
// almanacs print it (Kalnirnay 2025, September).
TEST(DayPage, SameAsTheMonthsRow) {
  AuspiciousDays notes;
  notes.Set(5, 14, "An:\xF6t: c:t:\xD8" "d\xFCS:i");
  const ObservanceTexts rules = {{"0514", "udaya"}};
  MonthRequest request = testing_place::MumbaiMonth(2025, 9, Method::Precise);
  request.auspicious = notes;
  request.observance = rules;
  request.dayDetails = true;
  const MonthValues month = ComputeMonth(request);
  const auto noted = [](const DayPage& page) {
    std::vector<std::string> texts;
    for (const DayNote& note : page.notes) texts.push_back(DisplayText(note.text, Latin()));
    return texts;
  };
  for (const DayValues& row : month.days) {
    SCOPED_TRACE(row.date.day);
    DayRequest alone = Mumbai(row.date);
    alone.auspicious = notes;
    alone.observance = rules;
    const DayPage page = PageOf(alone);
    EXPECT_EQ(Lines(page), Lines(FormatDayPage(row)));
    EXPECT_EQ(noted(page), noted(FormatDayPage(row)));
    EXPECT_EQ(row.festivals.size(), row.date.day == 6 ? 1u : 0u);
  }
}

}  // namespace
}  // namespace kalnika
