#include "calendar/numeric_value.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace kalnika {

double NumericValue(std::string_view text) {
  std::string number;
  bool seenDigit = false, seenPoint = false, seenSign = false;
  for (char c : text) {
    if (c == ' ') continue;  // blanks are ignored wherever they stand
    if ((c == '+' || c == '-') && !seenSign && !seenDigit && !seenPoint) {
      seenSign = true;
      number += c;
    } else if (c >= '0' && c <= '9') {
      seenDigit = true;
      number += c;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      number += c;
    } else {
      break;
    }
  }
  if (!seenDigit) return 0.0;
  // strtod rounds the decimal text correctly to the nearest double.
  return std::strtod(number.c_str(), nullptr);
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double lower = std::floor(value);
  double diff = value - lower;
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1.0;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

}  // namespace kalnika
