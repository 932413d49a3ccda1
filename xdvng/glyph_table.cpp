#include "xdvng/glyph_table.h"

#include <algorithm>

namespace kalnika::xdvng::detail {

const Glyph* FindGlyph(unsigned char code) {
  const auto* it = std::lower_bound(std::begin(kGlyphs), std::end(kGlyphs), code,
                                    [](const Glyph& g, unsigned char c) { return g.code < c; });
  return (it != std::end(kGlyphs) && it->code == code) ? it : nullptr;
}

Seat SeatOf(unsigned char body) {
  for (const Seat& seat : kSeats) {
    if (seat.letter == body) return seat;
  }
  return kStemSeat;
}

}  // namespace kalnika::xdvng::detail
