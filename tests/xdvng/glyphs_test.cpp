// Every code point of the font reads as the glyph list says it draws, and every
// code point without a glyph as U+FFFD.
// Expected values: tests/data/xdvng/xdvng-glyphs.tsv, a copy of the glyph list
// written from the font's glyph map (ITRANS xdvng.ifm) and its drawings. A mark
// is read on the letter क ("k"), since alone it would stand on a dotted circle.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

const std::string kKa = "\u0915";
const std::string kVirama = "\u094D";

TEST(XdvngGlyphs, EveryCodePointReadsAsListed) {
  std::map<int, std::vector<std::string>> listed;  // code -> {unicode, class}
  for (const auto& row : testing::ReadTsv(KALNIKA_TEST_DATA "/xdvng/xdvng-glyphs.tsv"))
    listed[std::stoi(row.at(0), nullptr, 16)] = {row.at(2), row.at(4)};
  ASSERT_EQ(listed.size(), 191u) << "0x20..0x7E and 0xA0..0xFF";
  for (int code = 0; code < 256; ++code) {
    const auto it = listed.find(code);
    if (it == listed.end()) {
      // No glyph: U+FFFD, which ends the syllable like a blank and takes nothing
      // with it (the half letter before stays dead, the stem after stands alone).
      EXPECT_EQ(ToUnicode(std::string{'s', static_cast<char>(code), ':', 'k'}), "\u0938\u094D\uFFFD\u25CC\u093E\u0915")
          << "code point " << code;
      continue;
    }
    const std::string& u = it->second[0];
    const std::string& cls = it->second[1];
    std::string text{static_cast<char>(code)}, expected = u;  // letters, ligatures, vowels, digits, ...
    if (cls == "vowel-sign-prefix") {
      text += 'k';  // drawn before, read after the letter
      expected = kKa + u;
    } else if (cls == "reph") {
      text = 'k' + text;  // र् moves before the letter; the anusvara of 0xFE, 0xFF stays after it
      expected = u.substr(0, 6) + kKa + u.substr(6);
    } else if (cls == "stem" || cls == "vowel-sign" || cls == "virama" || cls == "rakar" ||
               (cls == "sign" && (u == "\u0902" || u == "\u0901" || u == "\u0903"))) {
      text = 'k' + text;
      expected = kKa + u;
    } else if (cls == "consonant-half" || cls == "conjunct-half") {
      // Alone it is a dead consonant, as listed; the stem completes it (the
      // eyelash ra takes no stem, so the stem stays a lone aa-sign).
      EXPECT_EQ(ToUnicode(text), u) << "code point " << code;
      text += ':';
      expected = code == 0x22 ? u + "\u25CC\u093E" : u.substr(0, u.size() - kVirama.size());
    }
    EXPECT_EQ(ToUnicode(text), expected) << "code point " << code << " " << cls;
  }
}

}  // namespace
}  // namespace kalnika::xdvng
