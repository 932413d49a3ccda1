#pragma once
// UTF-8 and the Devanagari character classes the converter needs. Internal to
// kalnika_xdvng.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalnika::xdvng::detail {

inline constexpr char32_t kCandrabindu = U'\u0901';
inline constexpr char32_t kAnusvara = U'\u0902';
inline constexpr char32_t kVisarga = U'\u0903';
inline constexpr char32_t kLetterA = U'\u0905';
inline constexpr char32_t kLetterIi = U'\u0908';
inline constexpr char32_t kRa = U'\u0930';
inline constexpr char32_t kEyelashRa = U'\u0931';
inline constexpr char32_t kNukta = U'\u093C';
inline constexpr char32_t kAaSign = U'\u093E';
inline constexpr char32_t kISign = U'\u093F';
inline constexpr char32_t kIiSign = U'\u0940';
inline constexpr char32_t kCandraSign = U'\u0945';
inline constexpr char32_t kESign = U'\u0947';
inline constexpr char32_t kAiSign = U'\u0948';
inline constexpr char32_t kCandraOSign = U'\u0949';
inline constexpr char32_t kOSign = U'\u094B';
inline constexpr char32_t kAuSign = U'\u094C';
inline constexpr char32_t kVirama = U'\u094D';
inline constexpr char32_t kDigitZero = U'\u0966';
inline constexpr char32_t kDottedCircle = U'\u25CC';
inline constexpr char32_t kReplacement = U'\uFFFD';

// The code points of a UTF-8 text, or the byte offset (0-based) of the first
// byte that is not valid UTF-8 (overlong forms, surrogates and values above
// U+10FFFF are invalid).
struct Utf8Decoded {
  std::u32string text;
  std::optional<std::size_t> bad_offset;
};
Utf8Decoded DecodeUtf8(std::string_view bytes);

// UTF-8 of code points (all of which the callers keep at or below U+10FFFF).
std::string EncodeUtf8(std::u32string_view text);

// True for a letter of the Devanagari block that takes vowel signs and joins
// into clusters: U+0915..U+0939, U+0958..U+095F, U+0978..U+097F.
bool IsConsonant(char32_t c);

// True for an independent vowel letter: U+0904..U+0914, U+0960, U+0961, U+0972..U+0977.
bool IsVowelLetter(char32_t c);

// True for a dependent vowel sign (U+093A..U+094F without the virama and the
// avagraha/nukta, U+0955..U+0957, U+0962, U+0963).
bool IsVowelSign(char32_t c);

// True for candrabindu, anusvara and visarga, the signs written after a
// syllable's vowel signs (U+0900..U+0903).
bool IsModifier(char32_t c);

// True for the Devanagari block U+0900..U+097F.
bool IsDevanagari(char32_t c);

// The canonical composition (NFC) of a text as far as Devanagari needs it: the
// nukta letters U+0958..U+095F decomposed, न र ळ + nukta composed to ऩ ऱ ऴ, and
// a nukta written after a virama moved before it. Everything else is kept.
std::u32string ComposeDevanagari(std::u32string_view text);

// "U+0915": the code point as Unicode writes it, four hex digits at least.
std::string CodePointName(char32_t c);

}  // namespace kalnika::xdvng::detail
