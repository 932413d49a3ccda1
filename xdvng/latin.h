#pragma once
// Unicode Devanagari -> Latin script, for readers who cannot read Devanagari.
//
// Built on ICU's "Devanagari-Latin" transform (ISO 15919 letters). Two styles:
//
// - Readable (the default): the spellings of Marathi calendars printed in English,
//   without marks: च ch, छ chh, श and ष sh, ऋ ru (as Marathi says it: कृष्ण
//   Krushna), ज्ञ dny (ज्ञान Dnyan), अनुस्वार before व as m (संवत Samvat); all other
//   marks dropped (ICU's "Latin-ASCII"). Marathi drops the inherent a at the end
//   of a word after a single consonant (मंगळ Mangal, वैशाख Vaishakh) and keeps it
//   after a conjunct (चैत्र Chaitra, ज्येष्ठ Jyeshtha). The inherent a inside a word
//   is kept (गुढीपाडवा Gudhipadava, said "Gudhipadva"); English loanwords ending in
//   a conjunct keep it too (मार्च Marcha, ऑगस्ट Ogasta).
// - Iso15919: ICU's transliteration with its marks, letter for letter (चैत्र
//   Caitra, वैशाख Vaiśākha, कृष्ण Kr̥ṣṇa), no inherent a dropped.
//
// Both: every word starts with a capital letter; Devanagari digits become 0-9,
// danda and double danda ".", the abbreviation sign "."; the apostrophes ICU puts
// between letters to keep its output reversible (kan'yā) are left out. Text that
// is not Devanagari passes unchanged.
#include <memory>
#include <string>
#include <string_view>

namespace kalnika::xdvng {

enum class LatinStyle { Readable, Iso15919 };

// A transliterator for one style. Building one parses ICU's rules (about a
// millisecond); a caller with many texts builds one and keeps it.
class LatinTransliterator {
 public:
  explicit LatinTransliterator(LatinStyle style = LatinStyle::Readable);
  ~LatinTransliterator();
  LatinTransliterator(LatinTransliterator&&) noexcept;
  LatinTransliterator& operator=(LatinTransliterator&&) noexcept;

  // UTF-8 Devanagari (as xdvng::ToUnicode writes it) -> UTF-8 Latin.
  std::string operator()(std::string_view devanagari) const;

  LatinStyle style() const { return style_; }

 private:
  struct Transform;  // ICU's transliterator, kept out of this header
  LatinStyle style_;
  std::unique_ptr<Transform> transform_;
};

// One text, with a transliterator built for the call.
std::string ToLatin(std::string_view devanagari, LatinStyle style = LatinStyle::Readable);

// The readable style's Marathi rule alone, on Devanagari (UTF-8 in and out): a
// virama after every word-final consonant that is not the first letter of its
// word and does not end a conjunct (no virama before it), so that the
// transliteration drops its inherent a; and the anusvara before व written as म्.
std::string MarathiSpoken(std::string_view devanagari);

}  // namespace kalnika::xdvng
