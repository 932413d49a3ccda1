// Latin script for the reader who cannot read Devanagari: every text the system
// shows must come out as Latin letters, and the names a reader knows must come out
// as they are usually written.
#include "xdvng/latin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"

namespace kalnika::xdvng {
namespace {

using testing::CodePoints;
using testing::ReadTsv;
using testing::TestName;

// What a reader of Latin must never see: a Devanagari character left over, a
// replacement character, or a combining mark in the readable style.
void ExpectLatinOnly(const std::string& latin, LatinStyle style, const std::string& what) {
  for (const char32_t c : CodePoints(latin)) {
    EXPECT_FALSE(c >= 0x0900 && c <= 0x097F) << what << " -> " << latin;
    EXPECT_NE(c, U'\uFFFD') << what << " -> " << latin;
    if (style == LatinStyle::Readable) {
      EXPECT_FALSE(c >= 0x0300 && c <= 0x036F) << what << " -> " << latin;
    }
  }
}

std::size_t LeadingBlanks(const std::string& s) { return std::min(s.find_first_not_of(' '), s.size()); }

// Every text of tests/data/xdvng/system-texts.tsv (all name tables, headings,
// labels and note pieces, as Unicode), in both styles: Latin only, the readable
// style in ASCII, and the blanks around a stored text kept.
TEST(LatinSystemTexts, EveryStoredTextReadsInLatin) {
  const LatinTransliterator readable(LatinStyle::Readable), iso(LatinStyle::Iso15919);
  const auto rows = ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv");
  ASSERT_EQ(rows.size(), 196u);
  for (const auto& row : rows) {
    const std::string& unicode = row[2];
    const std::string r = readable(unicode), i = iso(unicode);
    ExpectLatinOnly(r, LatinStyle::Readable, row[0]);
    ExpectLatinOnly(i, LatinStyle::Iso15919, row[0]);
    for (const char c : r) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << row[0] << " -> " << r;
    EXPECT_EQ(LeadingBlanks(r), LeadingBlanks(unicode)) << row[0] << " -> \"" << r << "\"";
    EXPECT_EQ(unicode.ends_with(' '), r.ends_with(' ')) << row[0] << " -> \"" << r << "\"";
  }
}

// Every character the Xdvng font can stand for (tests/data/xdvng/xdvng-glyphs.tsv),
// alone, so that a note written with any glyph reads in Latin.
TEST(LatinSystemTexts, EveryGlyphReadsInLatin) {
  const LatinTransliterator readable(LatinStyle::Readable), iso(LatinStyle::Iso15919);
  const auto rows = ReadTsv(KALNIKA_TEST_DATA "/xdvng/xdvng-glyphs.tsv");
  ASSERT_EQ(rows.size(), 191u);
  for (const auto& row : rows) {
    ExpectLatinOnly(readable(row[2]), LatinStyle::Readable, "glyph " + row[0]);
    ExpectLatinOnly(iso(row[2]), LatinStyle::Iso15919, "glyph " + row[0]);
  }
}

struct Name {
  std::string devanagari;
  std::string readable;
  std::string iso;  // empty: not an ISO 15919 case
  std::string source;
};

void PrintTo(const Name& n, std::ostream* os) { *os << n.readable; }

// Readable: the spellings of Marathi calendars printed in English (the month names
// Chaitra, Vaishakh, Jyeshtha, Ashadh, Shravan, Margashirsha, Phalgun; ऋ said "ru"
// in Marathi: Krushna, Vrushchik). ISO: ISO 15919:2001, its Devanagari table
// (ए ē, ओ ō, ऋ r̥, श ś, ष ṣ, ण ṇ, ड ḍ, long vowels with a macron).
const Name kNames[] = {
    {"चैत्र", "Chaitra", "Caitra", "month name; conjunct at the end keeps its a"},
    {"वैशाख", "Vaishakh", "Vaiśākha", "month name; single consonant at the end drops its a"},
    {"ज्येष्ठ", "Jyeshtha", "Jyēṣṭha", "month name; ष्ठ keeps its a"},
    {"आषाढ", "Ashadh", "Āṣāḍha", "month name"},
    {"श्रावण", "Shravan", "Śrāvaṇa", "month name"},
    {"मार्गशीर्ष", "Margashirsha", "Mārgaśīrṣa", "month name; र्ष keeps its a"},
    {"फाल्गुन", "Phalgun", "Phālguna", "month name"},
    {"एकादशी", "Ekadashi", "Ēkādaśī", "tithi"},
    {"चतुर्थी", "Chaturthi", "Caturthī", "tithi; च is ch"},
    {"पौर्णिमा", "Paurnima", "Paurṇimā", "tithi, Marathi name of the full moon"},
    {"कृष्ण", "Krushna", "Kr̥ṣṇa", "dark fortnight; ऋ as Marathi says it"},
    {"वृश्चिक", "Vrushchik", "Vr̥ścika", "sign"},
    {"उत्तराषाढा", "Uttarashadha", "Uttarāṣāḍhā", "nakshatra"},
    {"गुढीपाडवा", "Gudhipadava", "Guḍhīpāḍavā", "festival; the a inside the word is kept (said Gudhipadva)"},
    {"मकर संक्रांति", "Makar Sankranti", "", "sign entry; each word capitalised"},
    {"विक्रम संवत २०८३", "Vikram Samvat 2083", "", "era label; anusvara before व as m, digits 0-9"},
    {"ज्ञानेश्वरी", "Dnyaneshvari", "", "ज्ञ as Marathi says it"},
    {" रेवती", " Revati", " Rēvatī", "stored text with a leading blank, kept"},
    {"धनिष्टा।", "Dhanishta.", "Dhaniṣṭā.", "danda as a full stop"},
    {"ॲप", "Ep", "", "Marathi candra a of English loanwords"},
};

std::vector<Name> IsoNames() {
  std::vector<Name> names;
  for (const Name& n : kNames)
    if (!n.iso.empty()) names.push_back(n);
  return names;
}

class LatinReadable : public ::testing::TestWithParam<Name> {};
class LatinIso15919 : public ::testing::TestWithParam<Name> {};

TEST_P(LatinReadable, Name) {
  EXPECT_EQ(ToLatin(GetParam().devanagari, LatinStyle::Readable), GetParam().readable) << GetParam().source;
}

TEST_P(LatinIso15919, Name) {
  EXPECT_EQ(ToLatin(GetParam().devanagari, LatinStyle::Iso15919), GetParam().iso) << GetParam().source;
}

INSTANTIATE_TEST_SUITE_P(Cited, LatinReadable, ::testing::ValuesIn(kNames),
                         [](const auto& row) { return TestName(row.param.readable); });
INSTANTIATE_TEST_SUITE_P(Cited, LatinIso15919, ::testing::ValuesIn(IsoNames()),
                         [](const auto& row) { return TestName(row.param.readable); });

// The Marathi rule on Devanagari: where the readable style drops an inherent a.
struct Spoken {
  std::string name, text, spoken;
};

void PrintTo(const Spoken& s, std::ostream* os) { *os << s.name; }

const Spoken kSpoken[] = {
    {"SingleConsonantAtWordEnd", "मंगळ", "मंगळ्"},
    {"ConjunctAtWordEndKeepsA", "चैत्र", "चैत्र"},
    {"OneLetterWordKeepsA", "न", "न"},
    {"VowelSignAtEnd", "पौर्णिमा", "पौर्णिमा"},
    {"AnusvaraAfterLastConsonant", "अहं", "अहं"},
    {"EveryWordOfAPhrase", "नूतन वर्षारम्भ", "नूतन् वर्षारम्भ"},
    {"WordBeforeDigitsAndDanda", "वार५ वार।", "वार्५ वार्।"},
    {"NuktaLetterAtEnd", "बाज़", "बाज़्"},
    {"AnusvaraBeforeVa", "संवत", "सम्वत्"},
    {"LatinTextUntouched", "Pune 2026", "Pune 2026"},
};

class LatinMarathiRule : public ::testing::TestWithParam<Spoken> {};

TEST_P(LatinMarathiRule, Spoken) { EXPECT_EQ(MarathiSpoken(GetParam().text), GetParam().spoken); }

INSTANTIATE_TEST_SUITE_P(Rule, LatinMarathiRule, ::testing::ValuesIn(kSpoken),
                         [](const auto& row) { return row.param.name; });

// Text around the Devanagari is not the transliterator's: a user's note may mix
// in Latin words, punctuation and figures.
TEST(LatinMixedText, OtherTextPassesUnchanged) {
  EXPECT_EQ(ToLatin("दत्त जयंती (Datta) 10:30, ok"), "Datta Jayanti (Datta) 10:30, ok");
}

}  // namespace
}  // namespace kalnika::xdvng
