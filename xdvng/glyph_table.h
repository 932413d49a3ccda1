#pragma once
// The Xdvng font encoding as data: what every code point draws, where the marks
// of each letter sit, and which vowel letters are a letter plus a sign. Internal
// to kalnika_xdvng; the reading and writing rules live in decode.cpp and
// encode.cpp.
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace kalnika::xdvng::detail {

// What a glyph is, as far as the syllable rules care.
enum class GlyphClass : std::uint8_t {
  Space,            // a blank
  Consonant,        // a complete consonant letter
  ConsonantHalf,    // a consonant without its stem: consonant + virama unless the stem follows
  Conjunct,         // a complete ligature of several letters
  ConjunctHalf,     // a ligature without its stem
  Stem,             // the vertical stem ':'
  Vowel,            // an independent vowel letter
  VowelSignPrefix,  // the i-sign, drawn before its cluster
  VowelSign,        // any other dependent vowel sign
  Virama,           // virama drawn below a complete letter
  Rakar,            // subscript ra
  Reph,             // ra drawn above the syllable
  Sign,             // anusvara, candrabindu, visarga, om, avagraha
  Digit,            // a Devanagari digit
  Punctuation,      // danda, double danda, abbreviation sign, dots
};

// One code point of the font: what it draws, as Unicode Devanagari in logical
// order (half forms end in the virama they stand for).
struct Glyph {
  unsigned char code;
  GlyphClass cls;
  std::u32string_view unicode;
};

// Every code point with a glyph, in code order: 0x20..0x7E and 0xA0..0xFF.
// Marks that exist in several copies (drawn at different places) are listed in
// the font's order of positions: r (letters with the stem at the right), m
// (middle stem), d (deep bottom), D (deepest letters and ligatures).
// Source: the font's glyph map by its author (ITRANS xdvng.ifm) and the drawings
// of xdvng.ttf for the glyphs the map leaves out.
inline constexpr Glyph kGlyphs[] = {
    {0x20, GlyphClass::Space, U" "},  // (blank) blank
    {0x21, GlyphClass::Sign, U"\u0950"},  // ॐ om
    {0x22, GlyphClass::ConsonantHalf, U"\u0931\u094D"},  // ऱ् Marathi eyelash half-ra
    {0x23, GlyphClass::Conjunct, U"\u0915\u094D\u0930"},  // क्र kra ligature
    {0x24, GlyphClass::Conjunct, U"\u091C\u094D\u0930"},  // ज्र jra ligature
    {0x25, GlyphClass::Conjunct, U"\u091C\u093C\u094D\u0930"},  // ज़्र jra with nukta
    {0x26, GlyphClass::Punctuation, U"."},  // . spacing dot on the baseline (uncertain)
    {0x27, GlyphClass::Conjunct, U"\u092B\u094D\u0930"},  // फ्र phra ligature
    {0x28, GlyphClass::Conjunct, U"\u092B\u093C\u094D\u0930"},  // फ़्र fra ligature
    {0x29, GlyphClass::Conjunct, U"\u092A\u094D\u0930"},  // प्र pra ligature
    {0x2A, GlyphClass::ConjunctHalf, U"\u0924\u094D\u0930\u094D"},  // त्र् half tra
    {0x2B, GlyphClass::Conjunct, U"\u0938\u094D\u0930"},  // स्र sra ligature
    {0x2C, GlyphClass::Conjunct, U"\u0930\u0941"},  // रु ra with u-sign as one glyph
    {0x2D, GlyphClass::Conjunct, U"\u0930\u0942"},  // रू ra with uu-sign as one glyph
    {0x2E, GlyphClass::Punctuation, U"\u0964"},  // । danda
    {0x2F, GlyphClass::Punctuation, U"\u0965"},  // ॥ double danda
    {0x30, GlyphClass::Digit, U"\u0966"},  // ० Devanagari digit 0
    {0x31, GlyphClass::Digit, U"\u0967"},  // १ Devanagari digit 1
    {0x32, GlyphClass::Digit, U"\u0968"},  // २ Devanagari digit 2
    {0x33, GlyphClass::Digit, U"\u0969"},  // ३ Devanagari digit 3
    {0x34, GlyphClass::Digit, U"\u096A"},  // ४ Devanagari digit 4
    {0x35, GlyphClass::Digit, U"\u096B"},  // ५ Devanagari digit 5
    {0x36, GlyphClass::Digit, U"\u096C"},  // ६ Devanagari digit 6
    {0x37, GlyphClass::Digit, U"\u096D"},  // ७ Devanagari digit 7
    {0x38, GlyphClass::Digit, U"\u096E"},  // ८ Devanagari digit 8
    {0x39, GlyphClass::Digit, U"\u096F"},  // ९ Devanagari digit 9
    {0x3A, GlyphClass::Stem, U"\u093E"},  // ा vertical stem
    {0x3B, GlyphClass::Vowel, U"\u090C"},  // ऌ vocalic l
    {0x3C, GlyphClass::VowelSign, U"\u094B"},  // ो o-sign drawn as stem with e-hook in one glyph
    {0x3D, GlyphClass::Vowel, U"\u0961"},  // ॡ vocalic ll
    {0x3E, GlyphClass::VowelSign, U"\u094C"},  // ौ au-sign drawn as stem with ai-hooks in one glyph
    {0x3F, GlyphClass::Vowel, U"\u090B"},  // ऋ vocalic r
    {0x40, GlyphClass::Vowel, U"\u0960"},  // ॠ vocalic rr
    {0x41, GlyphClass::Vowel, U"\u0905"},  // अ a
    {0x42, GlyphClass::ConsonantHalf, U"\u092D\u094D"},  // भ् half bha
    {0x43, GlyphClass::Consonant, U"\u091B"},  // छ chha
    {0x44, GlyphClass::ConsonantHalf, U"\u0927\u094D"},  // ध् half dha
    {0x45, GlyphClass::Vowel, U"\u0907"},  // इ i
    {0x46, GlyphClass::ConsonantHalf, U"\u092B\u093C\u094D"},  // फ़् half fa
    {0x47, GlyphClass::ConsonantHalf, U"\u0918\u094D"},  // घ् half gha
    {0x48, GlyphClass::Sign, U"\u0903"},  // ः visarga
    {0x49, GlyphClass::Vowel, U"\u0908"},  // ई ii
    {0x4A, GlyphClass::ConsonantHalf, U"\u091D\u094D"},  // झ् half jha
    {0x4B, GlyphClass::ConsonantHalf, U"\u0916\u094D"},  // ख् half kha
    {0x4C, GlyphClass::Consonant, U"\u0933"},  // ळ lla
    {0x4D, GlyphClass::ConsonantHalf, U"\u0933\u094D"},  // ळ् half lla
    {0x4E, GlyphClass::ConsonantHalf, U"\u0923\u094D"},  // ण् half nna
    {0x4F, GlyphClass::Vowel, U"\u090F"},  // ए e
    {0x50, GlyphClass::Consonant, U"\u092B"},  // फ pha
    {0x51, GlyphClass::ConsonantHalf, U"\u0916\u093C\u094D"},  // ख़् half khha
    {0x52, GlyphClass::Consonant, U"\u0921"},  // ड dda
    {0x53, GlyphClass::ConsonantHalf, U"\u0936\u094D"},  // श् half sha
    {0x54, GlyphClass::ConsonantHalf, U"\u0925\u094D"},  // थ् half tha
    {0x55, GlyphClass::Vowel, U"\u090A"},  // ऊ uu
    {0x56, GlyphClass::ConsonantHalf, U"\u0915\u094D"},  // क् half ka
    {0x57, GlyphClass::ConsonantHalf, U"\u091E\u094D"},  // ञ् half nya
    {0x58, GlyphClass::Consonant, U"\u091F"},  // ट tta
    {0x59, GlyphClass::Consonant, U"\u0920"},  // ठ ttha
    {0x5A, GlyphClass::Consonant, U"\u0922"},  // ढ ddha
    {0x5B, GlyphClass::ConsonantHalf, U"\u092B\u094D"},  // फ् half pha
    {0x5C, GlyphClass::ConsonantHalf, U"\u0937\u094D"},  // ष् half ssa
    {0x5D, GlyphClass::Consonant, U"\u0915\u093C"},  // क़ qa
    {0x5E, GlyphClass::ConsonantHalf, U"\u0917\u093C\u094D"},  // ग़् half ghha
    {0x5F, GlyphClass::Consonant, U"\u0921\u093C"},  // ड़ dddha
    {0x60, GlyphClass::Consonant, U"\u0922\u093C"},  // ढ़ rha
    {0x61, GlyphClass::VowelSign, U"\u093E"},  // ा aa-sign
    {0x62, GlyphClass::ConsonantHalf, U"\u092C\u094D"},  // ब् half ba
    {0x63, GlyphClass::ConsonantHalf, U"\u091A\u094D"},  // च् half ca
    {0x64, GlyphClass::Consonant, U"\u0926"},  // द da
    {0x65, GlyphClass::VowelSignPrefix, U"\u093F"},  // ि i-sign, drawn before the consonant cluster it belongs to
    {0x66, GlyphClass::Consonant, U"\u092B\u093C"},  // फ़ fa
    {0x67, GlyphClass::ConsonantHalf, U"\u0917\u094D"},  // ग् half ga
    {0x68, GlyphClass::Consonant, U"\u0939"},  // ह ha
    {0x69, GlyphClass::VowelSign, U"\u0940"},  // ी ii-sign
    {0x6A, GlyphClass::ConsonantHalf, U"\u091C\u094D"},  // ज् half ja
    {0x6B, GlyphClass::Consonant, U"\u0915"},  // क ka
    {0x6C, GlyphClass::ConsonantHalf, U"\u0932\u094D"},  // ल् half la
    {0x6D, GlyphClass::ConsonantHalf, U"\u092E\u094D"},  // म् half ma
    {0x6E, GlyphClass::ConsonantHalf, U"\u0928\u094D"},  // न् half na
    {0x6F, GlyphClass::Vowel, U"\u0908\u0902"},  // ईं ii with anusvara as one glyph
    {0x70, GlyphClass::ConsonantHalf, U"\u092A\u094D"},  // प् half pa
    {0x71, GlyphClass::ConsonantHalf, U"\u0915\u093C\u094D"},  // क़् half qa
    {0x72, GlyphClass::Consonant, U"\u0930"},  // र ra
    {0x73, GlyphClass::ConsonantHalf, U"\u0938\u094D"},  // स् half sa
    {0x74, GlyphClass::ConsonantHalf, U"\u0924\u094D"},  // त् half ta
    {0x75, GlyphClass::Vowel, U"\u0909"},  // उ u
    {0x76, GlyphClass::ConsonantHalf, U"\u0935\u094D"},  // व् half va
    {0x77, GlyphClass::Conjunct, U"\u091C\u094D\u091E"},  // ज्ञ jnya
    {0x78, GlyphClass::ConjunctHalf, U"\u0915\u094D\u0937\u094D"},  // क्ष् half ksha
    {0x79, GlyphClass::ConsonantHalf, U"\u092F\u094D"},  // य् half ya
    {0x7A, GlyphClass::ConsonantHalf, U"\u091C\u093C\u094D"},  // ज़् half za
    {0x7B, GlyphClass::Consonant, U"\u0919"},  // ङ nga
    {0x7C, GlyphClass::Sign, U"\u093D"},  // ऽ avagraha
    {0x7D, GlyphClass::Punctuation, U"\u0970"},  // ॰ abbreviation sign, a small circle
    {0x7E, GlyphClass::Punctuation, U"\u00B7"},  // · spacing dot at mid height (uncertain)
    {0xA0, GlyphClass::Space, U" "},  // (blank) blank glyph slightly wider than 0x20 (uncertain)
    {0xA1, GlyphClass::VowelSignPrefix, U"\u093F"},  // ि wide i-sign, drawn before a cluster of two or more glyphs
    {0xA2, GlyphClass::Conjunct, U"\u0919\u094D\u0915"},  // ङ्क ligature ङ्क
    {0xA3, GlyphClass::Conjunct, U"\u0919\u094D\u0916"},  // ङ्ख ligature ङ्ख
    {0xA4, GlyphClass::Conjunct, U"\u0919\u094D\u0917"},  // ङ्ग ligature ङ्ग
    {0xA5, GlyphClass::Conjunct, U"\u0919\u094D\u0918"},  // ङ्घ ligature ङ्घ
    {0xA6, GlyphClass::Conjunct, U"\u0919\u094D\u0919"},  // ङ्ङ ligature ङ्ङ
    {0xA7, GlyphClass::Conjunct, U"\u0919\u094D\u0928"},  // ङ्न ligature ङ्न
    {0xA8, GlyphClass::Conjunct, U"\u0919\u094D\u092E"},  // ङ्म ligature ङ्म
    {0xA9, GlyphClass::Conjunct, U"\u0919\u094D\u092F"},  // ङ्य ligature ङ्य
    {0xAA, GlyphClass::Conjunct, U"\u091B\u094D\u092F"},  // छ्य ligature छ्य
    {0xAB, GlyphClass::Conjunct, U"\u091F\u094D\u0915"},  // ट्क ligature ट्क
    {0xAC, GlyphClass::Conjunct, U"\u091F\u094D\u091F"},  // ट्ट ligature ट्ट
    {0xAD, GlyphClass::Conjunct, U"\u091F\u094D\u0920"},  // ट्ठ ligature ट्ठ
    {0xAE, GlyphClass::Conjunct, U"\u091F\u094D\u092F"},  // ट्य ligature ट्य
    {0xAF, GlyphClass::Conjunct, U"\u0920\u094D\u092F"},  // ठ्य ligature ठ्य
    {0xB0, GlyphClass::Conjunct, U"\u0921\u094D\u0917"},  // ड्ग ligature ड्ग
    {0xB1, GlyphClass::Conjunct, U"\u0921\u094D\u0918"},  // ड्घ ligature ड्घ
    {0xB2, GlyphClass::Conjunct, U"\u0921\u094D\u0921"},  // ड्ड ligature ड्ड
    {0xB3, GlyphClass::Conjunct, U"\u0921\u094D\u092E"},  // ड्म ligature ड्म
    {0xB4, GlyphClass::Conjunct, U"\u0921\u094D\u092F"},  // ड्य ligature ड्य
    {0xB5, GlyphClass::Conjunct, U"\u0922\u094D\u092F"},  // ढ्य ligature ढ्य
    {0xB6, GlyphClass::ConjunctHalf, U"\u0924\u094D\u0924\u094D"},  // त्त् half ligature
    {0xB7, GlyphClass::Conjunct, U"\u0926\u094D\u0917"},  // द्ग ligature द्ग
    {0xB8, GlyphClass::Conjunct, U"\u0926\u094D\u0926"},  // द्द ligature द्द
    {0xB9, GlyphClass::Conjunct, U"\u0926\u094D\u0927"},  // द्ध ligature द्ध
    {0xBA, GlyphClass::Conjunct, U"\u0926\u094D\u092C"},  // द्ब ligature द्ब
    {0xBB, GlyphClass::Conjunct, U"\u0926\u094D\u092D"},  // द्भ ligature द्भ
    {0xBC, GlyphClass::Conjunct, U"\u0926\u094D\u092E"},  // द्म ligature द्म
    {0xBD, GlyphClass::Conjunct, U"\u0926\u094D\u092F"},  // द्य ligature द्य
    {0xBE, GlyphClass::Conjunct, U"\u0926\u094D\u0935"},  // द्व ligature द्व
    {0xBF, GlyphClass::ConjunctHalf, U"\u0927\u094D\u0928\u094D"},  // ध्न् half ligature
    {0xC0, GlyphClass::Conjunct, U"\u0928\u094D\u0928"},  // न्न ligature न्न
    {0xC1, GlyphClass::ConjunctHalf, U"\u0936\u094D\u091A\u094D"},  // श्च् half ligature
    {0xC2, GlyphClass::ConjunctHalf, U"\u0936\u094D\u0930\u094D"},  // श्र् half ligature
    {0xC3, GlyphClass::ConjunctHalf, U"\u0936\u094D\u0935\u094D"},  // श्व् half ligature
    {0xC4, GlyphClass::Conjunct, U"\u0937\u094D\u091F"},  // ष्ट ligature ष्ट
    {0xC5, GlyphClass::Conjunct, U"\u0937\u094D\u0920"},  // ष्ठ ligature ष्ठ
    {0xC6, GlyphClass::Conjunct, U"\u0939\u0943"},  // हृ ligature हृ
    {0xC7, GlyphClass::Conjunct, U"\u0939\u094D\u0923"},  // ह्ण ligature ह्ण
    {0xC8, GlyphClass::Conjunct, U"\u0939\u094D\u0928"},  // ह्न ligature ह्न
    {0xC9, GlyphClass::Conjunct, U"\u0939\u094D\u092E"},  // ह्म ligature ह्म
    {0xCA, GlyphClass::Conjunct, U"\u0939\u094D\u092F"},  // ह्य ligature ह्य
    {0xCB, GlyphClass::Conjunct, U"\u0939\u094D\u0930"},  // ह्र ligature ह्र
    {0xCC, GlyphClass::Conjunct, U"\u0939\u094D\u0932"},  // ह्ल ligature ह्ल
    {0xCD, GlyphClass::Conjunct, U"\u0939\u094D\u0935"},  // ह्व ligature ह्व
    {0xCE, GlyphClass::Virama, U"\u094D"},  // ् virama, position r
    {0xCF, GlyphClass::Virama, U"\u094D"},  // ् virama, position m
    {0xD0, GlyphClass::Virama, U"\u094D"},  // ् virama, position d
    {0xD1, GlyphClass::Virama, U"\u094D"},  // ् virama, position D
    {0xD2, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, at the foot of a stem
    {0xD3, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, below a round foot
    {0xD4, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, low, at the right
    {0xD5, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, low, in the middle
    {0xD6, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, lower
    {0xD7, GlyphClass::Rakar, U"\u094D\u0930"},  // ्र subscript ra, lowest
    {0xD8, GlyphClass::VowelSign, U"\u0941"},  // ु u-sign below, position r
    {0xD9, GlyphClass::VowelSign, U"\u0941"},  // ु u-sign below, position m
    {0xDA, GlyphClass::VowelSign, U"\u0941"},  // ु u-sign below, position d
    {0xDB, GlyphClass::VowelSign, U"\u0941"},  // ु u-sign below, position D
    {0xDC, GlyphClass::VowelSign, U"\u0942"},  // ू uu-sign below, position r
    {0xDD, GlyphClass::VowelSign, U"\u0942"},  // ू uu-sign below, position m
    {0xDE, GlyphClass::VowelSign, U"\u0942"},  // ू uu-sign below, position d
    {0xDF, GlyphClass::VowelSign, U"\u0942"},  // ू uu-sign below, position D
    {0xE0, GlyphClass::VowelSign, U"\u0943"},  // ृ vocalic-r sign below, position r
    {0xE1, GlyphClass::VowelSign, U"\u0943"},  // ृ vocalic-r sign below, position m
    {0xE2, GlyphClass::VowelSign, U"\u0943"},  // ृ vocalic-r sign below, position d
    {0xE3, GlyphClass::VowelSign, U"\u0943"},  // ृ vocalic-r sign below, position D
    {0xE4, GlyphClass::VowelSign, U"\u0944"},  // ॄ vocalic-rr sign below, position r
    {0xE5, GlyphClass::VowelSign, U"\u0944"},  // ॄ vocalic-rr sign below, position m
    {0xE6, GlyphClass::VowelSign, U"\u0944"},  // ॄ vocalic-rr sign below, position d
    {0xE7, GlyphClass::VowelSign, U"\u0944"},  // ॄ vocalic-rr sign below, position D
    {0xE8, GlyphClass::VowelSign, U"\u0962"},  // ॢ vocalic-l sign below, position r
    {0xE9, GlyphClass::VowelSign, U"\u0962"},  // ॢ vocalic-l sign below, position m
    {0xEA, GlyphClass::VowelSign, U"\u0962"},  // ॢ vocalic-l sign below, position d
    {0xEB, GlyphClass::VowelSign, U"\u0962"},  // ॢ vocalic-l sign below, position D
    {0xEC, GlyphClass::VowelSign, U"\u0963"},  // ॣ vocalic-ll sign below, position r
    {0xED, GlyphClass::VowelSign, U"\u0963"},  // ॣ vocalic-ll sign below, position m
    {0xEE, GlyphClass::VowelSign, U"\u0963"},  // ॣ vocalic-ll sign below, position d
    {0xEF, GlyphClass::VowelSign, U"\u0963"},  // ॣ vocalic-ll sign below, position D
    {0xF0, GlyphClass::VowelSign, U"\u0947"},  // े e-sign above, position r
    {0xF1, GlyphClass::VowelSign, U"\u0947"},  // े e-sign above, position m
    {0xF2, GlyphClass::VowelSign, U"\u0948"},  // ै ai-sign above, position r
    {0xF3, GlyphClass::VowelSign, U"\u0948"},  // ै ai-sign above, position m
    {0xF4, GlyphClass::VowelSign, U"\u0945"},  // ॅ candra above, position r
    {0xF5, GlyphClass::VowelSign, U"\u0945"},  // ॅ candra above, position m
    {0xF6, GlyphClass::Sign, U"\u0902"},  // ं anusvara, position r
    {0xF7, GlyphClass::Sign, U"\u0902"},  // ं anusvara, position m
    {0xF8, GlyphClass::Sign, U"\u0902"},  // ं anusvara, position r (second pair)
    {0xF9, GlyphClass::Sign, U"\u0902"},  // ं anusvara, position m (second pair)
    {0xFA, GlyphClass::Sign, U"\u0901"},  // ँ candrabindu, position r
    {0xFB, GlyphClass::Sign, U"\u0901"},  // ँ candrabindu, position m
    {0xFC, GlyphClass::Reph, U"\u0930\u094D"},  // र् reph, position r
    {0xFD, GlyphClass::Reph, U"\u0930\u094D"},  // र् reph, position m
    {0xFE, GlyphClass::Reph, U"\u0930\u094D\u0902"},  // र्ं reph with anusvara in one glyph, position r
    {0xFF, GlyphClass::Reph, U"\u0930\u094D\u0902"},  // र्ं reph with anusvara in one glyph, position m
};
static_assert(std::size(kGlyphs) == 191, "0x20..0x7E and 0xA0..0xFF have glyphs");

// The glyph of a code point; nullptr for 0x00..0x1F and 0x7F..0x9F, which the
// font leaves empty.
const Glyph* FindGlyph(unsigned char code);

// Where the marks of a complete letter sit when it is the last letter of its
// cluster: the copy of a below mark (0 position r .. 3 position D), the virama
// and rakar glyphs, the copy of an above mark and of the reph (0 position r,
// 1 position m).
struct Seat {
  unsigned char letter;
  std::uint8_t below;
  unsigned char virama;
  unsigned char rakar;
  std::uint8_t above;
};

// Letters with a stem at the right (and the stem itself, the spacing vowel signs
// and the vowel letters) take the first copy of every mark.
inline constexpr Seat kStemSeat = {0x3A, 0, 0xCE, 0xD2, 0};

// The letters that seat their marks elsewhere. Where the system's own texts show
// a choice it is theirs: कु and दु take the m-position u-sign (0xD9), हु the
// d-position one (0xDA), द्र the round-foot rakar (0xD3), द्ध्य the d-position
// virama (0xD0), के, फे and कर्क the m-position e-sign and reph. The other rows
// follow the glyph notes of the font: middle-stem letters (क फ) take the m copies,
// letters with a deep bottom the d copies, stacked ligatures the lowest.
inline constexpr Seat kSeats[] = {
    {0x23, 1, 0xCF, 0xD2, 1},  // क्र, middle stem
    {0x27, 1, 0xCF, 0xD2, 1},  // फ्र, middle stem
    {0x28, 1, 0xCF, 0xD2, 1},  // फ़्र, middle stem
    {0x2C, 2, 0xD0, 0xD5, 0},  // रु
    {0x2D, 2, 0xD0, 0xD5, 0},  // रू
    {0x43, 2, 0xD0, 0xD5, 0},  // छ
    {0x4C, 2, 0xD0, 0xD5, 0},  // ळ
    {0x50, 1, 0xCF, 0xD2, 1},  // फ, middle stem
    {0x52, 2, 0xD0, 0xD5, 0},  // ड
    {0x58, 2, 0xD0, 0xD5, 0},  // ट
    {0x59, 2, 0xD0, 0xD5, 0},  // ठ
    {0x5A, 2, 0xD0, 0xD5, 0},  // ढ
    {0x5D, 1, 0xCF, 0xD2, 1},  // क़, middle stem
    {0x5F, 2, 0xD0, 0xD5, 0},  // ड़
    {0x60, 2, 0xD0, 0xD5, 0},  // ढ़
    {0x64, 1, 0xD0, 0xD3, 0},  // द: दु as the system writes it, round-foot rakar
    {0x66, 1, 0xCF, 0xD2, 1},  // फ़, middle stem
    {0x68, 2, 0xD0, 0xD3, 0},  // ह
    {0x6B, 1, 0xCF, 0xD2, 1},  // क, middle stem
    {0x72, 2, 0xD0, 0xD5, 0},  // र
    {0x7B, 3, 0xD1, 0xD6, 0},  // ङ
    {0xA2, 3, 0xD1, 0xD7, 0},  // ङ्क, stacked
    {0xA3, 3, 0xD1, 0xD7, 0},  // ङ्ख, stacked
    {0xA4, 3, 0xD1, 0xD7, 0},  // ङ्ग, stacked
    {0xA5, 3, 0xD1, 0xD7, 0},  // ङ्घ, stacked
    {0xA6, 3, 0xD1, 0xD7, 0},  // ङ्ङ, stacked
    {0xA7, 3, 0xD1, 0xD7, 0},  // ङ्न, stacked
    {0xA8, 3, 0xD1, 0xD7, 0},  // ङ्म, stacked
    {0xAB, 3, 0xD1, 0xD7, 0},  // ट्क, stacked
    {0xAC, 3, 0xD1, 0xD7, 0},  // ट्ट, stacked
    {0xAD, 3, 0xD1, 0xD7, 0},  // ट्ठ, stacked
    {0xB0, 3, 0xD1, 0xD7, 0},  // ड्ग, stacked
    {0xB1, 3, 0xD1, 0xD7, 0},  // ड्घ, stacked
    {0xB2, 3, 0xD1, 0xD7, 0},  // ड्ड, stacked
    {0xB3, 3, 0xD1, 0xD7, 0},  // ड्म, stacked
    {0xB7, 2, 0xD0, 0xD3, 0},  // द्ग
    {0xB8, 2, 0xD0, 0xD3, 0},  // द्द
    {0xB9, 2, 0xD0, 0xD3, 0},  // द्ध
    {0xBA, 2, 0xD0, 0xD3, 0},  // द्ब
    {0xBB, 2, 0xD0, 0xD3, 0},  // द्भ
    {0xBC, 2, 0xD0, 0xD3, 0},  // द्म
    {0xBE, 2, 0xD0, 0xD3, 0},  // द्व
    {0xC4, 3, 0xD1, 0xD7, 0},  // ष्ट, stacked
    {0xC5, 3, 0xD1, 0xD7, 0},  // ष्ठ, stacked
    {0xC6, 2, 0xD0, 0xD3, 0},  // हृ
    {0xC7, 3, 0xD1, 0xD7, 0},  // ह्ण, stacked
    {0xC8, 3, 0xD1, 0xD7, 0},  // ह्न, stacked
    {0xC9, 3, 0xD1, 0xD7, 0},  // ह्म, stacked
    {0xCB, 3, 0xD1, 0xD7, 0},  // ह्र, stacked
    {0xCC, 3, 0xD1, 0xD7, 0},  // ह्ल, stacked
    {0xCD, 3, 0xD1, 0xD7, 0},  // ह्व, stacked
};

// The seat of the marks that follow the glyph `body` (a letter, the stem, a
// spacing vowel sign or a vowel letter); kStemSeat for any glyph not in kSeats.
Seat SeatOf(unsigned char body);

// A vowel letter drawn as another vowel letter plus a sign: the stem makes अ
// into आ, and the hooks above make आ, ए and अ into their long or candra vowels.
struct VowelFusion {
  char32_t letter;
  char32_t sign;
  char32_t result;
};

// First row of a result is how the encoder writes it ("A:ð" for ओ); the last two
// rows are the one-glyph o and au signs, read but never written after अ.
inline constexpr VowelFusion kVowelFusions[] = {
    {U'\u0905', U'\u093E', U'\u0906'},  // अ + ा = आ
    {U'\u0906', U'\u0947', U'\u0913'},  // आ + े = ओ
    {U'\u0906', U'\u0948', U'\u0914'},  // आ + ै = औ
    {U'\u0906', U'\u0945', U'\u0911'},  // आ + ॅ = ऑ
    {U'\u0905', U'\u0945', U'\u0972'},  // अ + ॅ = ॲ
    {U'\u090F', U'\u0947', U'\u0910'},  // ए + े = ऐ
    {U'\u090F', U'\u0945', U'\u090D'},  // ए + ॅ = ऍ
    {U'\u0905', U'\u094B', U'\u0913'},  // अ + ो = ओ
    {U'\u0905', U'\u094C', U'\u0914'},  // अ + ौ = औ
};

}  // namespace kalnika::xdvng::detail
