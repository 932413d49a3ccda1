// Reading glyph order as Unicode order on texts a user may type into the place
// file, beyond the system's own words: clusters, marks in unusual order, digits,
// lone marks, bytes without a glyph, and values already written in UTF-8.
// Expected values are worked out by hand from the glyph list and the reordering
// rules of the encoding's reference notes (tests/data/xdvng/).
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::CodePoints;
using testing::ShowLatin1;

struct DecodeCase {
  const char* name;
  const char* xdvng;
  const char* unicode;
  const char* why;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

std::string NameOf(const ::testing::TestParamInfo<DecodeCase>& info) { return info.param.name; }

class XdvngDecode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(XdvngDecode, ReadsInLogicalOrder) {
  const DecodeCase& c = GetParam();
  EXPECT_EQ(ToUnicode(c.xdvng), c.unicode) << ShowLatin1(c.xdvng) << ": " << c.why;
}

const DecodeCase kClusters[] = {
    {"RephOverConjunctWithWideISign", "\xA1st:\xFC", "\u0930\u094D\u0938\u094D\u0924\u093F",
     "र्स्ति: the i-sign is drawn first, the reph last, both over the whole cluster स्त"},
    {"RephOverRakarLigatureWithISign", "e#\xFD", "\u0930\u094D\u0915\u094D\u0930\u093F",
     "र्क्रि: reph and i-sign around the क्र ligature"},
    {"RephOverViramaJoinedCluster", "\xB9\xD0y:\xFC", "\u0930\u094D\u0926\u094D\u0927\u094D\u092F",
     "र्द्ध्य: the virama glyph lets the cluster go on, and the reph moves before all of it"},
    {"RephBeforeAnusvaraGlyphOrder", "p:y:\xFC\xF6", "\u092A\u0930\u094D\u092F\u0902",
     "पर्यं: reph drawn before the anusvara still stands before य"},
    {"RephWithAnusvaraInOneGlyph", "k\xFE", "\u0930\u094D\u0915\u0902", "र्कं: 0xFE splits around the letter"},
    {"RakarBelowRoundFoot", "d\xD3", "\u0926\u094D\u0930", "द्र"},
    {"RakarAfterStemCompletedLetter", "b:\xD2\xD8", "\u092C\u094D\u0930\u0941", "ब्रु: rakar, then the u-sign"},
    {"RakarOnHalfLetterWithoutStem", "s\xD2", "\u0938\u094D\u0930", "a half letter followed by a mark is read complete"},
    {"HalfLetterBeforeBlankStaysDead", "j:g:t k", "\u091C\u0917\u0924\u094D \u0915", "जगत् क"},
    {"HalfLetterAtEndStaysDead", "s:v:\xFC" "ej:t", "\u0938\u0930\u094D\u0935\u091C\u093F\u0924\u094D", "सर्वजित्"},
    {"HalfLetterBeforeVowelLetter", "tA", "\u0924\u094D\u0905", "त्अ: a vowel letter does not complete it"},
    {"HalfLetterBeforePrefixISign", "sev:", "\u0938\u094D\u0935\u093F",
     "स्वि: the half letter stays dead and the next letter takes the i-sign"},
    {"ThreeLetterCluster", "xmy:", "\u0915\u094D\u0937\u094D\u092E\u094D\u092F", "क्ष्म्य from two half glyphs"},
    {"AnusvaraAfterBelowSign", "k\xD9\xF6", "\u0915\u0941\u0902", "कुं"},
    {"AnusvaraDrawnBeforeVowelSign", "k\xF6" "a", "\u0915\u093E\u0902", "कां: modifiers go after all vowel signs"},
    {"CandrabinduDrawnBeforeVowelSign", "k\xFA" "a", "\u0915\u093E\u0901", "काँ"},
    {"CandrabinduOnLongVowel", "s:a\xFA", "\u0938\u093E\u0901", "साँ"},
    {"AnusvaraWithISign", "es:\xF6h", "\u0938\u093F\u0902\u0939", "सिंह: the i-sign before the anusvara"},
    {"OFromStemAndHook", "s::\xF0m:", "\u0938\u094B\u092E", "सोम: a stem after the completing stem is the aa-sign"},
    {"AuFromStemAndHooks", "p::\xF2\\:", "\u092A\u094C\u0937", "पौष"},
    {"CandraOFromStemAndCandra", "k:\xF4", "\u0915\u0949", "कॉ"},
    {"OInOneGlyph", "k<", "\u0915\u094B", "को"},
    {"OGlyphAfterHalfLetterIsE", "s<", "\u0938\u0947", "से: the glyph's stem completes स"},
    {"AuGlyphAfterHalfLetterIsAi", "s>", "\u0938\u0948", "सै"},
    {"IiSignAfterHalfLetter", "si", "\u0938\u0940", "सी"},
    {"AaSignAfterHalfLetterOnlyCompletes", "sa", "\u0938", "स"},
    {"VowelOFromAAndStem", "A:\xF0", "\u0913", "ओ"},
    {"VowelAuFromAAndStem", "A:\xF2", "\u0914", "औ"},
    {"VowelCandraOFromA", "A:\xF4", "\u0911", "ऑ"},
    {"VowelCandraAFromA", "A\xF4", "\u0972", "ॲ"},
    {"VowelAiFromE", "O\xF0", "\u0910", "ऐ"},
    {"VowelIiWithAnusvaraGlyph", "o", "\u0908\u0902", "ईं"},
    {"NuktaLetterDecomposed", "]", "\u0915\u093C", "क़ is क + nukta in NFC"},
    {"NuktaHalfLetterJoins", "qt:", "\u0915\u093C\u094D\u0924", "क़्त"},
    {"NuktaLigature", "%", "\u091C\u093C\u094D\u0930", "ज़्र"},
    {"EyelashRaJoins", "\"y::", "\u0931\u094D\u092F\u093E", "ऱ्या"},
    {"EyelashRaTakesNoStem", "\":", "\u0931\u094D\u25CC\u093E", "the stem after it stands alone"},
    {"ClockText", "21H05", "\u0968\u0967:\u0966\u096B", "२१:०५: H after a digit is a colon"},
    {"ClockTextShort", "6H5", "\u096C:\u096B", "६:५"},
    {"ColonAtStart", "H", ":", "no letter to attach a visarga to"},
    {"ColonAfterBlank", "1 H 2", "\u0967 : \u0968", "as in the Kali label"},
    {"ColonAfterDanda", ".H", "\u0964:", "punctuation leaves no syllable either"},
    {"VisargaAfterLetter", "kH", "\u0915\u0903", "कः"},
    {"VisargaAfterVowelLetter", "AH", "\u0905\u0903", "अः"},
    {"WideBlankIsBlank", "k\xA0k", "\u0915 \u0915", "0xA0 draws an empty glyph"},
    {"Punctuation", "!|./}&~", "\u0950\u093D\u0964\u0965\u0970.\u00B7", "ॐ ऽ । ॥ ॰ and the two dots"},
    {"EmptyText", "", "", "an empty note"},
};
INSTANTIATE_TEST_SUITE_P(TrickyClusters, XdvngDecode, ::testing::ValuesIn(kClusters), NameOf);

// A mark with nothing to attach to is drawn on U+25CC, as Unicode fonts draw it.
const DecodeCase kLoneMarks[] = {
    {"StemAtStart", ":", "\u25CC\u093E", "the aa-sign"},
    {"ISignAtEnd", "k e", "\u0915 \u25CC\u093F", "an i-sign with no letter after it"},
    {"ISignBeforeVowel", "eA", "\u25CC\u093F\u0905", "a vowel letter takes no i-sign"},
    {"BelowSignAfterBlank", " \xD8", " \u25CC\u0941", "u-sign"},
    {"ViramaAlone", "\xD0", "\u25CC\u094D", "virama"},
    {"RakarAlone", "\xD2", "\u25CC\u094D\u0930", "rakar"},
    {"RephAlone", "\xFC", "\u0930\u094D\u25CC", "the reph stands before its dotted circle"},
    {"AnusvaraAfterDigit", "1\xF6", "\u0967\u25CC\u0902", "a digit carries no anusvara"},
    {"MarksShareOneCircle", "\xD8\xF6", "\u25CC\u0941\u0902", "u-sign and anusvara on one circle"},
};
INSTANTIATE_TEST_SUITE_P(LoneMarks, XdvngDecode, ::testing::ValuesIn(kLoneMarks), NameOf);

TEST(XdvngDigits, LatinOptionKeepsAsciiDigits) {
  EXPECT_EQ(ToUnicode("21H05", Digits::Latin), "21:05");
  EXPECT_EQ(ToUnicode("ev:#m: s:\xF6v:t: 2080", Digits::Latin),
            "\u0935\u093F\u0915\u094D\u0930\u092E \u0938\u0902\u0935\u0924 2080");
  EXPECT_EQ(ToUnicode("0123456789"), "\u0966\u0967\u0968\u0969\u096A\u096B\u096C\u096D\u096E\u096F");
}

// Bytes the font leaves empty (0x00..0x1F, 0x7F..0x9F) show as U+FFFD, end the
// syllable like a blank, and take nothing else with them.
TEST(XdvngUnknownBytes, ShowAsReplacementAndKeepTheirNeighbours) {
  for (int code : {0x00, 0x01, 0x09, 0x0A, 0x0D, 0x1F, 0x7F, 0x80, 0x8D, 0x9F}) {
    const std::string text = {'s', static_cast<char>(code), ':', 'k'};
    EXPECT_EQ(ToUnicode(text), "\u0938\u094D\uFFFD\u25CC\u093E\u0915") << "code point " << code;
  }
}

// Arbitrary bytes from a fixed pseudo-random sequence: the result is always
// valid UTF-8, every glyph-less byte becomes exactly one U+FFFD, and the text
// the encoder accepts from it reads back the same.
TEST(XdvngUnknownBytes, ArbitraryBytesGiveValidText) {
  std::uint32_t state = 12345;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;  // Numerical Recipes LCG
    return static_cast<unsigned char>(state >> 24);
  };
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(static_cast<std::size_t>(1 + round % 23), '\0');
    int empty = 0;
    for (char& b : bytes) {
      b = static_cast<char>(next());
      const auto c = static_cast<unsigned char>(b);
      if (c < 0x20 || (c >= 0x7F && c < 0xA0)) ++empty;
    }
    const std::string shown = GlyphsToUnicode(bytes);
    const std::u32string points = CodePoints(shown);
    int replaced = 0;
    for (const char32_t c : points) replaced += c == U'\uFFFD' ? 1 : 0;
    EXPECT_EQ(replaced, empty) << ShowLatin1(bytes);
    const EncodeResult again = FromUnicode(shown);
    if (again.ok) {
      EXPECT_EQ(GlyphsToUnicode(again.xdvng), shown) << ShowLatin1(bytes);
    }
  }
}

struct Utf8Case {
  const char* name;
  const char* bytes;
  bool devanagari;
  const char* shown;
  const char* why;
};

void PrintTo(const Utf8Case& c, std::ostream* os) { *os << c.name; }

std::string Utf8NameOf(const ::testing::TestParamInfo<Utf8Case>& info) { return info.param.name; }

class XdvngUtf8Value : public ::testing::TestWithParam<Utf8Case> {};

// A value written by hand in UTF-8 shows as written; anything else is glyphs.
TEST_P(XdvngUtf8Value, DetectedAndShown) {
  const Utf8Case& c = GetParam();
  EXPECT_EQ(IsUtf8Devanagari(c.bytes), c.devanagari) << c.why;
  EXPECT_EQ(ToUnicode(c.bytes), c.shown) << c.why;
}

const Utf8Case kUtf8Values[] = {
    {"MarathiWord", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E", true,
     "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E", "गुढीपाडवा typed in UTF-8"},
    {"DigitsKeptAsTyped", "\u0939\u094B\u0933\u0940 2026", true, "\u0939\u094B\u0933\u0940 2026",
     "the user's own digits are not rewritten"},
    {"NotNfcKeptAsTyped", "\u0915\u093C", true, "\u0915\u093C", "returned byte for byte"},
    {"StoredLatin1Text", "j:an:\xF0v:ari", false, "\u091C\u093E\u0928\u0947\u0935\u093E\u0930\u0940",
     "0xF0 starts no valid UTF-8 sequence here"},
    {"AsciiOnlyIsGlyphs", "k:", false, "\u0915\u093E", "valid UTF-8 but no Devanagari"},
    {"OtherScriptIsGlyphs", "\xC4\x80", false, "\u0937\u094D\u091F\uFFFD",
     "Ā is valid UTF-8 but not Devanagari: read as ष्ट and an empty glyph"},
    {"OverlongFormIsGlyphs", "\xE0\x80\xAF", false, "\u25CC\u0943\uFFFD\u0920\u094D\u092F",
     "an overlong UTF-8 form is not accepted: read as a lone ृ, an empty glyph and ठ्य"},
    {"TruncatedSequenceIsGlyphs", "\xE0\xA4", false, "\u25CC\u0943\u0919\u094D\u0917",
     "a cut-off sequence is not UTF-8"},
};
INSTANTIATE_TEST_SUITE_P(Utf8Values, XdvngUtf8Value, ::testing::ValuesIn(kUtf8Values), Utf8NameOf);

}  // namespace
}  // namespace kalnika::xdvng
