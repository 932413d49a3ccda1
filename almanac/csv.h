#pragma once
// The month table as CSV (RFC 4180): the one writer of every CSV the program makes.
#include <functional>
#include <string>
#include <vector>

#include "almanac/month_text.h"

namespace kalnika {

// One CSV record ended by CRLF. A field is quoted when it holds a comma, a double
// quote, CR or LF, or begins or ends with a blank (which many readers would
// otherwise drop: the dark-fortnight label begins with one); quotes are doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

// The headings row and the day rows of a month, each stored text shown through
// `display` (Xdvng bytes to the face's script).
std::string MonthCsv(const MonthTable& table, const std::function<std::string(const std::string&)>& display);

}  // namespace kalnika
