#pragma once
// Reading Xdvng glyphs as Unicode code points. Internal to kalnika_xdvng: the
// encoder reads its own output back with it.
#include <string>
#include <string_view>

#include "xdvng/xdvng.h"

namespace kalnika::xdvng::detail {

// Xdvng bytes -> Unicode code points in logical order (NFC); see ToUnicode.
std::u32string DecodeGlyphs(std::string_view xdvng, Digits digits);

}  // namespace kalnika::xdvng::detail
