// Xdvng glyph order -> Unicode logical order.
//
// The font draws a syllable left to right: the i-sign before its consonants, half
// letters joined to the next letter or completed by the stem, vowel signs, then
// the reph and anusvara above. Unicode writes the same syllable as: reph (र्),
// the consonant cluster (letters joined by viramas, rakar), the i-sign, the other
// vowel signs, then anusvara, candrabindu and visarga. The reader below collects
// one syllable at a time in glyph order and writes it out in Unicode order when
// the next syllable starts.
#include "xdvng/decode.h"

#include "xdvng/glyph_table.h"
#include "xdvng/unicode_text.h"

namespace kalnika::xdvng {
namespace detail {
namespace {

// The signs drawn as the stem with something after it: after a half letter the
// stem completes that letter and only the rest is a vowel sign.
char32_t RestAfterStem(char32_t sign) {
  switch (sign) {
    case kIiSign: return kIiSign;
    case kOSign: return kESign;
    case kAuSign: return kAiSign;
    default: return 0;  // the aa-sign is the stem alone
  }
}

bool BeginsWithStem(char32_t sign) {
  return sign == kAaSign || sign == kIiSign || sign == kOSign || sign == kAuSign;
}

// The aa-sign followed by an above sign is the o, au or candra-o sign.
char32_t WithStem(char32_t above) {
  switch (above) {
    case kESign: return kOSign;
    case kAiSign: return kAuSign;
    case kCandraSign: return kCandraOSign;
    default: return 0;
  }
}

// One syllable as read so far, in glyph order.
struct Syllable {
  bool open = false;            // something has been read into it
  int rephs = 0;                // reph glyphs seen (र् each)
  std::u32string base;          // the consonant cluster or the vowel letter; empty: a lone mark
  bool vowel_base = false;      // base is an independent vowel letter
  bool half_pending = false;    // base ends in a half letter whose virama is not yet written
  bool half_takes_stem = true;  // false for the eyelash ra, which is never completed
  bool joinable = false;        // the next consonant glyph continues the cluster
  bool i_sign = false;          // a prefix i-sign stands before the cluster
  std::u32string signs;         // other vowel signs, in glyph order
  std::u32string modifiers;     // anusvara, candrabindu, visarga, in glyph order
};

class GlyphReader {
 public:
  explicit GlyphReader(Digits digits) : digits_(digits) {}

  // Reads one byte of Xdvng text.
  void Read(unsigned char code) {
    const Glyph* glyph = FindGlyph(code);
    if (glyph == nullptr) {
      Standalone(kReplacement);
      return;
    }
    const std::u32string_view u = glyph->unicode;
    switch (glyph->cls) {
      case GlyphClass::Space:
      case GlyphClass::Punctuation:
        Standalone(u.front());
        break;
      case GlyphClass::Digit:
        Standalone(digits_ == Digits::Latin ? U'0' + (u.front() - kDigitZero) : u.front());
        break;
      case GlyphClass::Sign:
        ReadSign(u.front());
        break;
      case GlyphClass::Vowel:
        Flush();
        syllable_.open = true;
        syllable_.vowel_base = true;
        syllable_.base = u.substr(0, 1);
        syllable_.modifiers = u.substr(1);  // ईं in one glyph
        break;
      case GlyphClass::VowelSignPrefix:
        Flush();
        syllable_.open = true;
        syllable_.i_sign = true;
        break;
      case GlyphClass::Consonant:
      case GlyphClass::Conjunct:
        ReadLetter(u, /*half=*/false, code);
        break;
      case GlyphClass::ConsonantHalf:
      case GlyphClass::ConjunctHalf:
        ReadLetter(u.substr(0, u.size() - 1), /*half=*/true, code);
        break;
      case GlyphClass::Stem:
        ReadStemSign(kAaSign);
        break;
      case GlyphClass::VowelSign:
        if (BeginsWithStem(u.front())) {
          ReadStemSign(u.front());
        } else {
          AddVowelSign(u.front());
        }
        break;
      case GlyphClass::Virama:
        ReadVirama();
        break;
      case GlyphClass::Rakar:
        PrepareForMark();
        if (HasCluster()) {
          syllable_.base += u;
        } else {
          syllable_.signs += u;
        }
        syllable_.joinable = false;
        break;
      case GlyphClass::Reph:
        PrepareForMark();
        ++syllable_.rephs;
        syllable_.joinable = false;
        syllable_.modifiers += u.substr(2);  // the anusvara of 0xFE, 0xFF
        break;
    }
  }

  // Ends the text: writes the last syllable and hands over the result.
  std::u32string Finish() {
    Flush();
    return std::move(out_);
  }

 private:
  bool HasCluster() const { return !syllable_.base.empty() && !syllable_.vowel_base; }

  // Blanks, digits, punctuation, om, avagraha and unknown bytes end the syllable
  // and stand for themselves.
  void Standalone(char32_t c) {
    Flush();
    out_.push_back(c);
  }

  void ReadSign(char32_t sign) {
    if (sign == kVisarga) {
      // Two dots with no syllable before them are the colon (":" is the stem in
      // this font): clock texts "21H05", the Kali label "... H ".
      if (syllable_.open) {
        AddModifier(sign);
      } else {
        Standalone(U':');
      }
    } else if (sign == kAnusvara || sign == kCandrabindu) {
      AddModifier(sign);
    } else {
      Standalone(sign);  // om, avagraha
    }
  }

  // A consonant or ligature glyph: continues the cluster after a half letter or
  // a virama, else starts a new syllable (taking over a prefix i-sign that waits
  // for its cluster).
  void ReadLetter(std::u32string_view letters, bool half, unsigned char code) {
    // रु, रू and हृ carry their vowel sign in the glyph.
    std::u32string_view sign;
    if (!half && letters.size() == 2 && IsVowelSign(letters.back())) {
      sign = letters.substr(1);
      letters = letters.substr(0, 1);
    }
    if (syllable_.open && syllable_.joinable) {
      if (syllable_.half_pending) syllable_.base.push_back(kVirama);
      syllable_.base += letters;
    } else {
      const bool waiting_i_sign = syllable_.open && syllable_.i_sign && syllable_.base.empty() &&
                                  syllable_.rephs == 0 && syllable_.signs.empty() &&
                                  syllable_.modifiers.empty();
      if (!waiting_i_sign) {
        Flush();
        syllable_.open = true;
      }
      syllable_.base = letters;
    }
    syllable_.half_pending = half;
    syllable_.half_takes_stem = code != 0x22;  // the eyelash ra takes no stem
    syllable_.joinable = half;
    syllable_.signs += sign;
  }

  // Before a mark: a half letter followed by a mark is read as the complete
  // letter (its stem left out); the eyelash ra stays dead and the mark stands
  // alone. A mark with no syllable opens one without a letter.
  void PrepareForMark() {
    if (syllable_.half_pending) {
      if (syllable_.half_takes_stem) {
        syllable_.half_pending = false;
        syllable_.joinable = false;
      } else {
        Flush();
      }
    }
    syllable_.open = true;
  }

  // The stem, or a sign drawn as the stem plus more: after a half letter the
  // stem completes it, elsewhere the stem is the aa-sign.
  void ReadStemSign(char32_t sign) {
    if (syllable_.half_pending && syllable_.half_takes_stem) {
      syllable_.half_pending = false;
      syllable_.joinable = false;
      if (const char32_t rest = RestAfterStem(sign); rest != 0) AddVowelSign(rest);
      return;
    }
    AddVowelSign(sign);
  }

  void AddVowelSign(char32_t sign) {
    PrepareForMark();
    syllable_.joinable = false;
    if (syllable_.vowel_base && syllable_.signs.empty()) {
      for (const VowelFusion& f : kVowelFusions) {
        if (f.letter == syllable_.base.front() && f.sign == sign) {
          syllable_.base.front() = f.result;
          return;
        }
      }
    }
    // The stem followed by the e, ai or candra hook is one sign.
    if (!syllable_.signs.empty() && syllable_.signs.back() == kAaSign && WithStem(sign) != 0) {
      syllable_.signs.back() = WithStem(sign);
      return;
    }
    syllable_.signs.push_back(sign);
  }

  // A virama glyph after a complete cluster lets the cluster go on ("¹Ðy:" is
  // द्ध्य); anywhere else it is a plain mark.
  void ReadVirama() {
    PrepareForMark();
    if (HasCluster() && syllable_.signs.empty() && syllable_.modifiers.empty() &&
        syllable_.rephs == 0) {
      syllable_.base.push_back(kVirama);
      syllable_.joinable = true;
    } else {
      syllable_.signs.push_back(kVirama);
      syllable_.joinable = false;
    }
  }

  void AddModifier(char32_t modifier) {
    PrepareForMark();
    syllable_.joinable = false;
    syllable_.modifiers.push_back(modifier);
  }

  // Writes the syllable in Unicode order: reph, cluster (or vowel letter, or the
  // dotted circle under a lone mark), i-sign, other vowel signs, modifiers.
  void Flush() {
    if (!syllable_.open) return;
    if (syllable_.half_pending) syllable_.base.push_back(kVirama);  // a dead consonant
    for (int i = 0; i < syllable_.rephs; ++i) {
      out_.push_back(kRa);
      out_.push_back(kVirama);
    }
    if (syllable_.base.empty()) {
      out_.push_back(kDottedCircle);
    } else {
      out_ += syllable_.base;
    }
    if (syllable_.i_sign) out_.push_back(kISign);
    out_ += syllable_.signs;
    out_ += syllable_.modifiers;
    syllable_ = Syllable{};
  }

  Digits digits_;
  Syllable syllable_;
  std::u32string out_;
};

}  // namespace

std::u32string DecodeGlyphs(std::string_view xdvng, Digits digits) {
  GlyphReader reader(digits);
  for (const char byte : xdvng) reader.Read(static_cast<unsigned char>(byte));
  return reader.Finish();
}

}  // namespace detail

std::string GlyphsToUnicode(std::string_view xdvng, Digits digits) {
  return detail::EncodeUtf8(detail::DecodeGlyphs(xdvng, digits));
}

namespace {

// The Xdvng bytes of a value that was saved as UTF-8 characters: an editor that
// works in UTF-8 stores the glyph byte 0xD8 (shown as the Latin-1 letter O with
// stroke) as the two bytes C3 98.
// Such a value is valid UTF-8 with at least one character between U+0080 and
// U+00FF and none above; empty when the bytes are not of that kind. Genuine Xdvng
// text is almost never valid UTF-8 of that kind, since it would need a glyph
// 0xC2 or 0xC3 followed by a byte 0x80..0xBF.
std::string Latin1CharactersAsBytes(std::string_view bytes) {
  const detail::Utf8Decoded decoded = detail::DecodeUtf8(bytes);
  if (decoded.bad_offset) return {};
  std::string out;
  bool wide = false;
  for (const char32_t c : decoded.text) {
    if (c > 0xFF) return {};
    if (c >= 0x80) wide = true;
    out += static_cast<char>(c);
  }
  return wide ? out : std::string();
}

}  // namespace

std::string ToUnicode(std::string_view xdvng, Digits digits) {
  if (IsUtf8Devanagari(xdvng)) return std::string(xdvng);
  if (std::string bytes = Latin1CharactersAsBytes(xdvng); !bytes.empty())
    return GlyphsToUnicode(bytes, digits);
  return GlyphsToUnicode(xdvng, digits);
}

bool IsUtf8Devanagari(std::string_view bytes) {
  const detail::Utf8Decoded decoded = detail::DecodeUtf8(bytes);
  if (decoded.bad_offset) return false;
  for (const char32_t c : decoded.text) {
    if (detail::IsDevanagari(c)) return true;
  }
  return false;
}

}  // namespace kalnika::xdvng
