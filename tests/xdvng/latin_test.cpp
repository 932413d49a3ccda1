// Latin script for the reader who cannot read Devanagari: every text the system
// shows must come out as Latin letters, and the names a reader knows must come out
// as they are usually written.
#include "xdvng/latin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/xdvng/test_files.h"

namespace kalnika::xdvng {
namespace {

// Every text of tests/data/xdvng/system-texts.tsv (all name tables, headings,
// labels and note pieces, as Unicode), in both styles: nothing left in Devanagari
// and no replacement character, the readable style in printable ASCII (so without
// combining marks), and the blanks around a stored text kept.
TEST(LatinSystemTexts, EveryStoredTextReadsInLatin) {
  const LatinTransliterator readable(LatinStyle::Readable), iso(LatinStyle::Iso15919);
  const auto rows = testing::ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv");
  ASSERT_EQ(rows.size(), 196u);
  auto blanks = [](const std::string& s) { return std::min(s.find_first_not_of(' '), s.size()); };
  for (const auto& row : rows) {
    const std::string& unicode = row[2];
    const std::string r = readable(unicode), i = iso(unicode);
    for (const char c : r) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << row[0] << " -> " << r;
    for (const char* unwanted : {"\xE0\xA4", "\xE0\xA5", "\uFFFD"})  // U+0900..U+097F, U+FFFD
      EXPECT_EQ(i.find(unwanted), std::string::npos) << row[0] << " -> " << i;
    EXPECT_EQ(blanks(r), blanks(unicode)) << row[0] << " -> \"" << r << "\"";
    EXPECT_EQ(unicode.ends_with(' '), r.ends_with(' ')) << row[0] << " -> \"" << r << "\"";
  }
}

// Readable: the spellings of Marathi calendars printed in English (the month names
// Chaitra, Vaishakh, Jyeshtha, Margashirsha; ऋ said "ru"
// in Marathi: Krushna, Vrushchik). ISO: ISO 15919:2001, its Devanagari table
// (ए ē, ओ ō, ऋ r̥, श ś, ष ṣ, ण ṇ, ड ḍ, long vowels with a macron).
TEST(LatinNames, AsUsuallyWritten) {
  struct Name {
    std::string devanagari;
    std::string readable;
    std::string iso;  // empty: not an ISO 15919 case
    std::string source;
  } names[] = {
    {"चैत्र", "Chaitra", "Caitra", "month name; conjunct at the end keeps its a"},
    {"वैशाख", "Vaishakh", "Vaiśākha", "month name; single consonant at the end drops its a"},
    {"ज्येष्ठ", "Jyeshtha", "Jyēṣṭha", "month name; ष्ठ keeps its a"},
    {"मार्गशीर्ष", "Margashirsha", "Mārgaśīrṣa", "month name; र्ष keeps its a"},
    {"पौर्णिमा", "Paurnima", "Paurṇimā", "tithi, Marathi name of the full moon"},
    {"कृष्ण", "Krushna", "Kr̥ṣṇa", "dark fortnight; ऋ as Marathi says it"},
    {"वृश्चिक", "Vrushchik", "Vr̥ścika", "sign"},
    {"गुढीपाडवा", "Gudhipadava", "Guḍhīpāḍavā", "festival; the a inside the word is kept (said Gudhipadva)"},
    {"मकर संक्रांति", "Makar Sankranti", "", "sign entry; each word capitalised"},
    {"विक्रम संवत २०८३", "Vikram Samvat 2083", "", "era label; anusvara before व as m, digits 0-9"},
    {"ज्ञानेश्वरी", "Dnyaneshvari", "", "ज्ञ as Marathi says it"},
    {" रेवती", " Revati", " Rēvatī", "stored text with a leading blank, kept"},
    {"धनिष्टा।", "Dhanishta.", "Dhaniṣṭā.", "danda as a full stop"},
    {"ॲप", "Ep", "", "Marathi candra a of English loanwords"},
    {"दत्त जयंती (Datta) 10:30, ok", "Datta Jayanti (Datta) 10:30, ok", "",
     "a user's note may mix in Latin words, punctuation and figures: they pass unchanged"}};
  for (const Name& n : names) {
    EXPECT_EQ(ToLatin(n.devanagari, LatinStyle::Readable), n.readable) << n.source;
    if (!n.iso.empty()) {
      EXPECT_EQ(ToLatin(n.devanagari, LatinStyle::Iso15919), n.iso) << n.source;
    }
  }
}

// The Marathi rule on Devanagari: where the readable style drops an inherent a
// (the cases the names above do not show).
TEST(LatinMarathiRule, Spoken) {
  struct Spoken { const char* name; std::string text, spoken; } cases[] = {
      {"OneLetterWordKeepsA", "न", "न"},
      {"AnusvaraAfterLastConsonant", "अहं", "अहं"},
      {"EveryWordOfAPhrase", "मंगळ नूतन वर्षारम्भ", "मंगळ् नूतन् वर्षारम्भ"},
      {"WordBeforeDigitsAndDanda", "वार५ वार।", "वार्५ वार्।"},
      {"NuktaLetterAtEnd", "बाज़", "बाज़्"}};
  for (const Spoken& c : cases) EXPECT_EQ(MarathiSpoken(c.text), c.spoken) << c.name;
}

}  // namespace
}  // namespace kalnika::xdvng
