// Reading glyph order as Unicode order on texts a user may type into the place
// file, beyond the system's own words: clusters, marks in unusual order, lone
// marks, and values already written in UTF-8. Expected values are worked out by
// hand from the glyph list and the reordering rules of the encoding's reference
// notes (tests/data/xdvng/). Rules the stored texts exercise (system_texts_test),
// single glyphs (glyphs_test) and the spellings the encoder writes, which it reads
// back (encoder_test), are not repeated here.
#include <gtest/gtest.h>

#include <string>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::ShowLatin1;

TEST(XdvngDecode, ReadsInLogicalOrder) {
  struct Case { const char* name; const char* xdvng; const char* unicode; const char* why; } cases[] = {
      {"RephOverConjunctWithWideISign", "\xA1st:\xFC", "\u0930\u094D\u0938\u094D\u0924\u093F",
       "र्स्ति: the i-sign is drawn first, the reph last, both over the whole cluster स्त"},
      {"RephOverRakarLigatureWithISign", "e#\xFD", "\u0930\u094D\u0915\u094D\u0930\u093F",
       "र्क्रि: reph and i-sign around the क्र ligature"},
      {"RakarOnHalfLetterWithoutStem", "s\xD2", "\u0938\u094D\u0930",
       "a half letter followed by a mark is read complete"},
      {"HalfLetterBeforeVowelLetter", "tA", "\u0924\u094D\u0905", "त्अ: a vowel letter does not complete it"},
      {"HalfLetterBeforePrefixISign", "sev:", "\u0938\u094D\u0935\u093F",
       "स्वि: the half letter stays dead and the next letter takes the i-sign"},
      {"ThreeLetterCluster", "xmy:", "\u0915\u094D\u0937\u094D\u092E\u094D\u092F", "क्ष्म्य from two half glyphs"},
      {"AnusvaraDrawnBeforeVowelSign", "k\xF6" "a", "\u0915\u093E\u0902", "कां: modifiers go after all vowel signs"},
      {"OGlyphAfterHalfLetterIsE", "s<", "\u0938\u0947", "से: the glyph's stem completes स"},
      {"AaSignAfterHalfLetterOnlyCompletes", "sa", "\u0938", "स"},
      {"VowelAuFromAAndStem", "A:\xF2", "\u0914", "औ"},
      {"NuktaHalfLetterJoins", "qt:", "\u0915\u093C\u094D\u0924", "क़्त"},
      {"ColonAtStart", "H", ":", "no letter to attach a visarga to"},
      {"VisargaAfterVowelLetter", "AH", "\u0905\u0903", "अः"},
      // A mark with nothing to attach to is drawn on U+25CC, as Unicode fonts draw it.
      {"StemAtStart", ":", "\u25CC\u093E", "the aa-sign"},
      {"ISignAtEnd", "k e", "\u0915 \u25CC\u093F", "an i-sign with no letter after it"},
      {"ISignBeforeVowel", "eA", "\u25CC\u093F\u0905", "a vowel letter takes no i-sign"},
      {"RephAlone", "\xFC", "\u0930\u094D\u25CC", "the reph stands before its dotted circle"},
      {"MarksShareOneCircle", "\xD8\xF6", "\u25CC\u0941\u0902", "u-sign and anusvara on one circle"}};
  for (auto c : cases)
    EXPECT_EQ(ToUnicode(c.xdvng), c.unicode) << c.name << " " << ShowLatin1(c.xdvng) << ": " << c.why;
}

TEST(XdvngDecode, LatinDigitsOption) {
  EXPECT_EQ(ToUnicode("21H05", Digits::Latin), "21:05");
  EXPECT_EQ(ToUnicode("ev:#m: s:\xF6v:t: 2080", Digits::Latin),
            "\u0935\u093F\u0915\u094D\u0930\u092E \u0938\u0902\u0935\u0924 2080");
}

// A value written by hand in UTF-8 shows as written; glyph bytes saved by a UTF-8
// editor (each byte above 0x7F as the UTF-8 of its Latin-1 character; kalnika-cli
// --encode shows them that way) read as the glyphs; anything else is glyphs.
TEST(XdvngDecode, Utf8ValuesDetectedAndShown) {
  struct Case { const char* name; const char* bytes; bool devanagari; const char* shown; const char* why; } cases[] = {
      {"MarathiWord", "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E", true,
       "\u0917\u0941\u0922\u0940\u092A\u093E\u0921\u0935\u093E", "गुढीपाडवा typed in UTF-8"},
      {"DigitsKeptAsTyped", "\u0939\u094B\u0933\u0940 2026", true, "\u0939\u094B\u0933\u0940 2026",
       "the user's own digits are not rewritten"},
      {"StoredLatin1Text", "j:an:\xF0v:ari", false, "\u091C\u093E\u0928\u0947\u0935\u093E\u0930\u0940",
       "0xF0 starts no valid UTF-8 sequence here"},
      {"GlyphsSavedAsUtf8", "p::\xC3\xB2" "eN:\xC3\xBCm:a", false,
       "\u092A\u094C\u0930\u094D\u0923\u093F\u092E\u093E", "पौर्णिमा (TithiNames[15]) from a UTF-8 editor"},
      {"AsciiOnlyIsGlyphs", "k:", false, "\u0915\u093E", "valid UTF-8 but no Devanagari"},
      {"OtherScriptIsGlyphs", "\xC4\x80", false, "\u0937\u094D\u091F\uFFFD",
       "Ā is valid UTF-8 but not Devanagari: read as ष्ट and an empty glyph"},
      {"OverlongFormIsGlyphs", "\xE0\x80\xAF", false, "\u25CC\u0943\uFFFD\u0920\u094D\u092F",
       "an overlong UTF-8 form is not accepted: read as a lone ृ, an empty glyph and ठ्य"},
      {"TruncatedSequenceIsGlyphs", "\xE0\xA4", false, "\u25CC\u0943\u0919\u094D\u0917",
       "a cut-off sequence is not UTF-8"}};
  for (auto c : cases) {
    EXPECT_EQ(IsUtf8Devanagari(c.bytes), c.devanagari) << c.name << ": " << c.why;
    EXPECT_EQ(ToUnicode(c.bytes), c.shown) << c.name << ": " << c.why;
  }
}

}  // namespace
}  // namespace kalnika::xdvng
