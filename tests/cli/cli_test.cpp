// The command-line tool's interface: exit status, formats and scripts. Other tools
// drive it, so its arguments and outputs are fixed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "support/mini_json.h"

namespace kalnika {
namespace {

const std::string kPlaces = std::string(KALNIKA_TEST_DATA) + "/golden/Location.ini";

struct RunResult {
  int status;
  std::string out, err;
};

RunResult RunCli(std::vector<std::string> args) {
  args.insert(args.begin(), "kalnika-cli");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  int status = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
  return {status, out.str(), err.str()};
}

TEST(Cli, BadArgumentsExitWithStatusTwoAndUsage) {
  struct Case { std::vector<std::string> args; const char* why; } cases[] = {
      {{}, "no arguments"},
      {{"--year", "2026"}, "no month"},
      {{"--month", "5"}, "no year"},
      {{"--month", "13", "--year", "2026"}, "month above 12"},
      {{"--month", "0", "--year", "2026"}, "month below 1"},
      {{"--month", "May", "--year", "2026"}, "month not a number"},
      {{"--month", "5", "--year"}, "option without its value"},
      {{"--month", "5", "--year", "2026", "--format", "xml"}, "unknown format"},
      {{"--month", "5", "--year", "2026", "--script", "latin"}, "unknown script"},
      {{"--month", "5", "--year", "2026", "--colour"}, "unknown option"},
      {{"--month", "5", "--year", "2026", "--places", kPlaces, "--place", "6"}, "no seventh place"},
      {{"--month", "5", "--year", "2026", "--places", kPlaces, "--place", "-1"}, "negative position"},
      {{"--month", "5", "--year", "2026", "--places", "/nonexistent/Location.ini"}, "missing place file"}};
  for (const auto& c : cases) {
    RunResult r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.why;
    EXPECT_NE(r.err.find("usage: kalnika-cli"), std::string::npos) << c.why;
    EXPECT_TRUE(r.out.empty()) << c.why;
  }
}

TEST(Cli, RefusedYearExitsWithStatusOneAndCarriesTheMessage) {
  RunResult json = RunCli({"--places", kPlaces, "--month", "5", "--year", "78", "--format", "json"});
  EXPECT_EQ(json.status, 1);
  auto v = testing_json::Parse(json.out);
  EXPECT_EQ(v["message"].string, "You Must select an Year 79 or above.");

  RunResult table = RunCli({"--places", kPlaces, "--month", "5", "--year", "40000"});
  EXPECT_EQ(table.status, 1);
  EXPECT_NE(table.err.find("You Must select an Year 32767 or below."), std::string::npos);
}

TEST(Cli, JsonHasTheFixedShape) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "2", "--year", "2024", "--format", "json"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto v = testing_json::Parse(r.out);
  ASSERT_EQ(v["rows"].array.size(), 32u);
  for (const auto& row : v["rows"].array) EXPECT_EQ(row.array.size(), 17u);
  EXPECT_EQ(v["rows"][29][1].string, "29");  // leap February
  EXPECT_EQ(v["rows"][30][1].string, "");
  EXPECT_EQ(v["lat"].string, "18 N 58 ");
  EXPECT_EQ(v["long"].string, "072 E 50");
  EXPECT_EQ(v["zone"].string, " +05:30");
  EXPECT_TRUE(v["message"].IsNull());
  // Stored bytes appear as the characters of the same code points: "ð" is U+00F0.
  EXPECT_EQ(v["rows"][1][0].string, "P\xC3\xB1" "b:\xC3\x92\xC3\x98v:ari");
}

TEST(Cli, CsvFollowsRfc4180WithHeadings) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "2", "--year", "2023",
                        "--format", "csv", "--script", "xdvng"});
  ASSERT_EQ(r.status, 0) << r.err;
  // Headings plus 28 days, each line ended by CRLF.
  std::size_t lines = 0;
  for (std::size_t p = r.out.find("\r\n"); p != std::string::npos; p = r.out.find("\r\n", p + 2)) ++lines;
  EXPECT_EQ(lines, 29u);
  EXPECT_EQ(r.out.find('\n'), r.out.find("\r\n") + 1);
  // Texts with an edge blank are quoted, e.g. the dark-fortnight label " ká\N:".
  EXPECT_NE(r.out.find(",\" k\xC3\xA1\\N:\","), std::string::npos);
}

TEST(Cli, TableIsPrintedForATerminal) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "12", "--year", "2026",
                        "--script", "xdvng"});
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

TEST(Cli, UnicodeScriptShowsDevanagariWithChosenDigits) {
  RunResult r = RunCli({"--places", kPlaces, "--place", "2", "--month", "12", "--year", "2026",
                        "--format", "json", "--script", "unicode"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto v = testing_json::Parse(r.out);
  EXPECT_EQ(v["rows"][1][1].string, "\xE0\xA5\xA7");  // Devanagari digit one
  EXPECT_EQ(v["rows"][1][9].string, "\xE0\xA5\xA8\xE0\xA5\xA9:\xE0\xA5\xA7\xE0\xA5\xAC");  // 23H16
  RunResult latin = RunCli({"--places", kPlaces, "--place", "2", "--month", "12", "--year", "2026",
                            "--format", "json", "--script", "unicode", "--digits", "latin"});
  auto w = testing_json::Parse(latin.out);
  EXPECT_EQ(w["rows"][1][9].string, "23:16");
  EXPECT_EQ(w["kali"].string.substr(w["kali"].string.size() - 4), "5128");
}

}  // namespace
}  // namespace kalnika
