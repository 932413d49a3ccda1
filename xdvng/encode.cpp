// Unicode Devanagari -> Xdvng glyph order.
//
// Each syllable is written the way the font draws it: the prefix i-sign, the
// consonant cluster (ligatures where the font has them, half letters joined to
// the next letter, the stem completing the last one, rakar below), the vowel
// sign, the reph, then anusvara, candrabindu and visarga. Among the copies of a
// mark the one that fits the letter it sits on is taken (glyph_table.h, kSeats),
// so that the system's own texts come out as they are stored. The result is read
// back before it is handed out: a text that would not read back the same is
// refused rather than stored wrong.
#include <optional>
#include <string>

#include "xdvng/decode.h"
#include "xdvng/glyph_table.h"
#include "xdvng/unicode_text.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace detail {
namespace {

constexpr unsigned char kStemCode = 0x3A;
constexpr unsigned char kAaSignCode = 0x61;
constexpr unsigned char kIiSignCode = 0x69;
constexpr unsigned char kISignCode = 0x65;
constexpr unsigned char kWideISignCode = 0xA1;
constexpr unsigned char kColonCode = 0x48;  // the visarga glyph, read as a colon with no syllable before it
constexpr unsigned char kEyelashRaCode = 0x22;
constexpr char32_t kZeroWidthNonJoiner = U'\u200C';
constexpr char32_t kZeroWidthJoiner = U'\u200D';
constexpr char32_t kNoBreakSpace = U'\u00A0';

// Why a character of the text could not be written: its index in the text and
// the reason in words.
struct Failure {
  std::size_t index;
  std::string reason;
};

// The byte of a character that stands alone (blank, digit, punctuation, om,
// avagraha), or nothing.
std::optional<unsigned char> StandaloneCode(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<unsigned char>(c);  // the font has one set of digits
  for (const Glyph& g : kGlyphs) {
    const bool standalone = g.cls == GlyphClass::Space || g.cls == GlyphClass::Digit ||
                            g.cls == GlyphClass::Punctuation ||
                            (g.cls == GlyphClass::Sign && !IsModifier(g.unicode.front()));
    if (standalone && g.unicode.size() == 1 && g.unicode.front() == c) return g.code;
  }
  return std::nullopt;
}

// The index-th copy (0 = position r) of a mark of the given class, or the last
// copy when the mark has fewer; 0 when the font has no such mark.
unsigned char MarkCopy(GlyphClass cls, std::u32string_view mark, int index) {
  unsigned char found = 0;
  int seen = 0;
  for (const Glyph& g : kGlyphs) {
    if (g.cls != cls || g.unicode != mark) continue;
    found = g.code;
    if (seen++ == index) break;
  }
  return found;
}

unsigned char MarkCopy(GlyphClass cls, char32_t mark, int index) {
  return MarkCopy(cls, std::u32string_view(&mark, 1), index);
}

// The glyph that draws `letters` followed by vowel sign `sign` in one piece
// (रु, रू, हृ), or 0.
unsigned char LetterWithSign(std::u32string_view letters, char32_t sign) {
  std::u32string wanted(letters);
  wanted.push_back(sign);
  for (const Glyph& g : kGlyphs) {
    if (g.cls == GlyphClass::Conjunct && g.unicode == wanted) return g.code;
  }
  return 0;
}

// A vowel letter as glyphs: its own glyph, or a shorter vowel letter with the
// stem or a hook (आ = "A:", ओ = "A:ð"); false when the font cannot draw it.
bool SpellVowelLetter(char32_t letter, std::string& out) {
  for (const Glyph& g : kGlyphs) {
    if (g.cls == GlyphClass::Vowel && g.unicode.size() == 1 && g.unicode.front() == letter) {
      out.push_back(static_cast<char>(g.code));
      return true;
    }
  }
  for (const VowelFusion& f : kVowelFusions) {
    if (f.result != letter) continue;
    if (!SpellVowelLetter(f.letter, out)) return false;
    out.push_back(static_cast<char>(f.sign == kAaSign ? kStemCode : MarkCopy(GlyphClass::VowelSign, f.sign, 0)));
    return true;
  }
  return false;
}

// A consonant cluster written as glyphs.
struct ClusterGlyphs {
  std::string bytes;
  unsigned char body = kStemCode;  // the glyph the following marks are seated on
  int units = 0;                   // consonant glyphs used (the wide i-sign spans two or more)
  unsigned char last_full = 0;     // the final glyph when it is a complete letter with nothing after it
};

// Writes the cluster text[begin, end) (letters, nuktas, viramas; a final virama
// leaves the last letter dead) by longest ligature first: a complete glyph at the
// end of the cluster, a half glyph before the next letter, a complete glyph plus
// rakar for a final र, a complete glyph plus a virama glyph where the letter has
// no half form. `reph_follows`: a dead last letter is then written complete with
// a virama glyph, since a half glyph followed by the reph reads as complete.
std::optional<Failure> SpellCluster(std::u32string_view text, std::size_t begin, std::size_t end,
                                    bool reph_follows, ClusterGlyphs& cluster) {
  const std::u32string_view letters_left = text.substr(0, end);
  std::size_t k = begin;
  while (k < end) {
    const Glyph* best = nullptr;
    std::size_t best_length = 0;
    bool best_half = false;
    bool best_preferred = false;
    for (const Glyph& g : kGlyphs) {
      bool half = false;
      if (g.cls == GlyphClass::ConsonantHalf || g.cls == GlyphClass::ConjunctHalf) {
        half = true;
      } else if (g.cls != GlyphClass::Consonant && g.cls != GlyphClass::Conjunct) {
        continue;
      }
      const std::u32string_view letters = half ? g.unicode.substr(0, g.unicode.size() - 1) : g.unicode;
      if (IsVowelSign(letters.back())) continue;  // रु रू हृ: see LetterWithSign
      if (letters_left.substr(k, letters.size()) != letters) continue;
      const std::size_t after = k + letters.size();
      if (after != end && text[after] != kVirama) continue;  // the match must end on a whole letter
      const bool at_end = after == end;
      if (at_end && g.code == kEyelashRaCode) continue;  // never completed by the stem
      // At the end a complete glyph needs no stem; before another letter a half
      // glyph needs no virama.
      const bool preferred = at_end ? !half : half;
      if (letters.size() > best_length || (letters.size() == best_length && preferred && !best_preferred)) {
        best = &g;
        best_length = letters.size();
        best_half = half;
        best_preferred = preferred;
      }
    }
    if (best == nullptr) {
      return Failure{k, text[k] == kEyelashRa ? "the eyelash ra exists in Xdvng only as the half letter \u0931\u094D"
                                              : "the Xdvng font has no glyph for this letter"};
    }
    const auto code = static_cast<char>(best->code);
    const std::size_t after = k + best_length;
    const bool can_complete = best->code != kEyelashRaCode;
    const bool rakar = can_complete && after + 1 < end && text[after] == kVirama && text[after + 1] == kRa &&
                       (after + 2 == end || text[after + 2] == kVirama);
    ++cluster.units;
    cluster.last_full = 0;
    if (rakar || after == end) {
      // The complete letter: the glyph itself, or the half glyph and the stem.
      cluster.bytes.push_back(code);
      if (best_half) cluster.bytes.push_back(static_cast<char>(kStemCode));
      cluster.body = best_half ? kStemCode : best->code;
      if (!best_half && !rakar) cluster.last_full = best->code;
      k = after;
      if (rakar) {
        cluster.bytes.push_back(static_cast<char>(SeatOf(cluster.body).rakar));
        k += 2;
        if (k < end) {  // a virama after the rakar: the cluster goes on, or ends dead
          cluster.bytes.push_back(static_cast<char>(SeatOf(cluster.body).virama));
          ++k;
        }
      }
      continue;
    }
    cluster.bytes.push_back(code);
    if (best_half && can_complete && reph_follows && after + 1 == end) {
      cluster.bytes.push_back(static_cast<char>(kStemCode));
      cluster.body = kStemCode;
      cluster.bytes.push_back(static_cast<char>(kStemSeat.virama));
    } else if (!best_half) {
      cluster.bytes.push_back(static_cast<char>(SeatOf(best->code).virama));
      cluster.body = best->code;
    }
    k = after + 1;  // past the virama
  }
  return std::nullopt;
}

// Writes the syllable that starts at text[i] (a consonant, a vowel letter or the
// dotted circle) and moves i past it.
std::optional<Failure> WriteSyllable(std::u32string_view text, std::size_t& i, std::string& out) {
  const std::size_t n = text.size();
  bool reph = false;
  if (text[i] == kRa && i + 2 < n && text[i + 1] == kVirama && IsConsonant(text[i + 2])) {
    reph = true;  // र् at the start of a cluster is drawn above it
    i += 2;
  }

  std::string letters;  // the cluster or the vowel letter, as glyphs
  unsigned char body = kStemCode;
  int units = 0;
  unsigned char last_full = 0;
  bool dead = false;
  char32_t vowel_letter = 0;
  if (IsConsonant(text[i])) {
    const std::size_t begin = i;
    while (true) {
      ++i;  // the letter
      if (i < n && text[i] == kNukta) ++i;
      if (i < n && text[i] == kVirama) {
        ++i;
        if (i < n && IsConsonant(text[i])) continue;
        dead = true;
      }
      break;
    }
    ClusterGlyphs cluster;
    if (auto failure = SpellCluster(text, begin, i, reph, cluster)) return failure;
    letters = std::move(cluster.bytes);
    body = cluster.body;
    units = cluster.units;
    last_full = cluster.last_full;
  } else if (text[i] == kDottedCircle) {
    ++i;  // a lone mark follows: it is written without a letter
  } else {
    vowel_letter = text[i];
    ++i;
  }

  char32_t sign = 0;
  std::size_t sign_index = i;
  std::u32string_view modifiers;
  if (!dead) {
    if (i < n && IsVowelSign(text[i])) sign = text[i++];
    const std::size_t first_modifier = i;
    while (i < n && IsModifier(text[i])) ++i;
    modifiers = text.substr(first_modifier, i - first_modifier);
  }

  if (vowel_letter != 0) {
    const std::size_t at = sign_index - 1;
    if (vowel_letter == kLetterIi && sign == 0 && !modifiers.empty() && modifiers.front() == kAnusvara) {
      letters.push_back(static_cast<char>(0x6F));  // ईं in one glyph
      modifiers.remove_prefix(1);
    } else if (!SpellVowelLetter(vowel_letter, letters)) {
      return Failure{at, "the Xdvng font has no glyph for this vowel letter"};
    }
    body = static_cast<unsigned char>(letters.front());
  }

  // The i-sign goes before the cluster; the wide one spans two or more letters.
  if (sign == kISign) out.push_back(static_cast<char>(units >= 2 ? kWideISignCode : kISignCode));
  const Seat seat = SeatOf(body);
  switch (sign) {
    case 0:
    case kISign:
      out += letters;
      break;
    case kAaSign:
      out += letters;
      out.push_back(static_cast<char>(kAaSignCode));
      body = kAaSignCode;
      break;
    case kIiSign:
      out += letters;
      out.push_back(static_cast<char>(kIiSignCode));
      body = kIiSignCode;
      break;
    case kOSign:
    case kAuSign:
    case kCandraOSign: {
      // The stem and the hook above it, as the system's texts write सो, पौ.
      const char32_t hook = sign == kOSign ? kESign : sign == kAuSign ? kAiSign : kCandraSign;
      out += letters;
      out.push_back(static_cast<char>(kStemCode));
      out.push_back(static_cast<char>(MarkCopy(GlyphClass::VowelSign, hook, kStemSeat.above)));
      body = kStemCode;
      break;
    }
    case kESign:
    case kAiSign:
    case kCandraSign:
      out += letters;
      out.push_back(static_cast<char>(MarkCopy(GlyphClass::VowelSign, sign, seat.above)));
      break;
    default: {
      const unsigned char below = MarkCopy(GlyphClass::VowelSign, sign, seat.below);
      if (below == 0) return Failure{sign_index, "the Xdvng font has no glyph for this vowel sign"};
      const unsigned char joined = last_full != 0 ? LetterWithSign(FindGlyph(last_full)->unicode, sign) : 0;
      if (joined != 0) {
        letters.back() = static_cast<char>(joined);  // रु, रू, हृ in one glyph
        out += letters;
      } else {
        out += letters;
        out.push_back(static_cast<char>(below));
      }
      break;
    }
  }
  if (reph) {
    out.push_back(static_cast<char>(MarkCopy(GlyphClass::Reph, U"\u0930\u094D", SeatOf(body).above)));
  }
  for (std::size_t m = 0; m < modifiers.size(); ++m) {
    const char32_t modifier = modifiers[m];
    const unsigned char code = modifier == kVisarga ? kColonCode : MarkCopy(GlyphClass::Sign, modifier, 0);
    if (code == 0) return Failure{i - modifiers.size() + m, "the Xdvng font has no glyph for this sign"};
    out.push_back(static_cast<char>(code));
  }
  return std::nullopt;
}

// Why a character that cannot start anything here is refused.
std::string RefusalReason(char32_t c, bool after_syllable) {
  if (c == kZeroWidthJoiner || c == kZeroWidthNonJoiner) {
    return "Xdvng has no joiners; the eyelash ra is written \u0931\u094D (U+0931 U+094D)";
  }
  if (c == kNoBreakSpace) return "Xdvng keeps only the plain blank U+0020";
  if (c == U':') return "a colon right after a letter would read as the visarga \u0903; put a blank before it";
  if (IsVowelSign(c) || IsModifier(c) || c == kVirama || c == kNukta) {
    return after_syllable ? "a letter takes one vowel sign, right after it and before \u0902 \u0901 \u0903"
                          : "there is no letter before it to carry it";
  }
  if (IsDevanagari(c)) return "the Xdvng font has no glyph for it";
  return "Xdvng writes only Devanagari, digits, the blank, \u0964 \u0965 \u0970 \u093D \u0950 . \u00B7 and a colon";
}

// The whole text as glyphs.
std::optional<Failure> WriteText(std::u32string_view text, std::string& out) {
  bool after_syllable = false;  // "H" would read as the visarga of that syllable
  std::size_t i = 0;
  while (i < text.size()) {
    const char32_t c = text[i];
    if (const auto code = StandaloneCode(c)) {
      out.push_back(static_cast<char>(*code));
      after_syllable = false;
      ++i;
    } else if (c == U':' && !after_syllable) {
      out.push_back(static_cast<char>(kColonCode));
      ++i;
    } else if (IsConsonant(c) || IsVowelLetter(c) || c == kDottedCircle) {
      if (auto failure = WriteSyllable(text, i, out)) return failure;
      after_syllable = true;
    } else {
      return Failure{i, RefusalReason(c, after_syllable)};
    }
  }
  return std::nullopt;
}

// The text as the reader gives it back with Digits::Latin: Devanagari digits
// become ASCII ones, since both are written as the same glyphs.
std::u32string WithLatinDigits(std::u32string text) {
  for (char32_t& c : text) {
    if (c >= kDigitZero && c <= kDigitZero + 9) c = U'0' + (c - kDigitZero);
  }
  return text;
}

// The text as the reader gives it back with Digits::Devanagari: ASCII digits
// become Devanagari ones.
std::u32string WithDevanagariDigits(std::u32string text) {
  for (char32_t& c : text) {
    if (c >= U'0' && c <= U'9') c = kDigitZero + (c - U'0');
  }
  return text;
}

// "cannot write "य़" (U+092F U+093C, character 1) in Xdvng: <reason>": the
// character, with its nukta if it has one, its code points and its place.
std::string Describe(std::u32string_view text, const Failure& failure) {
  std::size_t length = 1;
  if (failure.index + 1 < text.size() && text[failure.index + 1] == kNukta) length = 2;
  const std::u32string_view shown = text.substr(failure.index, length);
  // Built by appending: GCC 12 warns falsely (-Wrestrict) on literal + string.
  std::string message = "cannot write ";
  const char32_t c = shown.front();
  if (c >= 0x20 && !(c >= 0x7F && c < 0xA0)) {  // control characters are named by number only
    message.append("\"").append(EncodeUtf8(shown)).append("\" ");
  }
  message.append("(");
  for (std::size_t k = 0; k < shown.size(); ++k) {
    if (k > 0) message.append(" ");
    message.append(CodePointName(shown[k]));
  }
  message.append(", character ").append(std::to_string(failure.index + 1)).append(") in Xdvng: ");
  return message.append(failure.reason);
}

}  // namespace
}  // namespace detail

EncodeResult FromUnicode(std::string_view utf8) {
  EncodeResult result;
  const detail::Utf8Decoded decoded = detail::DecodeUtf8(utf8);
  if (decoded.bad_offset) {
    result.error = "cannot write the text in Xdvng: it is not valid UTF-8 (byte ";
    result.error.append(std::to_string(*decoded.bad_offset + 1)).append(")");
    return result;
  }
  const std::u32string text = detail::ComposeDevanagari(decoded.text);
  std::string bytes;
  if (auto failure = detail::WriteText(text, bytes)) {
    result.error = detail::Describe(text, *failure);
    return result;
  }
  // Read the glyphs back: what would not come back the same is not written.
  const std::u32string expected = detail::WithLatinDigits(text);
  const std::u32string back = detail::DecodeGlyphs(bytes, Digits::Latin);
  if (back != expected) {
    std::size_t k = 0;
    while (k < back.size() && k < expected.size() && back[k] == expected[k]) ++k;
    if (k >= text.size()) k = text.size() - 1;
    result.error = detail::Describe(text, {k, "Xdvng cannot write it so that it reads back the same"});
    return result;
  }
  // The display does not read glyphs alone: it takes a value that is valid UTF-8
  // for a text typed in Unicode, or for glyph bytes saved by a UTF-8 editor
  // (ToUnicode). Glyph bytes that happen to form such UTF-8 (वृङ्गद्य gives E0 A4 BD,
  // the UTF-8 of ऽ) would be shown as something else, so they are refused too; the
  // check is made with both sets of digits the display can show.
  if (ToUnicode(bytes, Digits::Latin) != detail::EncodeUtf8(expected) ||
      ToUnicode(bytes, Digits::Devanagari) != detail::EncodeUtf8(detail::WithDevanagariDigits(text))) {
    result.error =
        "cannot write the text in Xdvng: its glyph bytes happen to form UTF-8 text, which the "
        "display would show in place of the glyphs";
    return result;
  }
  result.ok = true;
  result.xdvng = std::move(bytes);
  return result;
}

}  // namespace kalnika::xdvng
