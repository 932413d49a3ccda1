#pragma once
// The month table as CSV (RFC 4180): the one writer of every CSV the program makes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/display_text.h"
#include "almanac/month_text.h"
#include "almanac/month_values.h"

namespace kalnika {

// One CSV record ended by CRLF. A field that begins with "=", "+", "-", "@", TAB
// or CR and is not a plain number gets a leading apostrophe, so that no
// spreadsheet takes it for a formula. A field is quoted when it holds a comma, a
// double quote, CR or LF, or begins or ends with a blank (which many readers would
// otherwise drop); quotes are doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// The two month columns of the CSV by their own titles, stored: इंग्रजी महिना (the
// Gregorian month) and चांद्र महिना (the lunar month), which the table heads alike
// (महिना); a spreadsheet needs a distinct title for each column.
inline constexpr const char* kGregorianMonthTitle = "E\xF6g:\xD2j:i m:ehn:a";
inline constexpr const char* kLunarMonthTitle = "c:a\xF6" "d\xD3 m:ehn:a";

// The display form of a CSV file in a script: Western digits, which spreadsheets
// read as numbers, unless Devanagari digits are asked for.
DisplayForm CsvForm(Script script, std::optional<xdvng::Digits> asked = std::nullopt);

// A month as CSV: a headings record and one record per day, each with the 17
// columns of the table as displayed (DisplayRow with the day's notes apart; the
// notes column has its heading, the two month columns their own titles) followed
// by four columns that say what the table is of: the place (`place`,
// plain text), the Kali year, the Vikram year or years, and the method. Those four
// repeat on every day, so that every record stands alone when the file is sorted or
// filtered in a spreadsheet, and every record has the same 21 fields.
std::string MonthCsv(const MonthValues& values, const MonthTable& table, std::string_view place,
                     DisplayForm form);

}  // namespace kalnika
