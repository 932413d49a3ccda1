// Writing Unicode Devanagari as Xdvng: the spelling the font needs, the
// refusal of what it cannot draw, and reading back every text it accepts.
// Expected spellings follow the glyph list; the spellings of the system's own
// texts (every one of which the encoder writes back byte for byte) are checked
// in system_texts_test.cpp.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::ReadTsv;
using testing::ShowLatin1;

TEST(XdvngEncode, WritesTheFontsGlyphOrder) {
  struct Case {
    const char* name;
    const char* unicode;
    const char* xdvng;
    const char* reads_back;  // nullptr: the input itself
    const char* why;
  } cases[] = {
    {"WideISignBeforeTwoGlyphs", "\u0938\u094D\u0924\u093F", "\xA1st:", nullptr, "स्ति spans two letters"},
    {"RephOverViramaJoinedCluster", "\u0930\u094D\u0926\u094D\u0927\u094D\u092F", "\xB9\xD0y:\xFC", nullptr,
     "the reph after the whole cluster"},
    {"DeadHalfLetter", "\u0924\u094D", "t", nullptr, "त् at the end"},
    {"DeadFullLetter", "\u0926\u094D", "d\xD0", nullptr, "द् has no half glyph"},
    {"HaWithVocalicRGlyph", "\u0939\u0943\u0926\u092F", "\xC6" "dy:", nullptr, "हृ in one glyph"},
    {"VowelO", "\u0913", "A:\xF0", nullptr, "ओ"},
    {"VowelCandraA", "\u0972", "A\xF4", nullptr, "ॲ"},
    {"VowelIiWithAnusvara", "\u0908\u0902", "o", nullptr, "ईं has a glyph of its own"},
    {"ClockText", "\u0968\u0967:\u0966\u096B", "21H05", nullptr, "the colon after a digit is H"},
    {"AsciiDigits", "2026", "2026", "\u0968\u0966\u0968\u096C", "the font draws only Devanagari digits"},
    {"NuktaLetter", "\u0915\u093C", "]", nullptr, "क़"},
    {"PrecomposedNuktaLetter", "\u0958", "]", "\u0915\u093C", "U+0958 is not NFC; read back decomposed"},
    {"NuktaAfterVirama", "\u091C\u094D\u093C", "z", "\u091C\u093C\u094D", "nukta moved before the virama"},
    {"EyelashRa", "\u0931\u094D\u092F", "\"y:", nullptr, "ऱ्य"},
    {"LoneMarkOnDottedCircle", "\u25CC\u093F", "e", nullptr, "what the reader shows for a lone i-sign"},
    {"Punctuation", "\u0964 \u0965 \u0970 \u093D \u0950 . \u00B7", ". / } | ! & ~", nullptr, "one glyph each"},
    {"EmptyText", "", "", nullptr, "nothing to write"}};
  for (auto c : cases) {
    const EncodeResult encoded = FromUnicode(c.unicode);
    EXPECT_TRUE(encoded.ok) << c.name << ": " << encoded.error;
    EXPECT_EQ(ShowLatin1(encoded.xdvng), ShowLatin1(c.xdvng)) << c.name << ": " << c.why;
    EXPECT_EQ(ToUnicode(encoded.xdvng), c.reads_back != nullptr ? c.reads_back : c.unicode) << c.name;
  }
}

TEST(XdvngEncode, RefusalNamesTheFirstCharacterItCannotWrite) {
  struct Case {
    const char* name;
    const char* unicode;
    const char* names;  // what the message must name: the character's code points and place
    const char* why;
  } cases[] = {
    {"LatinLetters", "Ram", "\"R\" (U+0052, character 1)", "the font's ASCII codes are Devanagari glyphs"},
    {"Comma", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E, \u0939\u094B\u0933\u0940",
     "(U+002C, character 10)", "the font has no comma"},
    {"NuktaLetterWithoutGlyph", "\u095F", "(U+092F U+093C, character 1)", "य़, named with its nukta"},
    {"FullEyelashRa", "\u0931", "(U+0931, character 1)", "ऱ exists only as the half letter"},
    {"ZeroWidthJoiner", "\u0930\u094D\u200D\u092F", "(U+200D, character 3)", "र्‍य: write ऱ्य"},
    {"NoBreakSpace", "\u0915\u00A0\u0916", "(U+00A0, character 2)", "0xA0 reads back as a plain blank"},
    {"ColonAfterLetter", "\u0930\u093E\u092E:", "(U+003A, character 4) in Xdvng: a colon right after a letter",
     "H there would read as the visarga"},
    {"VisargaWithoutLetter", "\u0903", "(U+0903, character 1)", "H at the start reads as a colon"},
    {"SecondVowelSign", "\u0915\u0941\u093F", "(U+093F, character 3)", "one vowel sign per letter"},
    {"WouldReadBackOtherwise", "\u0905\u093E", "(U+0905, character 1)", "अ + ा would read back as आ"},
    {"InvalidUtf8", "\xFF", "not valid UTF-8 (byte 1)", "Latin-1 bytes are not Unicode text"},
    // The glyphs read back, but the display takes bytes that form UTF-8 for UTF-8
    // text first (ToUnicode); both texts were shown wrongly before they were refused.
    {"GlyphsFormUtf8Devanagari", "\u0935\u0943\u0919\u094D\u0917\u0926\u094D\u092F",
     "happen to form UTF-8 text", "the glyphs end in E0 A4 BD, the UTF-8 of \u093D: shown as \"v:\u093D\""},
    {"GlyphsFormUtf8Latin1", "\u0936\u094D\u0930\u094D\u0926\u094D\u0927", "happen to form UTF-8 text",
     "the glyphs C2 and 0x80-0xBF read as a Latin-1 letter saved as UTF-8: shown as \"\u0926\u094D\u0927\""}};
  for (auto c : cases) {
    const EncodeResult encoded = FromUnicode(c.unicode);
    EXPECT_FALSE(encoded.ok) << c.name << ": " << c.why;
    EXPECT_TRUE(encoded.xdvng.empty()) << c.name;
    EXPECT_NE(encoded.error.find(c.names), std::string::npos) << c.name << ": " << encoded.error;
  }
}

// The letters of the font, from the glyph list: every complete consonant and
// every half consonant completed by the stem (the eyelash ra never is).
std::vector<std::string> FontConsonants() {
  std::set<std::string> letters;
  for (const auto& row : ReadTsv(KALNIKA_TEST_DATA "/xdvng/xdvng-glyphs.tsv")) {
    if (row.size() < 5 || row[0] == "0x22") continue;
    if (row[4] == "consonant") letters.insert(row[2]);
    if (row[4] == "consonant-half") letters.insert(row[2].substr(0, row[2].size() - 3));  // without the virama
  }
  return {letters.begin(), letters.end()};
}

// Every letter of the font with every vowel sign, and with the reph and the
// modifiers around it, is written and reads back: 41 letters x 16 signs x 6.
TEST(XdvngEveryLetter, WithEverySignReadsBack) {
  const std::vector<std::string> letters = FontConsonants();
  ASSERT_EQ(letters.size(), 41u) << "16 complete letters and 30 half ones, 5 letters having both";
  const char* signs[] = {"", "\u093E", "\u093F", "\u0940", "\u0941", "\u0942", "\u0943", "\u0944",
                         "\u0962", "\u0963", "\u0945", "\u0947", "\u0948", "\u0949", "\u094B", "\u094C"};
  const char* around[][2] = {{"", ""}, {"\u0930\u094D", ""}, {"", "\u0902"}, {"", "\u0901"}, {"", "\u0903"},
                             {"\u0930\u094D", "\u0902"}};
  for (const auto& letter : letters) {
    for (const char* sign : signs) {
      for (const auto& a : around) {
        const std::string text = std::string(a[0]) + letter + sign + a[1];
        const EncodeResult encoded = FromUnicode(text);
        ASSERT_TRUE(encoded.ok) << encoded.error;
        EXPECT_EQ(ToUnicode(encoded.xdvng), text) << ShowLatin1(encoded.xdvng);
      }
    }
  }
}

// Every cluster of two letters of the font (half forms, ligatures, virama
// glyphs where a letter has no half form), with the i-sign, with rakar after
// its first letter and dead at the end, is written and reads back; र as the
// first letter makes it a reph, also over a dead letter (र्त्).
TEST(XdvngEveryLetter, EveryTwoLetterClusterReadsBack) {
  const std::vector<std::string> letters = FontConsonants();
  const std::string virama = "\u094D";
  for (const auto& first : letters) {
    for (const auto& second : letters) {
      for (const std::string& text : {first + virama + second + "\u093F", first + virama + second + "\u093E",
                                      first + virama + "\u0930" + virama + second, first + virama + second + virama}) {
        const EncodeResult encoded = FromUnicode(text);
        ASSERT_TRUE(encoded.ok) << text << ": " << encoded.error;
        EXPECT_EQ(ToUnicode(encoded.xdvng), text) << ShowLatin1(encoded.xdvng);
      }
    }
  }
}

}  // namespace
}  // namespace kalnika::xdvng
