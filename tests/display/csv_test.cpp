// The CSV of a month: RFC 4180 records, the displayed texts, and the four columns
// that say what the table is of. The month is February 2026 at Mumbai (18 N 58,
// 072 E 50, zone +05:30, the sample place file's default), computed here.
#include <gtest/gtest.h>

#include <set>

#include "display/csv.h"
#include "almanac/name_tables.h"
#include "support/mumbai_request.h"

namespace kalnika {
namespace {

constexpr const char* kPlace = "Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)";

MonthValues February2026() {
  MonthRequest request = testing_place::MumbaiMonth(2026, 2, Method::Classic);
  request.yearText = "2026";
  return ComputeMonth(request);
}

// The records of a CSV text and the fields of each (quoted fields with doubled
// quotes; every record ended by CRLF).
std::vector<std::vector<std::string>> Records(const std::string& csv) {
  std::vector<std::vector<std::string>> records(1);
  std::string field;
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    const char next = i + 1 < csv.size() ? csv[i + 1] : '\0';
    if (quoted && c == '"' && next == '"') {
      field += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == ',' || (c == '\r' && next == '\n'))) {
      records.back().push_back(field);
      field.clear();
      if (c == '\r') records.emplace_back(), ++i;
    } else {
      field += c;
    }
  }
  records.pop_back();  // after the last CRLF
  return records;
}

TEST(CsvRecord, QuotesWhatAReaderWouldMisread) {
  EXPECT_EQ(CsvRecord({"a", "b,c", "say \"x\"", "line\nbreak", " edge", ""}),
            "a,\"b,c\",\"say \"\"x\"\"\",\"line\nbreak\",\" edge\",\r\n");
}

// OWASP, "CSV Injection": a cell that begins with =, +, - or @ (or TAB or CR) is
// a formula to a spreadsheet; a leading apostrophe makes it text. Gnumeric made a
// note =HYPERLINK(...) of the place file a live link. Numbers stay numbers.
TEST(CsvRecord, NoFieldIsAFormula) {
  struct Row {
    const char* name;
    std::string field, written;
  } rows[] = {
      {"equals", "=HYPERLINK(\"https://example.com\")", "\"'=HYPERLINK(\"\"https://example.com\"\")\""},
      {"plus", "+1+2", "'+1+2"},
      {"minus", "-2+3", "'-2+3"},
      {"at", "@SUM(A1:A2)", "'@SUM(A1:A2)"},
      {"tab", "\t=1", "'\t=1"},
      {"carriage return", "\r=1", "\"'\r=1\""},
      {"comma after the equals sign", "=1,2", "\"'=1,2\""},
      {"negative number", "-12", "-12"},
      {"signed decimal", "+5.5", "+5.5"},
      {"minus alone", "-", "'-"},
      {"not quite a number", "-1.", "'-1."},
      {"Devanagari", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E"},
      {"inner equals sign", "a=b", "a=b"},
  };
  for (const Row& r : rows) EXPECT_EQ(CsvRecord({r.field}), r.written + "\r\n") << r.name;
}

TEST(MonthCsv, HeadingsDaysAndWhatTheTableIsOf) {
  const MonthValues month = February2026();
  const MonthTable table = FormatMonth(month);
  const std::string csv = MonthCsv(month, table, kPlace, {Script::Unicode, xdvng::Digits::Latin});
  const auto records = Records(csv);
  ASSERT_EQ(records.size(), 1u + 28u);  // the headings and the 28 days
  for (const auto& record : records) ASSERT_EQ(record.size(), 21u);

  const auto& headings = records[0];
  EXPECT_EQ(headings[8], DisplayText(ColumnHeadings[8], {}));
  // The table heads both month columns महिना; the CSV names each: इंग्रजी महिना, चांद्र महिना.
  EXPECT_EQ(headings[0], "\u0907\u0902\u0917\u094D\u0930\u091C\u0940 \u092E\u0939\u093F\u0928\u093E");
  EXPECT_EQ(headings[6], "\u091A\u093E\u0902\u0926\u094D\u0930 \u092E\u0939\u093F\u0928\u093E");
  EXPECT_EQ(std::set<std::string>(headings.begin(), headings.end()).size(), headings.size());
  EXPECT_EQ(headings[17], "\u0938\u094D\u0925\u0933");          // स्थळ, the place
  EXPECT_EQ(headings[18], "\u0915\u0932\u093F\u092F\u0941\u0917\u093E\u092C\u094D\u0926");  // कलियुगाब्द
  EXPECT_EQ(headings[19], "\u0935\u093F\u0915\u094D\u0930\u092E \u0938\u0902\u0935\u0924");  // विक्रम संवत
  EXPECT_EQ(headings[20], "\u092A\u0926\u094D\u0927\u0924");    // पद्धत, the method

  for (int day = 1; day <= 28; ++day) {
    const auto& record = records[static_cast<std::size_t>(day)];
    EXPECT_EQ(record[1], std::to_string(day));
    // The cells as every face shows them: trimmed, two-digit minutes (display_text_test).
    const std::vector<std::string> shown = DisplayRow(table, day, {Script::Unicode, xdvng::Digits::Latin});
    for (std::size_t c = 0; c < shown.size(); ++c) EXPECT_EQ(record[c], shown[c]) << day << "," << c;
    EXPECT_EQ(record[17], kPlace);
    EXPECT_EQ(record[18], std::to_string(month.days.back().kaliYear));
    EXPECT_EQ(record[20], "\u092A\u093E\u0930\u0902\u092A\u0930\u093F\u0915");  // पारंपरिक
  }
  // The Vikram year of February 2026 is one year throughout (it turns in
  // October-November).
  EXPECT_EQ(records[1][19], std::to_string(month.days.front().vikram));
  EXPECT_EQ(month.days.front().vikram, month.days.back().vikram);
}

// Spreadsheets read 0-9 as numbers, not Devanagari digits: CSV has Western digits
// unless Devanagari ones are asked for.
TEST(CsvForm, WesternDigitsUnlessAsked) {
  EXPECT_EQ(DisplayText("2026", CsvForm(Script::Unicode)), "2026");
  EXPECT_EQ(DisplayText("2026", CsvForm(Script::Unicode, xdvng::Digits::Devanagari)), "\u0968\u0966\u0968\u096C");
}

TEST(MonthCsv, XdvngFormKeepsTheStoredBytes) {
  const MonthValues month = February2026();
  const MonthTable table = FormatMonth(month);
  const auto records = Records(MonthCsv(month, table, kPlace, {Script::Xdvng, xdvng::Digits::Devanagari}));
  ASSERT_EQ(records.size(), 29u);
  // A dark-fortnight day: the label keeps its leading blank (and is quoted for it).
  bool dark = false;
  for (std::size_t r = 1; r < records.size(); ++r) dark = dark || records[r][7] == " k\xC3\xA1\\N:";
  EXPECT_TRUE(dark);
  EXPECT_EQ(records[0][16], "ev:S:\xC3\xB0\\:");
}

}  // namespace
}  // namespace kalnika
