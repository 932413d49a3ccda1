// Writing Unicode Devanagari as Xdvng: the spelling the font needs, the
// refusal of what it cannot draw, and reading back every text it accepts.
// Expected spellings follow the system's own stored texts where they show one
// (cited per row) and the glyph list otherwise.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::ReadTsv;
using testing::ShowLatin1;

struct SpellingCase {
  const char* name;
  const char* unicode;
  const char* xdvng;
  const char* reads_back;  // nullptr: the input itself
  const char* why;
};

void PrintTo(const SpellingCase& c, std::ostream* os) { *os << c.name; }

std::string NameOf(const ::testing::TestParamInfo<SpellingCase>& info) { return info.param.name; }

class XdvngSpelling : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(XdvngSpelling, WritesTheFontsGlyphOrder) {
  const SpellingCase& c = GetParam();
  const EncodeResult encoded = FromUnicode(c.unicode);
  ASSERT_TRUE(encoded.ok) << encoded.error;
  EXPECT_EQ(ShowLatin1(encoded.xdvng), ShowLatin1(c.xdvng)) << c.why;
  EXPECT_EQ(ToUnicode(encoded.xdvng), c.reads_back != nullptr ? c.reads_back : c.unicode);
}

const SpellingCase kSpellings[] = {
    {"AaSignAfterLetter", "\u0915\u093E", "ka", nullptr, "का as in kaet:\xC3\xBCk (कार्तिक)"},
    {"OSignIsStemAndHook", "\u0915\u094B", "k:\xF0", nullptr, "को like #:\xC3\xB0 (क्रो), never the one-glyph <"},
    {"ESignOnMiddleStem", "\u0915\u0947", "k\xF1", nullptr, "के as in S:k\xC3\xB1 (शके)"},
    {"ISignBeforeOneGlyph", "\u0915\u093F", "ek", nullptr, "कि"},
    {"ISignBeforeLigatureAndStem", "\u0936\u094D\u0935\u093F", "e\xC3:", nullptr, "श्वि as in Ae\xC3\x83:n: (अश्विन)"},
    {"WideISignBeforeTwoGlyphs", "\u0938\u094D\u0924\u093F", "\xA1st:", nullptr, "स्ति spans two letters"},
    {"RephOnMiddleStem", "\u0915\u0930\u094D\u0915", "kk\xFD", nullptr, "कर्क as stored"},
    {"RephAfterVowelSign", "\u0938\u0942\u0930\u094D\u092F\u093E", "s:\xDCy:a\xFC", nullptr, "सूर्या as stored"},
    {"RephBeforeAnusvara", "\u092A\u0930\u094D\u092F\u0902", "p:y:\xFC\xF6", nullptr, "पर्यं as in p:y:\xC3\xBC\xC3\xB6nt:"},
    {"RephOverISignCluster", "\u0930\u094D\u0923\u093F", "eN:\xFC", nullptr, "र्णि as in पौर्णिमा"},
    {"RephOverViramaJoinedCluster", "\u0930\u094D\u0926\u094D\u0927\u094D\u092F", "\xB9\xD0y:\xFC", nullptr,
     "the reph after the whole cluster"},
    {"RakarAfterStem", "\u092C\u094D\u0930", "b:\xD2", nullptr, "ब्र as in b:\xC3\x92\xC3\x98v:ari"},
    {"RakarBelowRoundFoot", "\u0926\u094D\u0930", "d\xD3", nullptr, "द्र as in B:ad\xC3\x93p:d"},
    {"PraLigature", "\u092A\u094D\u0930", ")", nullptr, "the ligature rather than प + rakar"},
    {"ShraHalfLigatureAndStem", "\u0936\u094D\u0930", "\xC2:", nullptr, "श्र as in \xC3\x82:av:N:"},
    {"TraHalfLigatureAndStem", "\u0924\u094D\u0930", "*:", nullptr, "त्र as in c:\xC3\xB2*:"},
    {"HalfKaBeforeLetter", "\u0915\u094D\u0924", "Vt:", nullptr, "क्त as in rVt:ax:i"},
    {"ViramaGlyphWhereNoHalfForm", "\u0926\u094D\u0927\u094D\u092F", "\xB9\xD0y:", nullptr, "द्ध्य as in s:a\xC2\xB9\xC3\x90y:"},
    {"DeadHalfLetter", "\u0924\u094D", "t", nullptr, "त् at the end"},
    {"DeadFullLetter", "\u0926\u094D", "d\xD0", nullptr, "द् has no half glyph"},
    {"DeadLetterBeforeBlank", "\u091C\u0917\u0924\u094D \u0915", "j:g:t k", nullptr, "जगत् क"},
    {"RaWithUSignGlyph", "\u0917\u0941\u0930\u0941", "g:\xD8,", nullptr, "गुरु as stored"},
    {"HaWithVocalicRGlyph", "\u0939\u0943\u0926\u092F", "\xC6" "dy:", nullptr, "हृ in one glyph"},
    {"USignOnMiddleStem", "\u0915\u0941", "k\xD9", nullptr, "कु as in k\xC3\x99\xC3\xB6" "B:"},
    {"USignOnDa", "\u0926\u0941", "d\xD9", nullptr, "दु as in d\xC3\x99m:\xC3\x98\xC3\xBCK:i"},
    {"USignOnHa", "\u0939\u0941", "h\xDA", nullptr, "हु as in b:h\xC3\x9A" "D:any:"},
    {"VowelAa", "\u0906", "A:", nullptr, "आ as in A:n:nd"},
    {"VowelO", "\u0913", "A:\xF0", nullptr, "ओ"},
    {"VowelCandraO", "\u0911", "A:\xF4", nullptr, "ऑ as in A:\xC3\xB4g:sX"},
    {"VowelAi", "\u0910", "O\xF0", nullptr, "ऐ as in O\xC3\xB0nd\xC3\x93"},
    {"VowelCandraA", "\u0972", "A\xF4", nullptr, "ॲ"},
    {"VowelIiWithAnusvara", "\u0908\u0902", "o", nullptr, "ईं has a glyph of its own"},
    {"ClockText", "\u0968\u0967:\u0966\u096B", "21H05", nullptr, "the colon after a digit is H"},
    {"ColonAfterBlank", "\u0915\u0932\u093F\u092F\u0941\u0917\u093E\u092C\u094D\u0926 : ", "kel:y:\xD8g:abd H ",
     nullptr, "the Kali label prefix as stored"},
    {"AsciiDigits", "2026", "2026", "\u0968\u0966\u0968\u096C", "the font draws only Devanagari digits"},
    {"NuktaLetter", "\u0915\u093C", "]", nullptr, "क़"},
    {"PrecomposedNuktaLetter", "\u0958", "]", "\u0915\u093C", "U+0958 is not NFC; read back decomposed"},
    {"NuktaAfterVirama", "\u091C\u094D\u093C", "z", "\u091C\u093C\u094D", "nukta moved before the virama"},
    {"EyelashRa", "\u0931\u094D\u092F", "\"y:", nullptr, "ऱ्य"},
    {"LoneMarkOnDottedCircle", "\u25CC\u093F", "e", nullptr, "what the reader shows for a lone i-sign"},
    {"Punctuation", "\u0964 \u0965 \u0970 \u093D \u0950 . \u00B7", ". / } | ! & ~", nullptr, "one glyph each"},
    {"EmptyText", "", "", nullptr, "nothing to write"},
};
INSTANTIATE_TEST_SUITE_P(CanonicalSpellings, XdvngSpelling, ::testing::ValuesIn(kSpellings), NameOf);

struct RefusalCase {
  const char* name;
  const char* unicode;
  const char* names;  // what the message must name: the character's code points and place
  const char* why;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

std::string RefusalNameOf(const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; }

class XdvngRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(XdvngRefusal, NamesTheFirstCharacterItCannotWrite) {
  const RefusalCase& c = GetParam();
  const EncodeResult encoded = FromUnicode(c.unicode);
  EXPECT_FALSE(encoded.ok) << c.why;
  EXPECT_TRUE(encoded.xdvng.empty());
  EXPECT_NE(encoded.error.find(c.names), std::string::npos) << encoded.error;
}

const RefusalCase kRefusals[] = {
    {"LatinLetters", "Ram", "\"R\" (U+0052, character 1)", "the font's ASCII codes are Devanagari glyphs"},
    {"OtherScript", "\u0A97\u0AC1", "(U+0A97, character 1)", "Gujarati"},
    {"Comma", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E, \u0939\u094B\u0933\u0940",
     "(U+002C, character 10)", "the font has no comma"},
    {"LetterWithoutGlyph", "\u0929", "(U+0929, character 1)", "ऩ"},
    {"NuktaLetterWithoutGlyph", "\u095F", "(U+092F U+093C, character 1)", "य़, named with its nukta"},
    {"ShortESign", "\u0915\u0946", "(U+0946, character 2)", "ॆ is not in the font"},
    {"FullEyelashRa", "\u0931", "(U+0931, character 1)", "ऱ exists only as the half letter"},
    {"ZeroWidthJoiner", "\u0930\u094D\u200D\u092F", "(U+200D, character 3)", "र्‍य: write ऱ्य"},
    {"NoBreakSpace", "\u0915\u00A0\u0916", "(U+00A0, character 2)", "0xA0 reads back as a plain blank"},
    {"ColonAfterLetter", "\u0930\u093E\u092E:", "(U+003A, character 4)", "H there would read as the visarga"},
    {"VisargaWithoutLetter", "\u0903", "(U+0903, character 1)", "H at the start reads as a colon"},
    {"VowelSignAtStart", "\u093E", "(U+093E, character 1)", "nothing to carry it"},
    {"SecondVowelSign", "\u0915\u0941\u093F", "(U+093F, character 3)", "one vowel sign per letter"},
    {"VowelSignAfterAnusvara", "\u0915\u0902\u093E", "(U+093E, character 3)", "the reader puts ं last"},
    {"VowelSignAfterVirama", "\u0915\u094D\u093E", "(U+093E, character 3)", "a dead letter takes no sign"},
    {"ControlCharacter", "\u0915\t\u0916", "(U+0009, character 2)", "a tab has no glyph"},
    {"ReplacementCharacter", "\uFFFD", "(U+FFFD, character 1)", "a lost byte is not written back"},
    {"WouldReadBackOtherwise", "\u0905\u093E", "(U+0905, character 1)", "अ + ा would read back as आ"},
    {"InvalidUtf8", "\xFF", "not valid UTF-8 (byte 1)", "Latin-1 bytes are not Unicode text"},
    // The glyphs read back, but the display takes bytes that form UTF-8 for UTF-8
    // text first (ToUnicode); both texts were shown wrongly before they were refused.
    {"GlyphsFormUtf8Devanagari", "\u0935\u0943\u0919\u094D\u0917\u0926\u094D\u092F",
     "happen to form UTF-8 text", "the glyphs end in E0 A4 BD, the UTF-8 of \u093D: shown as \"v:\u093D\""},
    {"GlyphsFormUtf8Latin1", "\u0936\u094D\u0930\u094D\u0926\u094D\u0927", "happen to form UTF-8 text",
     "the glyphs C2 and 0x80-0xBF read as a Latin-1 letter saved as UTF-8: shown as \"\u0926\u094D\u0927\""},
};
INSTANTIATE_TEST_SUITE_P(Refusals, XdvngRefusal, ::testing::ValuesIn(kRefusals), RefusalNameOf);

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
