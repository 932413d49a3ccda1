// The periods of the day from a stated sunrise, sunset and next sunrise: against
// published day pages (DrikPanchang, New Delhi and Buddh Gaya), against tables
// computed for a 06:00 sunrise and an 18:00 sunset, and at high latitudes, where
// a short daytime has short periods and a day without sunrise or sunset has none.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "elements/day_periods.h"
#include "support/instant_text.h"

namespace kalnika {
namespace {

using testing_time::JulianDayOfLocal;

constexpr double kIndia = 5.5;

// A clock "HH:MM:SS" of a date at the zone as a Julian Day (UT).
double At(int y, int m, int d, const char* clock, double zone) {
  int h = 0, mi = 0, s = 0;
  std::sscanf(clock, "%d:%d:%d", &h, &mi, &s);
  return JulianDayOfLocal(y, m, d, h, mi, zone) + s / 86400.0;
}

// "HH:MM" of an instant at the zone, the seconds dropped as DrikPanchang drops them
// (a millisecond is added so that an instant a rounding below a whole minute keeps
// that minute).
std::string Truncated(double jdUt, double zone) {
  const double minutes = std::floor((jdUt + zone / 24.0 + 0.5) * 1440.0 + 1e-5);
  const int minuteOfDay = static_cast<int>(minutes - 1440.0 * std::floor(minutes / 1440.0));
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d", minuteOfDay / 60, minuteOfDay % 60);
  return text;
}

// "HH:MM" of an instant at the zone, rounded to the nearest minute.
std::string Rounded(double jdUt, double zone) {
  return testing_time::LocalMinute(jdUt, zone).substr(11);
}

enum class Which { Rahu, Yamaganda, Gulika, Abhijit, Brahma, FirstDurmuhurta, SecondDurmuhurta };

std::optional<TimeSpan> Get(const DayPeriods& p, Which which) {
  switch (which) {
    case Which::Rahu: return p.rahuKalam;
    case Which::Yamaganda: return p.yamaganda;
    case Which::Gulika: return p.gulikaKalam;
    case Which::Abhijit: return p.abhijit;
    case Which::Brahma: return p.brahmaMuhurta;
    case Which::FirstDurmuhurta:
      return p.durmuhurta.empty() ? std::nullopt : std::optional<TimeSpan>(p.durmuhurta[0]);
    case Which::SecondDurmuhurta: break;
  }
  return p.durmuhurta.size() < 2 ? std::nullopt : std::optional<TimeSpan>(p.durmuhurta[1]);
}

struct Printed {
  Which which;
  const char* start;  // nullptr: printed as none
  const char* end;
};

// --- Published day pages ------------------------------------------------------------

// DrikPanchang's day pages print sunrise and sunset to the minute with the seconds
// dropped, the daytime ("dinamana") and the night ("ratrimana") to the second, and
// each period with its seconds dropped. The sunrise below is the page's, with
// seconds chosen within the few that keep every printed minute of the page (sunset
// and periods) as printed; sunset and next sunrise follow from the printed daytime
// and night to the second.
struct PageDay {
  const char* name;
  int y, m, d, weekday;
  const char* sunrise;
  const char* sunset;
  int nextY, nextM, nextD;
  const char* nextSunrise;
  std::vector<Printed> printed;
};

TEST(DayPeriods, DrikPanchangDayPages) {
  const PageDay pages[] = {
      // New Delhi, Monday 24 January 2022: sunrise 07:13, daytime 10:40:38, night
      // 13:19:00. The Brahma muhurta before the next sunrise is printed on the page
      // of 25 January (05:26 to 06:19; quoted by News18, "Aaj Ka Panchang, January
      // 25, 2022").
      {"NewDelhiMonday24January2022", 2022, 1, 24, 1, "07:13:30", "17:54:08", 2022, 1, 25,
       "07:13:08",
       {{Which::Rahu, "08:33", "09:53"},
        {Which::Yamaganda, "11:13", "12:33"},
        {Which::Abhijit, "12:12", "12:55"},
        {Which::Brahma, "05:26", "06:19"}}},
      // New Delhi, Tuesday 25 January 2022 (News18, from DrikPanchang): sunrise 07:13,
      // sunset 17:54; the night ends at the 07:12 sunrise of 26 January. Tuesday's
      // second durmuhurta falls in the night.
      {"NewDelhiTuesday25January2022", 2022, 1, 25, 2, "07:13:08", "17:54:52", 2022, 1, 26,
       "07:12:45",
       {{Which::Rahu, "15:14", "16:34"},
        {Which::Abhijit, "12:12", "12:55"},
        {Which::FirstDurmuhurta, "09:21", "10:04"},
        {Which::SecondDurmuhurta, "23:14", "00:07"}}},
      // New Delhi, Wednesday 26 January 2022: sunrise 07:12, daytime 10:43:02, night
      // 13:16:32; Abhijit "None", the durmuhurta is its muhurta.
      {"NewDelhiWednesday26January2022", 2022, 1, 26, 3, "07:12:45", "17:55:47", 2022, 1, 27,
       "07:12:19",
       {{Which::Rahu, "12:34", "13:54"},
        {Which::Yamaganda, "08:33", "09:53"},
        {Which::Gulika, "11:13", "12:34"},
        {Which::Abhijit, nullptr, nullptr},
        {Which::FirstDurmuhurta, "12:12", "12:55"}}},
      // New Delhi, Thursday 31 December 2020: sunrise 07:14, daytime 10:21:09, night
      // 13:39:05.
      {"NewDelhiThursday31December2020", 2020, 12, 31, 4, "07:14:25", "17:35:34", 2021, 1, 1,
       "07:14:39",
       {{Which::Abhijit, "12:04", "12:45"}}},
      // New Delhi, Saturday 22 November 2025: sunrise 06:49, daytime 10:35:41, night
      // 13:25:06.
      {"NewDelhiSaturday22November2025", 2025, 11, 22, 6, "06:49:50", "17:25:31", 2025, 11, 23,
       "06:50:37",
       {{Which::Rahu, "09:28", "10:48"},
        {Which::Yamaganda, "13:27", "14:46"},
        {Which::Abhijit, "11:46", "12:28"}}},
      // Buddh Gaya, Monday 28 September 2026: sunrise 05:41, sunset 17:40, daytime
      // 11:59:38, night 12:00:43 (near the equinox a muhurta is 48 minutes).
      {"BuddhGayaMonday28September2026", 2026, 9, 28, 1, "05:41:16", "17:40:54", 2026, 9, 29,
       "05:41:37",
       {{Which::Rahu, "07:11", "08:41"},
        {Which::Yamaganda, "10:11", "11:41"},
        {Which::Abhijit, "11:17", "12:05"}}}};

  for (const PageDay& page : pages) {
    SCOPED_TRACE(page.name);
    const DayPeriods periods = PeriodsOfDay(
        {At(page.y, page.m, page.d, page.sunrise, kIndia),
         At(page.y, page.m, page.d, page.sunset, kIndia),
         At(page.nextY, page.nextM, page.nextD, page.nextSunrise, kIndia), page.weekday});
    for (const Printed& p : page.printed) {
      SCOPED_TRACE(static_cast<int>(p.which));
      const std::optional<TimeSpan> span = Get(periods, p.which);
      if (p.start == nullptr) {
        EXPECT_FALSE(span.has_value());
        continue;
      }
      ASSERT_TRUE(span.has_value());
      EXPECT_EQ(Truncated(span->start, kIndia), p.start);
      EXPECT_EQ(Truncated(span->end, kIndia), p.end);
    }
  }
}

// --- Every weekday from a 06:00 sunrise and an 18:00 sunset --------------------------

// With the Sun up from 06:00 to 18:00 and the next sunrise at 06:00, an eighth is
// 90 minutes and a muhurta 48. Rahu, Yamaganda and Gulika as the table for such a
// day prints them (divineastro.in, "Rahu Kalam - Actual Timing"); the durmuhurtas
// by hand from Narada Samhita, chapter 9 (muhurta k of the daytime begins at 06:00
// + 48 (k - 1) minutes, of the night at 18:00 + 48 (k - 1) minutes): Sunday the
// 14th, Monday the 9th and 12th, Tuesday the 4th and the night's 7th, Wednesday the
// 8th, Thursday the 6th and 12th, Friday the 4th and 9th, Saturday the 1st and 2nd.
TEST(DayPeriods, EveryWeekdayOfATwelveHourDay) {
  struct Case {
    const char* name;
    int weekday;
    std::vector<Printed> printed;
  } cases[] = {
      {"Sunday", 0,
       {{Which::Rahu, "16:30", "18:00"}, {Which::Yamaganda, "12:00", "13:30"},
        {Which::Gulika, "15:00", "16:30"}, {Which::Abhijit, "11:36", "12:24"},
        {Which::FirstDurmuhurta, "16:24", "17:12"}, {Which::SecondDurmuhurta, nullptr, nullptr}}},
      {"Monday", 1,
       {{Which::Rahu, "07:30", "09:00"}, {Which::Yamaganda, "10:30", "12:00"},
        {Which::Gulika, "13:30", "15:00"}, {Which::FirstDurmuhurta, "12:24", "13:12"},
        {Which::SecondDurmuhurta, "14:48", "15:36"}}},
      {"Tuesday", 2,
       {{Which::Rahu, "15:00", "16:30"}, {Which::Yamaganda, "09:00", "10:30"},
        {Which::Gulika, "12:00", "13:30"}, {Which::FirstDurmuhurta, "08:24", "09:12"},
        {Which::SecondDurmuhurta, "22:48", "23:36"}}},
      {"Wednesday", 3,
       {{Which::Rahu, "12:00", "13:30"}, {Which::Yamaganda, "07:30", "09:00"},
        {Which::Gulika, "10:30", "12:00"}, {Which::Abhijit, nullptr, nullptr},
        {Which::FirstDurmuhurta, "11:36", "12:24"}, {Which::SecondDurmuhurta, nullptr, nullptr}}},
      {"Thursday", 4,
       {{Which::Rahu, "13:30", "15:00"}, {Which::Yamaganda, "06:00", "07:30"},
        {Which::Gulika, "09:00", "10:30"}, {Which::FirstDurmuhurta, "10:00", "10:48"},
        {Which::SecondDurmuhurta, "14:48", "15:36"}}},
      {"Friday", 5,
       {{Which::Rahu, "10:30", "12:00"}, {Which::Yamaganda, "15:00", "16:30"},
        {Which::Gulika, "07:30", "09:00"}, {Which::FirstDurmuhurta, "08:24", "09:12"},
        {Which::SecondDurmuhurta, "12:24", "13:12"}}},
      // The 1st and 2nd muhurtas follow each other: one span.
      {"Saturday", 6,
       {{Which::Rahu, "09:00", "10:30"}, {Which::Yamaganda, "13:30", "15:00"},
        {Which::Gulika, "06:00", "07:30"}, {Which::FirstDurmuhurta, "06:00", "07:36"},
        {Which::SecondDurmuhurta, nullptr, nullptr}}}};

  // 4 January 2026 is a Sunday; each case takes the date of its weekday, at UT.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int day = 4 + c.weekday;
    const DayPeriods periods = PeriodsOfDay({At(2026, 1, day, "06:00:00", 0.0),
                                             At(2026, 1, day, "18:00:00", 0.0),
                                             At(2026, 1, day + 1, "06:00:00", 0.0), c.weekday});
    // Brahma muhurta: the night's 14th muhurta, 04:24 to 05:12 before a 06:00 sunrise.
    ASSERT_TRUE(periods.brahmaMuhurta.has_value());
    EXPECT_EQ(Rounded(periods.brahmaMuhurta->start, 0.0), "04:24");
    EXPECT_EQ(Rounded(periods.brahmaMuhurta->end, 0.0), "05:12");
    for (const Printed& p : c.printed) {
      SCOPED_TRACE(static_cast<int>(p.which));
      const std::optional<TimeSpan> span = Get(periods, p.which);
      if (p.start == nullptr) {
        EXPECT_FALSE(span.has_value());
        continue;
      }
      ASSERT_TRUE(span.has_value());
      EXPECT_EQ(Rounded(span->start, 0.0), p.start);
      EXPECT_EQ(Rounded(span->end, 0.0), p.end);
    }
  }
}

// --- Choghadiyas ---------------------------------------------------------------------

// Monday's sixteen choghadiyas for a 06:00 sunrise and an 18:00 sunset, as printed
// by bestastroguru.com ("Monday Chaughadia"): each 90 minutes, from Amrit at 06:00
// to Chara at 04:30.
TEST(DayPeriods, MondayChoghadiyas) {
  using C = Choghadiya;
  const DayPeriods periods = PeriodsOfDay({At(2026, 1, 5, "06:00:00", 0.0),
                                           At(2026, 1, 5, "18:00:00", 0.0),
                                           At(2026, 1, 6, "06:00:00", 0.0), 1});
  struct Row { C kind; const char* start; } day[] = {
      {C::Amrit, "06:00"}, {C::Kaal, "07:30"}, {C::Shubh, "09:00"}, {C::Rog, "10:30"},
      {C::Udveg, "12:00"}, {C::Char, "13:30"}, {C::Labh, "15:00"}, {C::Amrit, "16:30"}},
                night[] = {
      {C::Char, "18:00"}, {C::Rog, "19:30"}, {C::Kaal, "21:00"}, {C::Labh, "22:30"},
      {C::Udveg, "00:00"}, {C::Shubh, "01:30"}, {C::Amrit, "03:00"}, {C::Char, "04:30"}};
  ASSERT_TRUE(periods.dayChoghadiyas.has_value());
  ASSERT_TRUE(periods.nightChoghadiyas.has_value());
  for (int k = 0; k < 8; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ((*periods.dayChoghadiyas)[k].kind, day[k].kind);
    EXPECT_EQ(Rounded((*periods.dayChoghadiyas)[k].span.start, 0.0), day[k].start);
    EXPECT_EQ((*periods.nightChoghadiyas)[k].kind, night[k].kind);
    EXPECT_EQ(Rounded((*periods.nightChoghadiyas)[k].span.start, 0.0), night[k].start);
  }
  EXPECT_EQ((*periods.nightChoghadiyas)[7].span.end, At(2026, 1, 6, "06:00:00", 0.0));
}

// The rule as choghadiya primers state it (trustedteller.com, "Want to start
// something new?"): the day's first and last choghadiyas are the weekday lord's,
// and the lords follow in the order Sun, Venus, Mercury, Moon, Saturn, Jupiter,
// Mars; the night begins with the fifth lord from the day's first and goes on five
// lords at a time (Sunday night: Shubh, Amrit, Char, Rog, Kaal, Labh, Udveg, Shubh,
// as the Gujarati table prints it).
TEST(DayPeriods, ChoghadiyasFollowTheirLordsOnEveryWeekday) {
  // The lord of the weekday's choghadiya, Sunday .. Saturday: Sun Udveg, Moon
  // Amrit, Mars Rog, Mercury Labh, Jupiter Shubh, Venus Char, Saturn Kaal.
  const int lordOfWeekday[] = {0, 3, 6, 2, 5, 1, 4};
  for (int weekday = 0; weekday < 7; ++weekday) {
    SCOPED_TRACE(weekday);
    const DayPeriods periods = PeriodsOfDay({At(2026, 1, 4 + weekday, "06:00:00", 0.0),
                                             At(2026, 1, 4 + weekday, "18:00:00", 0.0),
                                             At(2026, 1, 5 + weekday, "06:00:00", 0.0), weekday});
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(static_cast<int>((*periods.dayChoghadiyas)[k].kind),
                (lordOfWeekday[weekday] + k) % 7);
      EXPECT_EQ(static_cast<int>((*periods.nightChoghadiyas)[k].kind),
                (lordOfWeekday[weekday] + 5 + 5 * k) % 7);
    }
  }
}

// --- High latitudes ------------------------------------------------------------------

// Tromsø (69°39' N) in mid-January: a daytime of 80 minutes (sunrise 11:20, sunset
// 12:40, next sunrise 11:16, local clock; stated for the test). On a Monday Rahu
// kalam is the 2nd eighth of 10 minutes, 11:30 to 11:40; Abhijit the 8th muhurta of
// 5 min 20 s, 11:57:20 to 12:02:40; the night of 22 h 36 min has muhurtas of 90 min
// 24 s, so the Brahma muhurta runs 08:15:12 to 09:45:36.
TEST(DayPeriods, ShortArcticDay) {
  constexpr double kNorway = 1.0;
  const DayPeriods periods = PeriodsOfDay({At(2026, 1, 12, "11:20:00", kNorway),
                                           At(2026, 1, 12, "12:40:00", kNorway),
                                           At(2026, 1, 13, "11:16:00", kNorway), 1});
  ASSERT_TRUE(periods.rahuKalam && periods.abhijit && periods.brahmaMuhurta);
  EXPECT_EQ(Rounded(periods.rahuKalam->start, kNorway), "11:30");
  EXPECT_EQ(Rounded(periods.rahuKalam->end, kNorway), "11:40");
  EXPECT_NEAR((periods.abhijit->start - At(2026, 1, 12, "11:57:20", kNorway)) * 86400.0, 0.0, 1e-3);
  EXPECT_NEAR((periods.abhijit->end - At(2026, 1, 12, "12:02:40", kNorway)) * 86400.0, 0.0, 1e-3);
  EXPECT_NEAR((periods.brahmaMuhurta->start - At(2026, 1, 13, "08:15:12", kNorway)) * 86400.0, 0.0,
              1e-3);
  EXPECT_NEAR((periods.brahmaMuhurta->end - At(2026, 1, 13, "09:45:36", kNorway)) * 86400.0, 0.0,
              1e-3);
}

// Without a sunrise or a sunset there is no daytime or night to divide: polar
// night and midnight sun have no periods, and the last day before the polar
// night keeps its daytime periods but has no night ones.
TEST(DayPeriods, NoneWithoutSunriseOrSunset) {
  constexpr double kNorway = 1.0;
  const double noonOfDay = At(2025, 11, 26, "11:00:00", kNorway);
  struct Case {
    const char* name;
    DayBounds bounds;
    bool daytime, night;
  } cases[] = {
      // The Sun neither rises nor sets on the date (polar night or midnight sun).
      {"NoSunriseNoSunset", {std::nullopt, std::nullopt, std::nullopt, 0}, false, false},
      {"LastSunriseBeforeThePolarNight", {noonOfDay, noonOfDay + 0.02, std::nullopt, 3}, true,
       false},
      {"SunriseWithoutSunset", {noonOfDay, std::nullopt, std::nullopt, 3}, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const DayPeriods p = PeriodsOfDay(c.bounds);
    EXPECT_EQ(p.rahuKalam.has_value(), c.daytime);
    EXPECT_EQ(p.yamaganda.has_value(), c.daytime);
    EXPECT_EQ(p.gulikaKalam.has_value(), c.daytime);
    EXPECT_EQ(p.dayChoghadiyas.has_value(), c.daytime);
    EXPECT_EQ(p.durmuhurta.size(), c.daytime ? 1u : 0u);  // a Wednesday's one, or none
    EXPECT_FALSE(p.abhijit.has_value());  // no daytime, or a Wednesday
    EXPECT_EQ(p.brahmaMuhurta.has_value(), c.night);
    EXPECT_EQ(p.nightChoghadiyas.has_value(), c.night);
  }
}

}  // namespace
}  // namespace kalnika
