#include "astronomy/almanac_clock.h"

#include <string_view>
#include <vector>

#include "calendar/numeric_value.h"

namespace kalnika {

namespace {
std::string_view LastChars(std::string_view s, std::size_t n) {
  return s.size() <= n ? s : s.substr(s.size() - n);
}
std::string_view FirstChars(std::string_view s, std::size_t n) { return s.substr(0, n); }
}  // namespace

std::string WholeNumberText(long long value) { return std::to_string(value); }

std::string AlmanacClockText(const std::string& text) {
  std::vector<std::string_view> pieces;
  std::string_view rest = text;
  for (;;) {
    std::size_t colon = rest.find(':');
    pieces.push_back(rest.substr(0, colon));
    if (colon == std::string_view::npos) break;
    rest.remove_prefix(colon + 1);
  }
  // The date alone: the instant falls on local midnight.
  if (pieces.size() < 3) return "24H00";

  auto hour = static_cast<int>(NumericValue(LastChars(pieces[0], 2)));
  std::string_view minutesText = pieces[1];
  auto minutes = static_cast<int>(NumericValue(minutesText));
  auto seconds = static_cast<int>(NumericValue(FirstChars(pieces[2], 2)));
  std::string_view marker = LastChars(pieces[2], 2);

  // To the 24-hour clock: 12 AM is 0 h, 12 PM is 12 h.
  int h24 = hour % 12 + (marker == "PM" ? 12 : 0);
  bool roundedUp = seconds > 30;  // exactly 30 seconds leave the minutes as written
  if (roundedUp) {
    ++minutes;
    if (minutes == 60) {  // carry into the hour (and past midnight)
      minutes = 0;
      h24 = (h24 + 1) % 24;
    }
  }
  // The almanac clock: midnight to 6 a.m. count on from 24.
  int almanacHour = h24 <= 6 ? h24 + 24 : h24;
  std::string result = WholeNumberText(almanacHour) + "H";
  if (roundedUp)
    result += WholeNumberText(minutes);
  else
    result += minutesText;
  return result;
}

}  // namespace kalnika
