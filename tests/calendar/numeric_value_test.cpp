// The numeric value of a text: the one rule by which typed and stored texts become
// numbers (year box, place labels, clock pieces, default-place number).
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/numeric_value.h"

namespace kalnika {
namespace {

TEST(NumericValue, LeadingNumberBlanksIgnored) {
  struct Case { const char* text; double value; const char* why; } cases[] = {
      {"2026", 2026, "plain year"},
      {"18 N", 18, "reading stops at the letter after the blank"},
      {" 3 0", 30, "blanks anywhere are ignored"},
      {"abc", 0, "no leading number"},
      {"", 0, "empty text"},
      {"+05.50", 5.5, "time-zone tag of +05:30"},
      {" -03.50", -3.5, "tag with its leading blank"},
      {"2026.5", 2026.5, "one decimal point"},
      {"1.2.3", 1.2, "a second point ends the number"},
      {"--5", 0, "second sign is not a number"},
      {".5", 0.5, "point first"},
      {"1e3", 1, "no exponent"}};
  for (auto c : cases) EXPECT_EQ(NumericValue(c.text), c.value) << c.why;
}

TEST(NumericValue, HugeDigitStringsDoNotOverflowIntoUndefinedBehaviour) {
  std::string digits(400, '9');
  EXPECT_TRUE(std::isinf(NumericValue(digits)));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case { double in, out; } cases[] = {
      {2026.5, 2026}, {2027.5, 2028}, {2026.4, 2026}, {2026.6, 2027}, {-0.5, -0}, {-1.5, -2}, {0, 0}, {78.5, 78}};
  for (auto c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace kalnika
