#include "xdvng/latin.h"

#include <unicode/parseerr.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <stdexcept>

namespace kalnika::xdvng {

namespace {

constexpr char16_t kVirama = 0x094D;
constexpr char16_t kNukta = 0x093C;
constexpr char16_t kAnusvara = 0x0902;
constexpr char16_t kVa = 0x0935;
constexpr char16_t kZwnj = 0x200C;
constexpr char16_t kZwj = 0x200D;

bool IsConsonant(char16_t c) {
  return (c >= 0x0915 && c <= 0x0939) || (c >= 0x0958 && c <= 0x095F) || (c >= 0x0978 && c <= 0x097F);
}

// Letters and signs that belong to a Devanagari word; digits, dandas and the
// abbreviation sign (U+0964..U+0970) end it like a blank does.
bool IsWordCharacter(char16_t c) {
  return (c >= 0x0900 && c <= 0x0963) || (c >= 0x0971 && c <= 0x097F) || c == kZwnj || c == kZwj;
}

// Only Devanagari runs are transliterated (each run of word characters, digits and
// dandas on its own, so every word gets its capital); all other text passes as it
// is. U+25CC is the carrier ToUnicode puts under a mark that has no letter.
constexpr const char16_t* kFilter = u":: [[:scx=Devanagari:][\\u25CC\\u200C\\u200D]] ;\n";

// ICU's ISO 15919 letters, the reversibility apostrophes left out, NFC throughout.
constexpr const char16_t* kIsoRules =
    u":: NFC ;\n"
    u":: Devanagari-Latin ;\n"
    u":: NFC ;\n"
    u"[:L:] { \\' } [:L:] > ;\n"
    u"\\u0970 > \\. ;\n"
    u"\\u0972 > \\u0115 ;\n"  // ॲ (Marathi, English loanwords): as ICU writes the sign ॅ
    u"[\\u200C\\u200D] > ;\n"
    u":: Any-Title ;\n";

// From ISO 15919 to the spellings of Marathi calendars in English; the order of
// the rules matters where one is the start of another (ch before c, r̥̄ before r̥).
constexpr const char16_t* kReadableRules =
    u":: NFC ;\n"
    u":: Devanagari-Latin ;\n"
    u":: NFC ;\n"
    u"[:L:] { \\' } [:L:] > ;\n"
    u"\\u0970 > \\. ;\n"
    u"\\u0972 > \\u0115 ;\n"  // ॲ (Marathi, English loanwords): as ICU writes the sign ॅ
    u"[\\u200C\\u200D] > ;\n"
    u"ch > chh ;\n"
    u"c > ch ;\n"
    u"\\u015B > sh ;\n"              // ś
    u"\\u1E63 > sh ;\n"              // ṣ
    u"j\\u00F1 > dny ;\n"            // jñ: ज्ञ as Marathi says it
    u"r\\u0325\\u0304 > ru ;\n"      // r̥̄
    u"r\\u0325 > ru ;\n"             // r̥: ऋ as Marathi says it
    u"l\\u0325\\u0304 > lu ;\n"
    u"l\\u0325 > lu ;\n"
    u":: Latin-ASCII ;\n"
    u":: NFD ;\n"
    u":: [:Nonspacing Mark:] Remove ;\n"
    u":: NFC ;\n"
    u":: Any-Title ;\n";

}  // namespace

struct LatinTransliterator::Transform {
  std::unique_ptr<icu::Transliterator> icu;
};

namespace {

std::unique_ptr<icu::Transliterator> Build(LatinStyle style) {
  icu::UnicodeString rules(kFilter);
  rules += style == LatinStyle::Readable ? kReadableRules : kIsoRules;
  UParseError where{};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Transliterator> transform(
      icu::Transliterator::createFromRules("kalnika-latin", rules, UTRANS_FORWARD, where, status));
  // The rules are fixed: a failure here means an ICU without its transform data.
  if (U_FAILURE(status) || !transform)
    throw std::runtime_error(std::string("ICU transliterator: ") + u_errorName(status) + " at rule line " +
                             std::to_string(where.line));
  return transform;
}

void MarkSpoken(icu::UnicodeString& text) {
  for (int32_t i = 0; i < text.length(); ++i) {
    const char16_t c = text.charAt(i);
    if (c == kAnusvara && i + 1 < text.length() && text.charAt(i + 1) == kVa) {
      text.replace(i, 1, icu::UnicodeString(u"\u092E\u094D"));  // म्
      ++i;  // past the virama
      continue;
    }
    if (!IsConsonant(c)) continue;
    int32_t next = i + 1;
    if (next < text.length() && text.charAt(next) == kNukta) ++next;
    const bool wordEnd = next >= text.length() || !IsWordCharacter(text.charAt(next));
    if (!wordEnd) continue;
    int32_t before = i - 1;
    while (before >= 0 && (text.charAt(before) == kZwj || text.charAt(before) == kZwnj)) --before;
    const bool firstLetter = before < 0 || !IsWordCharacter(text.charAt(before));
    const bool endsConjunct = before >= 0 && text.charAt(before) == kVirama;
    if (!firstLetter && !endsConjunct) text.insert(next, kVirama);
  }
}

}  // namespace

LatinTransliterator::LatinTransliterator(LatinStyle style)
    : style_(style), transform_(std::make_unique<Transform>(Transform{Build(style)})) {}
LatinTransliterator::~LatinTransliterator() = default;
LatinTransliterator::LatinTransliterator(LatinTransliterator&&) noexcept = default;
LatinTransliterator& LatinTransliterator::operator=(LatinTransliterator&&) noexcept = default;

std::string LatinTransliterator::operator()(std::string_view devanagari) const {
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(devanagari.data(), static_cast<int32_t>(devanagari.size())));
  if (style_ == LatinStyle::Readable) MarkSpoken(text);
  transform_->icu->transliterate(text);
  std::string out;
  text.toUTF8String(out);
  return out;
}

std::string ToLatin(std::string_view devanagari, LatinStyle style) {
  return LatinTransliterator(style)(devanagari);
}

std::string MarathiSpoken(std::string_view devanagari) {
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(
      icu::StringPiece(devanagari.data(), static_cast<int32_t>(devanagari.size())));
  MarkSpoken(text);
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace kalnika::xdvng
