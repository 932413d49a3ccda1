#include "xdvng/unicode_text.h"

#include <cstdint>

namespace kalnika::xdvng::detail {

Utf8Decoded DecodeUtf8(std::string_view bytes) {
  Utf8Decoded result;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int length = 0;
    char32_t value = 0;
    char32_t smallest = 0;  // below this the sequence is an overlong form
    if (lead < 0x80) {
      length = 1;
      value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      value = lead & 0x1Fu;
      smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      value = lead & 0x0Fu;
      smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      value = lead & 0x07u;
      smallest = 0x10000;
    } else {
      result.bad_offset = i;
      return result;
    }
    if (bytes.size() - i < static_cast<std::size_t>(length)) {
      result.bad_offset = i;
      return result;
    }
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      if ((next & 0xC0) != 0x80) {
        result.bad_offset = i;
        return result;
      }
      value = (value << 6) | (next & 0x3Fu);
    }
    // Surrogates and values above the last code point are not characters.
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
      result.bad_offset = i;
      return result;
    }
    result.text.push_back(value);
    i += static_cast<std::size_t>(length);
  }
  return result;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (const char32_t c : text) {
    const auto v = static_cast<std::uint32_t>(c);
    if (v < 0x80) {
      out.push_back(static_cast<char>(v));
    } else if (v < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (v >> 6)));
      out.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    } else if (v < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (v >> 12)));
      out.push_back(static_cast<char>(0x80 | ((v >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (v >> 18)));
      out.push_back(static_cast<char>(0x80 | ((v >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((v >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    }
  }
  return out;
}

bool IsConsonant(char32_t c) {
  return (c >= U'\u0915' && c <= U'\u0939') || (c >= U'\u0958' && c <= U'\u095F') ||
         (c >= U'\u0978' && c <= U'\u097F');
}

bool IsVowelLetter(char32_t c) {
  return (c >= U'\u0904' && c <= U'\u0914') || c == U'\u0960' || c == U'\u0961' ||
         (c >= U'\u0972' && c <= U'\u0977');
}

bool IsVowelSign(char32_t c) {
  return (c >= U'\u093A' && c <= U'\u094F' && c != kNukta && c != U'\u093D' && c != kVirama) ||
         (c >= U'\u0955' && c <= U'\u0957') || c == U'\u0962' || c == U'\u0963';
}

bool IsModifier(char32_t c) { return c >= U'\u0900' && c <= kVisarga; }

bool IsDevanagari(char32_t c) { return c >= U'\u0900' && c <= U'\u097F'; }

std::u32string ComposeDevanagari(std::u32string_view text) {
  // Bases of क़ ख़ ग़ ज़ ड़ ढ़ फ़ य़ (U+0958..U+095F), which NFC keeps decomposed.
  constexpr char32_t kNuktaBases[] = {U'\u0915', U'\u0916', U'\u0917', U'\u091C',
                                      U'\u0921', U'\u0922', U'\u092B', U'\u092F'};
  std::u32string out;
  out.reserve(text.size() + 4);
  for (const char32_t c : text) {
    if (c >= U'\u0958' && c <= U'\u095F') {
      out.push_back(kNuktaBases[c - U'\u0958']);
      out.push_back(kNukta);
      continue;
    }
    if (c != kNukta) {
      out.push_back(c);
      continue;
    }
    // The nukta (combining class 7) goes before a virama (class 9).
    const bool after_virama = !out.empty() && out.back() == kVirama;
    if (after_virama) out.pop_back();
    const char32_t base = out.empty() ? U'\0' : out.back();
    if (base == U'\u0928') {
      out.back() = U'\u0929';  // ऩ
    } else if (base == kRa) {
      out.back() = kEyelashRa;  // ऱ
    } else if (base == U'\u0933') {
      out.back() = U'\u0934';  // ऴ
    } else {
      out.push_back(kNukta);
    }
    if (after_virama) out.push_back(kVirama);
  }
  return out;
}

std::string CodePointName(char32_t c) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string digits;
  auto v = static_cast<std::uint32_t>(c);
  do {
    digits.insert(digits.begin(), kHex[v & 0xF]);
    v >>= 4;
  } while (v != 0);
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  digits.insert(0, "U+");
  return digits;
}

}  // namespace kalnika::xdvng::detail
