#pragma once
// The numeric value of a text, the one rule by which every typed or stored text
// becomes a number in this program (year box, place labels, clock pieces,
// the default-place number).
#include <string_view>

namespace kalnika {

// Blanks anywhere are ignored; an optional sign, digits and one decimal point are
// read from the start; reading stops at the first other character. A text without
// a leading number is 0. "18 N" gives 18, " 3 0" gives 30, "abc" gives 0,
// "-03.50" gives -3.5, "+05:45" gives 5.
double NumericValue(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour
// (the rounding of the year number and of the stored default position).
double RoundHalfEven(double value);

}  // namespace kalnika
