// The Xdvng decoder: any bytes read as valid UTF-8 with either set of digits.
#include <string>

#include "fuzz/fuzz_check.h"
#include "xdvng/unicode_text.h"
#include "xdvng/xdvng.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalnika::xdvng;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const Digits digits : {Digits::Devanagari, Digits::Latin}) {
    FUZZ_CHECK(!detail::DecodeUtf8(ToUnicode(bytes, digits)).bad_offset);
    FUZZ_CHECK(!detail::DecodeUtf8(GlyphsToUnicode(bytes, digits)).bad_offset);
  }
  return 0;
}
