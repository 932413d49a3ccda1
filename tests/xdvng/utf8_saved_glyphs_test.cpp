// A place file edited in a UTF-8 editor stores each glyph byte above 0x7F as the
// UTF-8 of its Latin-1 character (kalnika-cli --encode shows them that way in a
// terminal). Such a value must still read as the Devanagari it stands for.
#include <gtest/gtest.h>

#include <string>

#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

// UTF-8 of the Latin-1 characters of the bytes.
std::string AsUtf8Characters(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

TEST(XdvngUtf8SavedGlyphs, ReadAsTheGlyphBytes) {
  struct Case { const char* unicode; } cases[] = {
      {"\xE0\xA4\x97\xE0\xA5\x81\xE0\xA4\xA2\xE0\xA5\x80\xE0\xA4\xAA\xE0\xA4\xBE\xE0\xA4\xA1\xE0\xA4\xB5\xE0\xA4\xBE"},  // gudhipadva
      {"\xE0\xA4\xB8\xE0\xA5\x82\xE0\xA4\xB0\xE0\xA5\x8D\xE0\xA4\xAF"},  // surya: reph and uu sign
      {"\xE0\xA4\xAA\xE0\xA5\x8C\xE0\xA4\xB0\xE0\xA5\x8D\xE0\xA4\xA3\xE0\xA4\xBF\xE0\xA4\xAE\xE0\xA4\xBE"}};  // paurnima
  for (const auto& c : cases) {
    EncodeResult encoded = FromUnicode(c.unicode);
    ASSERT_TRUE(encoded.ok) << encoded.error;
    ASSERT_NE(encoded.xdvng.find_first_of(std::string("\x80\xFF", 2)), 0u);
    EXPECT_EQ(ToUnicode(AsUtf8Characters(encoded.xdvng)), c.unicode);
    EXPECT_EQ(ToUnicode(encoded.xdvng), c.unicode);
  }
}

TEST(XdvngUtf8SavedGlyphs, PlainAsciiGlyphTextsAreUnaffected) {
  // "n:ahi" (nahi) has no byte above 0x7F: it is read as glyphs, as always.
  EXPECT_EQ(ToUnicode("n:ahi"), "\xE0\xA4\xA8\xE0\xA4\xBE\xE0\xA4\xB9\xE0\xA5\x80");
}

}  // namespace
}  // namespace kalnika::xdvng
