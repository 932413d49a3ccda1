// kalnika-cli --format ics: the calendar it writes for a month or a whole year,
// read back with libical (its arguments are checked in cli_test.cpp). The dates of the festivals are
// those of the independently computed tables of tests/data/golden/ (Mumbai, the
// notes of its Location.ini).
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "run_cli.h"

namespace kalnika {
namespace {

using testing_cli::kPlaces;
using testing_cli::RunCli;
using testing_cli::RunResult;

struct Calendar {
  std::set<std::string> uids;
  std::set<std::string> allDay;  // "yyyymmdd summary" of the all-day events
  std::set<std::string> months;  // "yyyymm" of every event
};

Calendar ReadCalendar(const std::string& text) {
  Calendar c;
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  EXPECT_NE(calendar, nullptr);
  if (!calendar) return c;
  EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
  EXPECT_EQ(icalrestriction_check(calendar), 1);
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    EXPECT_TRUE(c.uids.insert(icalcomponent_get_uid(e)).second) << icalcomponent_get_uid(e);
    const icaltimetype start = icalcomponent_get_dtstart(e);
    char key[16];
    std::snprintf(key, sizeof key, "%04d%02d%02d", start.year, start.month, start.day);
    c.months.insert(std::string(key, 6));
    if (start.is_date) c.allDay.insert(std::string(key) + " " + icalcomponent_get_summary(e));
  }
  icalcomponent_free(calendar);
  return c;
}

// The whole year when --month is left out: twelve months, with the notes of each
// (which row a note goes to is tests/ical's).
TEST(CliIcs, WholeYearWithTheTablesFestivals) {
  const RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--year", "2026", "--format", "ics"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Calendar c = ReadCalendar(r.out);
  EXPECT_EQ(c.months.size(), 12u);
  EXPECT_TRUE(c.allDay.count("20260327 रामनवमी")) << "mumbai-2026-03.json row 27";
}

// The zone name the place file stores for the place gives the timed events its
// clock; --zone overrides it.
TEST(CliIcs, StoredZoneNameOrZoneOption) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kalnika-ics-test";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / "Location.ini";
  std::ofstream(file, std::ios::binary) << "[LOCATION]\r\n"
                                           "0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n"
                                           "[TIME ZONES]\r\n0=Asia/Kolkata\r\n";
  const std::vector<std::string> args = {"--places", file.string(), "--month",  "12",     "--year",
                                         "2026",  "--format",    "ics", "--method", "classic"};
  const RunResult stored = RunCli(args);
  ASSERT_EQ(stored.status, 0) << stored.err;
  ReadCalendar(stored.out);
  // New moon 30H23 in the row of the 9th (mumbai-2026-12.json): 06:23 at Kolkata.
  EXPECT_NE(stored.out.find("DTSTART;TZID=Asia/Kolkata:20261209T062300\r\n"), std::string::npos);
  std::vector<std::string> utcArgs = args;
  utcArgs.insert(utcArgs.end(), {"--zone", "UTC"});
  const RunResult utc = RunCli(utcArgs);
  ASSERT_EQ(utc.status, 0) << utc.err;
  EXPECT_NE(utc.out.find("DTSTART:20261209T005300Z\r\n"), std::string::npos);
  std::filesystem::remove_all(dir);
}

// A zone the calendar cannot use is refused, with its reason, never put in UTC's
// place: mistyped after --zone (a bad argument, status 2), or stored with the place
// (the month is computed on the record's own clock, the calendar refused: 1).
TEST(CliIcs, AZoneThatCannotBeUsedIsRefused) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kalnika-ics-zone-test";
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / "Location.ini";
  std::ofstream(file, std::ios::binary) << "[LOCATION]\r\n"
                                           "0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n"
                                           "1=\"Pune, Maharashtra, India       18 N 31  073 E 51  +05:30\"\r\n"
                                           "[TIME ZONES]\r\n0=Asia/Kolkata\r\n1=posixrules\r\n";
  auto run = [&](std::vector<std::string> more) {
    std::vector<std::string> args = {"--places", file.string(), "--month", "12", "--year", "2026", "--format", "ics"};
    args.insert(args.end(), more.begin(), more.end());
    return RunCli(args);
  };
  for (const char* zone : {"Asia/Kolkatta", "posixrules", "Factory", "right/Asia/Kolkata"}) {
    const RunResult r = run({"--zone", zone});
    EXPECT_EQ(r.status, 2) << zone;
    EXPECT_EQ(r.out, "") << zone;
    EXPECT_NE(r.err.find(std::string("\"") + zone + "\""), std::string::npos) << r.err;
  }
  const RunResult stored = run({"--place", "1"});
  EXPECT_EQ(stored.status, 1);
  EXPECT_EQ(stored.out, "");
  EXPECT_NE(stored.err.find("The calendar cannot be written in the time zone \"posixrules\""), std::string::npos)
      << stored.err;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kalnika
