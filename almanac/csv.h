#pragma once
// CSV (RFC 4180) lines for the month table's exports.
#include <string>
#include <vector>

namespace kalnika {

// One CSV record ended by CRLF. A field is quoted when it holds a comma, a double
// quote, CR or LF, or begins or ends with a blank (which many readers would
// otherwise drop: the dark-fortnight label begins with one); quotes are doubled.
std::string CsvRecord(const std::vector<std::string>& fields);

}  // namespace kalnika
