// Every Devanagari text the system stores (name tables, column headings,
// fortnight labels, month prefixes, ingress note and era labels) must show as
// the Unicode a Marathi reader expects, misspellings of the stored data included,
// and the encoder must write each of them back.
// Expected values: tests/data/xdvng/system-texts.tsv, a copy of the reference
// table written from the font's glyph map and drawings.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::Latin1Bytes;
using testing::ReadTsv;
using testing::ShowLatin1;

struct StoredText {
  std::string source;   // where the system uses it, e.g. "YogaNames[11]"
  std::string xdvng;    // the stored bytes
  std::string unicode;  // what it must show as
  std::string note;
};

void PrintTo(const StoredText& t, std::ostream* os) { *os << t.source; }

std::vector<StoredText> LoadStoredTexts() {
  std::vector<StoredText> texts;
  for (const auto& row : ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv")) {
    if (row.size() < 4) {
      ADD_FAILURE() << "short row " << (row.empty() ? "" : row[0]);
      continue;
    }
    texts.push_back({row[0], Latin1Bytes(row[1]), row[2], row[3]});
  }
  return texts;
}

// The first place a text is used names its test ("YogaNames_23").
std::string NameOf(const ::testing::TestParamInfo<StoredText>& info) {
  return testing::TestName(info.param.source.substr(0, info.param.source.find(';')));
}

TEST(XdvngStoredTexts, TableHoldsEveryTextOnce) {
  const auto texts = LoadStoredTexts();
  EXPECT_EQ(texts.size(), 196u) << "the reference table lists 196 distinct stored texts";
  std::map<std::string, int> seen;
  for (const auto& t : texts) EXPECT_EQ(++seen[t.xdvng], 1) << "stored twice: " << t.source;
}

class XdvngStoredText : public ::testing::TestWithParam<StoredText> {};

// Hard cases among the rows: prefix i-signs before ligatures (e¾t:iy:a), rephs
// moving over several glyphs (s:Üy::ðüdy:), rakar (B:adÓp:da), the virama glyph
// continuing a cluster (s:a¹Ðy:), the stem making o and au (p::òeN:üm:a),
// anusvara after vowel signs (s:pXðöb:r), leading and trailing blanks, and "H"
// as a colon (kel:y:Øg:abd H ).
TEST_P(XdvngStoredText, ShowsAsItsUnicode) {
  const StoredText& t = GetParam();
  EXPECT_EQ(ToUnicode(t.xdvng), t.unicode) << t.note;
  EXPECT_EQ(GlyphsToUnicode(t.xdvng), t.unicode) << "a stored text must never be taken for UTF-8";
}

TEST_P(XdvngStoredText, EncoderWritesItBack) {
  const StoredText& t = GetParam();
  const EncodeResult encoded = FromUnicode(t.unicode);
  ASSERT_TRUE(encoded.ok) << encoded.error;
  EXPECT_TRUE(encoded.error.empty());
  EXPECT_EQ(ToUnicode(encoded.xdvng), t.unicode);
}

// The encoder spells as the system does, so that re-encoding a stored text gives
// its bytes. The one exception: the stored "y::ñg:" (योग) seats the e-sign after
// the o-stem in the m position, while "*:y::ðdS:i" (त्रयोदशी) and every other
// o-sign of the data use the r position, which the encoder writes.
TEST_P(XdvngStoredText, EncoderGivesTheStoredBytes) {
  const std::map<std::string, std::string> respelled = {{"y::\xF1g:", "y::\xF0g:"}};
  const StoredText& t = GetParam();
  const auto it = respelled.find(t.xdvng);
  const std::string expected = it == respelled.end() ? t.xdvng : it->second;
  EXPECT_EQ(ShowLatin1(FromUnicode(t.unicode).xdvng), ShowLatin1(expected)) << t.source;
}

INSTANTIATE_TEST_SUITE_P(SystemTexts, XdvngStoredText, ::testing::ValuesIn(LoadStoredTexts()), NameOf);

// The display joins stored pieces (month prefix and month name, the pieces of
// the ingress note around a sign name and a clock text, the era labels and their
// years); reading each piece and joining must equal reading the joined bytes,
// or the window would show the join differently from the pieces.
TEST(XdvngStoredTexts, JoinedPiecesReadAsTheirParts) {
  const auto texts = LoadStoredTexts();
  auto piece = [&](const std::string& source) {
    for (const auto& t : texts) {
      if (t.source.find(source) != std::string::npos) return t.xdvng;
    }
    ADD_FAILURE() << "no stored text for " << source;
    return std::string();
  };
  std::vector<std::vector<std::string>> joins;
  for (int i = 0; i < 12; ++i) {
    const std::string index = std::to_string(i).append("]");
    const std::string month = piece(std::string("MaasNames[").append(index));
    const std::string sign = piece(std::string("RaashiNames[").append(index));
    joins.push_back({piece("month prefix, added month"), month});
    joins.push_back({piece("month prefix, regular month after"), month});
    joins.push_back({piece("ingress note, first piece"), sign, piece("ingress note, second piece"), "21H05 "});
  }
  joins.push_back({piece("Kali label prefix"), "5125"});
  joins.push_back({"5126", piece("Kali new-year suffix")});
  joins.push_back({piece("Vikram label prefix"), "2080     2081"});
  for (const auto& parts : joins) {
    std::string joined;
    std::string read_apart;
    for (const auto& part : parts) {
      joined += part;
      read_apart += ToUnicode(part);
    }
    EXPECT_EQ(ToUnicode(joined), read_apart) << ShowLatin1(joined);
  }
}

// Worked examples of whole display texts from the encoding's reference notes.
TEST(XdvngStoredTexts, JoinedDisplayTexts) {
  struct Case {
    const char* xdvng;
    const char* unicode;
  } cases[] = {
      {"kel:y:\xD8g:abd H 5125", "\u0915\u0932\u093F\u092F\u0941\u0917\u093E\u092C\u094D\u0926 : \u096B\u0967\u0968\u096B"},
      {"s:\xDCy:a\xFC" "c:a m:\xF0\\: raeS:)v:\xF0S: 21H05 ",
       "\u0938\u0942\u0930\u094D\u092F\u093E\u091A\u093E \u092E\u0947\u0937 \u0930\u093E\u0936\u093F\u092A\u094D"
       "\u0930\u0935\u0947\u0936 \u0968\u0967:\u0966\u096B "},
  };
  for (const auto& c : cases) EXPECT_EQ(ToUnicode(c.xdvng), c.unicode) << ShowLatin1(c.xdvng);
}

}  // namespace
}  // namespace kalnika::xdvng
