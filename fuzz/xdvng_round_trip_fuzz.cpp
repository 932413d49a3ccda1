// Xdvng bytes -> Unicode -> Xdvng: whatever the encoder accepts of a decoded text
// is shown back as that text.
#include <string>

#include "fuzz/fuzz_check.h"
#include "xdvng/unicode_text.h"
#include "xdvng/xdvng.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalnika::xdvng;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string shown = GlyphsToUnicode(bytes);
  const EncodeResult encoded = FromUnicode(shown);
  if (!encoded.ok) return 0;
  const std::string nfc = detail::EncodeUtf8(detail::ComposeDevanagari(detail::DecodeUtf8(shown).text));
  FUZZ_CHECK(ToUnicode(encoded.xdvng) == nfc);
  return 0;
}
