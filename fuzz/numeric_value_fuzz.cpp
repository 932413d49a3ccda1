// The numeric value of a text: any bytes give a number, never NaN; it is 0 for a
// text without a leading number, and its rounding is a whole number within a half.
#include <cmath>
#include <string_view>

#include "calendar/numeric_value.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = kalnika::NumericValue(text);
  FUZZ_CHECK(!std::isnan(value));
  // the first character that is not a blank decides whether a number starts
  const std::size_t first = text.find_first_not_of(' ');
  const bool mayStart = first != std::string_view::npos &&
                        (text[first] == '+' || text[first] == '-' || text[first] == '.' ||
                         (text[first] >= '0' && text[first] <= '9'));
  if (!mayStart) FUZZ_CHECK(value == 0.0);
  const double rounded = kalnika::RoundHalfEven(value);
  if (std::isfinite(value)) {
    FUZZ_CHECK(std::floor(rounded) == rounded);
    FUZZ_CHECK(std::fabs(rounded - value) <= 0.5);
  }
  return 0;
}
