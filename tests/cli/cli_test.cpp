// The command-line tool's interface: exit status, formats and scripts. Other tools
// drive it, so its arguments and outputs are fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "forms/frm_kalnika.h"
#include "run_cli.h"

namespace kalnika {
namespace {

using testing_cli::kPlaces;
using testing_cli::RunCli;
using testing_cli::RunResult;
using Json = nlohmann::json;

TEST(Cli, BadArgumentsExitWithStatusTwoAndUsage) {
  struct Case { std::vector<std::string> args; const char* why; } cases[] = {
      {{"--year", "2026"}, "no month (as with no arguments at all)"},
      {{"--month", "5"}, "no year (also with --format ics)"},
      {{"--month", "13", "--year", "2026"}, "month outside 1..12 (or not a number)"},
      {{"--month", "5", "--year"}, "option without its value"},
      {{"--month", "5", "--year", "2026", "--format", "xml"}, "unknown format"},
      {{"--month", "5", "--year", "2026", "--script", "roman"}, "unknown script"},
      {{"--month", "5", "--year", "2026", "--method", "modern"}, "unknown method"},
      {{"--month", "5", "--year", "2026", "--colour"}, "unknown option"},
      {{"--month", "5", "--year", "2026", "--dst", "summer"}, "a clock other than auto, on or off"},
      {{"--month", "5", "--year", "2026", "--places", kPlaces, "--place", "6"}, "no seventh place"},
      {{"--month", "5", "--year", "2026", "--places", kPlaces, "--place", "-1"}, "negative position"},
      {{"--month", "5", "--year", "2026", "--places", "/nonexistent/Location.ini"}, "missing place file"},
      {{"--month", "5", "--year", "2026", "--tithis"}, "--tithis (and --zone) without --format ics"},
      {{"--year", "2026", "--format", "ics", "--script", "xdvng"}, "the calendar has no Xdvng form"},
      {{"--date", "2026-02-30"}, "a date its month does not have"},
      {{"--date", "14.9.2026"}, "a date not written YYYY-MM-DD"},
      {{"--date", "2026-09-14", "--month", "9"}, "--date with a month"},
      {{"--date", "2026-09-14", "--format", "csv"}, "a day as CSV"},
      {{"--date", "2026-09-14", "--method", "classic"}, "a day of the classic method"}};
  for (const auto& c : cases) {
    RunResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.why;
    EXPECT_NE(r.err.find("usage: kalnika-cli"), std::string::npos) << c.why;
    EXPECT_TRUE(r.out.empty()) << c.why;
  }
}

// How a problem of the command line is told: in the words earlier releases printed,
// naming the argument in question (the reading of the line is CLI11's, its English
// messages are not shown).
TEST(Cli, ArgumentProblemsNameTheArgument) {
  struct Case { const char* name; std::vector<std::string> args; const char* says; } cases[] = {
      {"ValueMissing", {"--month", "5", "--year"}, "--year needs a value"},
      {"UnknownOption", {"--month", "5", "--colour", "--year", "2026"}, "unknown argument \"--colour\""},
      {"StrayWord", {"--month", "5", "--year", "2026", "May"}, "unknown argument \"May\""},
      {"WordAfterDstThatIsNoClock", {"--dst", "summer", "--month", "5", "--year", "2026"},
       "unknown argument \"summer\""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult r = RunCli(c.args);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), std::string("kalnika-cli: ") + c.says);
  }
}

// --help and -h print the usage on the standard output and succeed (the manual
// page's --help, -h; the usage's first line as the README shows it).
TEST(Cli, HelpPrintsTheUsage) {
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const RunResult r = RunCli({option});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("usage: kalnika-cli --month 1..12 --year TEXT", 0), 0u) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
  }
}

// A year the window refuses: status 1 and the window's message, in the JSON or on
// the error stream; no calendar is written.
TEST(Cli, RefusedYearExitsWithStatusOneAndCarriesTheMessage) {
  struct Case { const char* name; std::vector<std::string> args; const char* message; } cases[] = {
      {"JsonBelow79", {"--month", "5", "--year", "78", "--format", "json"}, "You Must select an Year 79 or above."},
      {"TableAbove32767", {"--month", "5", "--year", "40000"}, "You Must select an Year 32767 or below."},
      {"IcsBelow79", {"--year", "78", "--format", "ics"}, "You Must select an Year 79 or above."},
      {"PreciseFrom3000", {"--month", "3", "--year", "3000", "--method", "precise"}, "up to 2999"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"--places", kPlaces};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = RunCli(args);
    EXPECT_EQ(r.status, 1);
    // On stderr in every format (scripts watch it), in JSON also in the output.
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    if (c.args.back() == "json") {
      const std::string shown = Json::parse(r.out).at("message").get<std::string>();
      EXPECT_NE(shown.find(c.message), std::string::npos) << shown;
    }
    EXPECT_EQ(r.out.find("BEGIN:VCALENDAR"), std::string::npos);
  }
}

TEST(Cli, JsonHasTheFixedShape) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "2", "--year", "2024", "--format", "json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json v = Json::parse(r.out);
  ASSERT_EQ(v.at("rows").size(), 32u);
  for (const Json& row : v.at("rows")) EXPECT_EQ(row.size(), 17u);
  EXPECT_EQ(v.at("lat"), "18 N 58 ");
  EXPECT_EQ(v.at("long"), "072 E 50");
  EXPECT_EQ(v.at("zone"), " +05:30");
  EXPECT_TRUE(v.at("message").is_null());
  // Stored bytes appear as the characters of the same code points: "ð" is U+00F0.
  EXPECT_EQ(v.at("rows").at(1).at(0), "P\xC3\xB1" "b:\xC3\x92\xC3\x98v:ari");
}

// The fields and their quoting are the almanac's (tests/almanac/csv_test.cpp).
TEST(Cli, CsvHasTheHeadingsAndADayARecord) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "2", "--year", "2023",
                        "--format", "csv", "--script", "xdvng"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Headings plus 28 days, each line ended by CRLF.
  std::size_t lines = 0;
  for (std::size_t p = r.out.find("\r\n"); p != std::string::npos; p = r.out.find("\r\n", p + 2)) ++lines;
  EXPECT_EQ(lines, 29u);
  EXPECT_EQ(r.out.find('\n'), r.out.find("\r\n") + 1);
}

TEST(Cli, TableIsPrintedForATerminal) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "12", "--year", "2026",
                        "--method", "classic", "--script", "xdvng"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Mumbai, Maharashtra, India"), std::string::npos);
  EXPECT_NE(r.out.find("23H16"), std::string::npos);  // ending time of 1 December
}

TEST(Cli, EncodeWritesXdvngOfUnicode) {
  RunResult nahi = RunCli({"--encode", "\xE0\xA4\xA8\xE0\xA4\xBE\xE0\xA4\xB9\xE0\xA5\x80"});  // nahi
  EXPECT_EQ(nahi.status, 0);
  EXPECT_EQ(nahi.out, "n:ahi\n");
  RunResult latin = RunCli({"--encode", "Holi"});
  EXPECT_EQ(latin.status, 1);
  EXPECT_NE(latin.err.find("U+0048"), std::string::npos) << latin.err;
}

// --script and --digits reach the cells: the ending time of 1 December 2026 at
// Mumbai (golden/mumbai-2026-12.json row 1, "23H16") in each form. What each form
// makes of a stored text is tests/almanac/display_text_test.cpp's.
TEST(Cli, ScriptAndDigitsChooseTheCellsForm) {
  struct Case { const char* name; std::vector<std::string> options; const char* ending; } cases[] = {
      {"Xdvng", {"--script", "xdvng"}, "23H16"},
      {"UnicodeDevanagariDigits", {"--script", "unicode"}, "\xE0\xA5\xA8\xE0\xA5\xA9:\xE0\xA5\xA7\xE0\xA5\xAC"},
      {"UnicodeLatinDigits", {"--script", "unicode", "--digits", "latin"}, "23:16"},
      {"Latin", {"--script", "latin"}, "23:16"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args{"--places", kPlaces, "--place", "2",      "--month", "12",     "--year",
                                  "2026",   "--format", "json",  "--method", "classic"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const RunResult r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Json::parse(r.out).at("rows").at(1).at(9), c.ending);
  }
}

// A place file of its own for a test, in the temporary folder.
std::string PlaceFile(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("kalnika-cli-" + std::to_string(::getpid()) + "-" + name + ".ini");
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TEST(Cli, PreciseMethodJsonCarriesTheDaysValues) {
  // Gudhi Padwa 2026 at Mumbai reckoned from sunrise: the new-moon tithi on the 19th
  // (the day's values: tests/almanac/month_values_precise_test). The precise method
  // is the default; the classic table has the method's name too.
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "3", "--year", "2026", "--format",
                        "json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json v = Json::parse(r.out);
  EXPECT_EQ(v.at("method"), "precise");
  ASSERT_EQ(v.at("days").size(), 31u);
  EXPECT_EQ(v.at("days").at(18).at("date"), "2026-03-19");
  EXPECT_EQ(v.at("days").at(18).at("tithi"), 30);
  EXPECT_EQ(v.at("offsets").at(0), 5.5);

  RunResult classic = RunCli({"--places", kPlaces, "--place", "2", "--month", "3", "--year", "2026", "--format",
                              "json", "--method", "classic"});
  EXPECT_EQ(Json::parse(classic.out).at("method"), "classic");
}

// The bundled place file's festivals by their rules, with the default method, in the
// table: September 2026 at Mumbai (its default place). Ganesh Chaturthi once, on the
// 14th, where the chaturthi (07:07 14 Sep - 07:45 15 Sep, tests/data/sky/events.csv)
// holds at midday; the sunrise rule would give the 15th. Sankashti once, on the
// 29th, with the moonrise of that evening, 20:16 (tests/data/sky/moon-mumbai.csv:
// 14:46:17 UT). (The rule's text in the export: tests/ical; in the tooltips:
// tests/ui.)
TEST(Cli, DefaultMethodKeepsEachFestivalOnTheDayOfItsRule) {
  const RunResult r = RunCli({"--places", std::string(KALNIKA_TEST_DATA) + "/../../data/Location.ini", "--month",
                              "9", "--year", "2026", "--format", "json", "--script", "unicode", "--digits",
                              "latin"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json rows = Json::parse(r.out).at("rows");
  struct Case { const char* name; std::string note; int day; } cases[] = {
      {"ganesh_chaturthi", "\u0917\u0923\u0947\u0936 \u091A\u0924\u0941\u0930\u094D\u0925\u0940", 14},
      {"sankashti_with_its_moonrise",
       "\u0938\u0902\u0915\u0937\u094D\u091F\u0940 \u091A\u0924\u0941\u0930\u094D\u0925\u0940 "
       "\u091A\u0902\u0926\u094D\u0930\u094B\u0926\u092F 20:16",
       29}};
  for (const Case& c : cases) {
    std::vector<int> days;
    for (int day = 1; day <= 30; ++day)
      if (rows.at(day).at(16).get<std::string>().find(c.note) != std::string::npos) days.push_back(day);
    EXPECT_EQ(days, std::vector<int>{c.day}) << c.name;
  }
}

TEST(Cli, DstChoosesTheClock) {
  // London with its zone name: automatic offsets follow British summer time, which
  // began on 29 March 2026 (tzdata); "on" and the old "--dst" put every row an hour
  // on, "off" none.
  const std::string london = PlaceFile("london",
                                       "[LOCATION]\r\n0=\"London, England, UK            51 N 30  000 W 07  +00:00\"\r\n"
                                       "[TIME ZONES]\r\n0=Europe/London\r\n");
  struct Case { std::vector<std::string> dst; double day28, day30; } cases[] = {
      {{}, 0, 1}, {{"--dst", "auto"}, 0, 1}, {{"--dst"}, 1, 1}, {{"--dst", "on"}, 1, 1}, {{"--dst", "off"}, 0, 0}};
  for (const auto& c : cases) {
    std::vector<std::string> args{"--places", london, "--month", "3", "--year", "2026", "--format", "json"};
    args.insert(args.end(), c.dst.begin(), c.dst.end());
    RunResult r = RunCli(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const Json v = Json::parse(r.out);
    EXPECT_EQ(v.at("offsets").at(27), c.day28) << (c.dst.empty() ? "default" : c.dst.back());
    EXPECT_EQ(v.at("offsets").at(29), c.day30) << (c.dst.empty() ? "default" : c.dst.back());
  }
  std::filesystem::remove(london);
}

TEST(Cli, BadPlaceFilesAndRecordsAreReported) {
  // A binary place file is not an empty one: exit 2 with the reason.
  const std::string binary = PlaceFile("binary", std::string("[LOCATION]\r\n0=\"x\0y\"\r\n", 20));
  RunResult unreadable = RunCli({"--places", binary, "--month", "3", "--year", "2026"});
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_NE(unreadable.err.find(binary), std::string::npos) << unreadable.err;
  // Letters in the coordinates: no table for a place that does not exist.
  const std::string letters = PlaceFile("letters",
                                        "[LOCATION]\r\n0=\"Nowhere, Nothing, None         1x N 58  072 E 50  +05:30\"\r\n");
  RunResult refused = RunCli({"--places", letters, "--month", "3", "--year", "2026", "--format", "json"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(Json::parse(refused.out).at("message").get<std::string>().find("cannot be computed"), std::string::npos);
  std::filesystem::remove(binary);
  std::filesystem::remove(letters);
}

// Kathmandu's record keeps Nepal's quarter hour (+05:45) and names no zone. The
// precise method reads the minutes: the heading names +05:45 and every clock is
// 15 minutes later than on +05:30. The classic method reads the zone as 5 hours,
// as the almanac always has (the sample table kathmandu-2026-10), and says so.
TEST(Cli, AQuarterHourZone) {
  const std::string record = "Kathmandu, Bagmati, Nepal      27 N 43  085 E 19  ";
  const std::string quarter = PlaceFile("quarter", "[LOCATION]\r\n0=\"" + record + "+05:45\"\r\n");
  const std::string half = PlaceFile("half", "[LOCATION]\r\n0=\"" + record + "+05:30\"\r\n");
  auto table = [](const std::string& file, const char* method) {
    return RunCli({"--places", file, "--month", "10", "--year", "2026", "--method", method, "--digits", "latin"});
  };
  const RunResult precise = table(quarter, "precise");
  ASSERT_EQ(precise.status, 0) << precise.err;
  EXPECT_NE(precise.out.find("UTC +05:45\n"), std::string::npos) << precise.out;
  EXPECT_EQ(precise.err, "");
  // 1 October: sunrise at 05:56 on Nepal's clock, 05:41 on India's
  auto firstRow = [](const std::string& out) {
    const std::size_t begin = out.find("\n", out.find("\n\n") + 2) + 1;
    return out.substr(begin, out.find("\n", begin) - begin);
  };
  EXPECT_NE(firstRow(precise.out).find(" 5:56 "), std::string::npos) << firstRow(precise.out);
  EXPECT_NE(firstRow(table(half, "precise").out).find(" 5:41 "), std::string::npos);
  const RunResult classic = table(quarter, "classic");
  ASSERT_EQ(classic.status, 0);
  EXPECT_EQ(classic.err,
            "kalnika-cli: The classic method reads the place's zone +05:45 as +05:00 (the almanac's rule reads whole "
            "and half hours only); the precise method reads +05:45.\n");
  EXPECT_EQ(table(half, "classic").err, "");
  std::filesystem::remove(quarter);
  std::filesystem::remove(half);
}

// A place typed in Devanagari in the add-place dialog is stored as UTF-8, and every
// face shows it as typed: the table's first line, the CSV, the calendar export, and
// a message that names it.
TEST(Cli, ADevanagariPlaceNameAsTyped) {
  const std::string pune = "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87, MH, India";  // पुणे
  const std::string good = PlaceFile("pune", "[LOCATION]\r\n0=\"" + pune + "          18 N 31  073 E 51  +05:30\"\r\n");
  const std::vector<std::string> month{"--places", good, "--month", "12", "--year", "2026"};
  auto with = [&month](std::vector<std::string> more) {
    more.insert(more.begin(), month.begin(), month.end());
    return RunCli(more);
  };
  EXPECT_EQ(with({}).out.rfind(pune + "\n", 0), 0u);
  EXPECT_NE(with({"--format", "csv"}).out.find(pune + " (18 N 31"), std::string::npos);
  EXPECT_NE(with({"--format", "ics"}).out.find("LOCATION:" + pune.substr(0, 12)), std::string::npos);
  const std::string bad = PlaceFile("punebad", "[LOCATION]\r\n0=\"" + pune + "          18 N 75  073 E 51  +05:30\"\r\n");
  const RunResult refused = RunCli({"--places", bad, "--month", "12", "--year", "2026", "--format", "json"});
  EXPECT_NE(Json::parse(refused.out).at("message").get<std::string>().find("\"" + pune + "\""), std::string::npos);
  std::filesystem::remove(good);
  std::filesystem::remove(bad);
}

// Every face of Mumbai in October 1000 and on 14 October 1582, dates of the
// proleptic Gregorian calendar like every row (the Julian calendar would be 5 and
// 10 days behind): sunrise at 06:52:28 and 06:55:44 on the zone's earliest clock
// (+05:53:20) by astronomy-engine, the table's 6:52 and 6:56 in the table, the CSV
// and JSON; the tithi of the row ends on the calendar's same date.
TEST(Cli, DatesBeforeTheGregorianReform) {
  const std::string mumbai = PlaceFile("mumbai-1000",
                                       "[LOCATION]\r\n0=\"Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30\"\r\n"
                                       "[TIME ZONES]\r\n0=Asia/Kolkata\r\n");
  struct Row {
    const char* name;
    const char *year, *month;
    int day;
    const char *sunrise, *tithiEnds;
  } rows[] = {{"1 October 1000", "1000", "10", 1, "6:52", "Samapti 2 October 01:49"},
              {"14 October 1582", "1582", "10", 14, "6:56", "Samapti 14 October 15:43"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto run = [&](std::vector<std::string> more) {
      std::vector<std::string> args{"--places", mumbai, "--year", r.year, "--month", r.month, "--method", "precise",
                                    "--script", "latin"};
      args.insert(args.end(), more.begin(), more.end());
      const RunResult result = RunCli(args);
      EXPECT_EQ(result.status, 0) << result.err;
      return result.out;
    };
    // The table's row of the date: "October  1   1000   Wednesday ..."
    std::istringstream table(run({}));
    bool found = false;
    for (std::string line; std::getline(table, line);) {
      std::istringstream words(line);
      std::string month, day, year;
      words >> month >> day >> year;
      if (month != "October" || day != std::to_string(r.day) || year != r.year) continue;
      found = true;
      EXPECT_NE(line.find(std::string(" ") + r.sunrise + " "), std::string::npos) << line;
    }
    EXPECT_TRUE(found);
    const std::string csv = run({"--format", "csv"});
    EXPECT_NE(csv.find("October," + std::to_string(r.day) + "," + r.year), std::string::npos);
    const std::size_t record = csv.find("October," + std::to_string(r.day) + ",");
    EXPECT_NE(csv.substr(record, csv.find("\r\n", record) - record).find(std::string(",") + r.sunrise + ","),
              std::string::npos);
    const Json json = Json::parse(run({"--format", "json", "--script", "xdvng"}));
    EXPECT_EQ(json.at("rows").at(r.day).at(14), std::string(r.sunrise).replace(1, 1, "H"));
    const std::string ics = run({"--format", "ics", "--tithis"});
    const std::size_t event = ics.find(std::string("UID:tithi-") + r.year + r.month + (r.day < 10 ? "0" : "") +
                                       std::to_string(r.day));
    ASSERT_NE(event, std::string::npos);
    EXPECT_NE(ics.find(std::string("DESCRIPTION:") + r.tithiEnds, event), std::string::npos);
    EXPECT_LT(ics.find(std::string("DESCRIPTION:") + r.tithiEnds, event), ics.find("END:VEVENT", event));
  }
  std::filesystem::remove(mumbai);
}

// A place file is a file anyone may have written: its texts reach a terminal as
// text, never as control sequences (an ESC in a name set the terminal's title and
// cleared its screen), and reach a spreadsheet as text, never as formulas (a note
// "=HYPERLINK(...)" became a live link).
TEST(Cli, HostilePlaceFileTexts) {
  // descriptions padded to their 31 characters
  auto record = [](std::string name, const char* tail) { return name.append(31 - name.size(), ' ') + tail; };
  const std::string hostile = PlaceFile(
      "hostile",
      "[LOCATION]\r\n0=\"" + record("Pune\x1B]0;owned\x07\x1B[2J, IN", "18 N 31  073 E 51  +05:30") +
      "\"\r\n1=\"" + record("Bad\x1B[2J, IN", "18 N 75  073 E 51  +05:30") + "\"\r\n"
      "[AUSPICIOUS DAYS]\r\n0723=\"=HYPERLINK(\"\"https://example.com\"\";\"\"\u0915\u094D\u0932\u093F\u0915\"\")\"\r\n");
  const RunResult table = RunCli({"--places", hostile, "--place", "0", "--month", "12", "--year", "2026"});
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(table.out.find('\x1B'), std::string::npos);
  EXPECT_EQ(table.out.find('\x07'), std::string::npos);
  EXPECT_NE(table.out.find("Pune\xEF\xBF\xBD]0;owned"), std::string::npos);
  const RunResult refused = RunCli({"--places", hostile, "--place", "1", "--month", "12", "--year", "2026"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Bad\xEF\xBF\xBD[2J"), std::string::npos) << refused.err;
  EXPECT_EQ(refused.err.find('\x1B'), std::string::npos);
  // The note of Kartika, dark 8th: 1 December 2026 in the classic table.
  // Typed in Unicode (क्लिक), the note is shown as typed; in the Xdvng script as
  // stored.
  for (const char* script : {"unicode", "xdvng"}) {
    const RunResult csv = RunCli(
        {"--places", hostile, "--place", "0", "--month", "12", "--year", "2026", "--format", "csv", "--script", script});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find(",\"'=HYPERLINK("), std::string::npos) << csv.out;
    EXPECT_EQ(csv.out.find(",\"=HYPERLINK("), std::string::npos);
    EXPECT_EQ(csv.out.find(",=HYPERLINK("), std::string::npos);
  }
  std::filesystem::remove(hostile);
}

TEST(Cli, FindListsTownsWithTheirRecords) {
  if (!std::filesystem::exists("/usr/share/libtimezonemap/ui/cities15000.txt"))
    GTEST_SKIP() << "the GeoNames towns (Debian package libtimezonemap-data) are not installed";
  // The acceptance case of the finder: Pune first, in English and in Devanagari.
  for (const char* name : {"Pune", "\xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87"}) {
    RunResult r = RunCli({"--find", name});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Pune, Maharashtra, India       18 N 31  073 E 51  +05:30  Asia/Kolkata", 0), 0u)
        << r.out;
  }
}

// The page of one day (--date): the five limbs with their ends, the Sun and the
// Moon, Rahu kalam, Yamaganda, Gulika, Abhijit, the Brahma muhurta and the
// sixteen choghadiyas, each instant in UTC with the clock the page shows; the
// month's JSON carries the same values for the day. What the values are:
// tests/almanac/day_values_test.
TEST(Cli, DateGivesTheDaysPage) {
  const RunResult r = RunCli({"--places", kPlaces, "--date", "2026-09-14", "--format", "json", "--script", "latin",
                              "--digits", "latin"});
  ASSERT_EQ(r.status, 0) << r.err;
  const Json v = Json::parse(r.out);
  EXPECT_EQ(v.at("date"), "2026-09-14");
  EXPECT_EQ(v.at("method"), "precise");
  EXPECT_EQ(v.at("place"), "Mumbai, Maharashtra, India");
  const Json& day = v.at("day");
  for (const char* limb : {"tithi", "nakshatra", "yoga", "karana"}) {
    SCOPED_TRACE(limb);
    const Json& values = day.at("limbs").at(limb);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.at(0).at("end").at("utc").get<std::string>().size(), 20u);
    EXPECT_FALSE(values.at(0).at("end").at("shown").get<std::string>().empty());
  }
  EXPECT_EQ(day.at("limbs").at("vara").at("name"), "Monday");
  for (const char* key : {"sunrise", "sunset", "moonrise", "moonset"})
    EXPECT_TRUE(day.at("sun_moon").at(key).contains("utc")) << key;
  for (const char* period : {"rahu_kalam", "yamaganda", "gulika", "abhijit", "brahma_muhurta"})
    EXPECT_TRUE(day.at("periods").at(period).at("start").contains("shown")) << period;
  EXPECT_EQ(day.at("periods").at("choghadiya").at("day").size(), 8u);
  EXPECT_EQ(day.at("periods").at("choghadiya").at("night").size(), 8u);
  // The night's last choghadiya ends at the next sunrise.
  EXPECT_EQ(day.at("periods").at("choghadiya").at("night").at(7).at("end").at("utc"),
            Json::parse(RunCli({"--places", kPlaces, "--date", "2026-09-15", "--format", "json"}).out)
                .at("day").at("sun_moon").at("sunrise").at("utc"));

  const RunResult month = RunCli({"--places", kPlaces, "--month", "9", "--year", "2026", "--method", "precise",
                                  "--format", "json", "--script", "latin", "--digits", "latin"});
  ASSERT_EQ(month.status, 0) << month.err;
  EXPECT_EQ(Json::parse(month.out).at("days").at(13), day);

  const RunResult table = RunCli({"--places", kPlaces, "--date", "2026-09-14", "--script", "latin"});
  EXPECT_EQ(table.status, 0);
  EXPECT_EQ(table.out.substr(0, table.out.find('\n')), "Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)");
  EXPECT_NE(table.out.find("Monday 14 September 2026"), std::string::npos) << table.out;

  // Beyond the precise method's years: the refusal, as for a month.
  const RunResult refused = RunCli({"--places", kPlaces, "--date", "3000-01-01", "--format", "json"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(Json::parse(refused.out).at("message"), kPreciseYearsMessage);
  EXPECT_TRUE(Json::parse(refused.out).at("day").is_null());
}

}  // namespace
}  // namespace kalnika
