// The Xdvng encoder: any bytes are written or refused with a reason; every text it
// writes is shown back (ToUnicode, the display's reading) as the text in NFC, with
// either set of digits.
#include <string>

#include "fuzz/fuzz_check.h"
#include "xdvng/unicode_text.h"
#include "xdvng/xdvng.h"

namespace {

// `text` with its digits in one set: ASCII for Digits::Latin, Devanagari otherwise.
std::u32string InDigits(std::u32string text, kalnika::xdvng::Digits digits) {
  for (char32_t& c : text) {
    if (c >= U'0' && c <= U'9') c = c - U'0' + U'\u0966';
    if (digits == kalnika::xdvng::Digits::Latin && c >= U'\u0966' && c <= U'\u096F') c = c - U'\u0966' + U'0';
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalnika::xdvng;
  const std::string utf8(reinterpret_cast<const char*>(data), size);
  const EncodeResult encoded = FromUnicode(utf8);
  FUZZ_CHECK(encoded.ok == encoded.error.empty());
  if (!encoded.ok) {
    FUZZ_CHECK(encoded.xdvng.empty());
    return 0;
  }
  const std::u32string nfc = detail::ComposeDevanagari(detail::DecodeUtf8(utf8).text);
  for (const Digits digits : {Digits::Devanagari, Digits::Latin}) {
    FUZZ_CHECK(ToUnicode(encoded.xdvng, digits) == detail::EncodeUtf8(InDigits(nfc, digits)));
  }
  return 0;
}
