#pragma once
// A zone's offset as the C library reads the installed tzdata (localtime_r with TZ
// set): a second reading of the same files, written apart from places/, for tests
// whose expected offsets are whatever the machine's tzdata says (dates a tzdata
// update may still change).
#include <time.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

namespace kalnika::testing_zone {

// Hours east of UTC of `zone` at 12:00 local time of `date`; nothing when the C
// library cannot tell (a noon the zone skipped).
inline std::optional<double> CLibraryNoonOffset(const std::string& zone, std::chrono::year_month_day date) {
  const char* saved = std::getenv("TZ");
  const std::optional<std::string> before = saved ? std::optional<std::string>(saved) : std::nullopt;
  ::setenv("TZ", (":" + zone).c_str(), 1);
  ::tzset();
  struct tm local {};
  local.tm_year = static_cast<int>(date.year()) - 1900;
  local.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
  local.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const time_t t = ::mktime(&local);
  struct tm back {};
  std::optional<double> hours;
  if (::localtime_r(&t, &back) != nullptr && back.tm_hour == 12)
    hours = static_cast<double>(back.tm_gmtoff) / 3600.0;
  if (before) {
    ::setenv("TZ", before->c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
  return hours;
}

}  // namespace kalnika::testing_zone
