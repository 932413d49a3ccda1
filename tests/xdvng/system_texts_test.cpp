// Every Devanagari text the system stores (name tables, column headings,
// fortnight labels, month prefixes, ingress note and era labels) must show as
// the Unicode a Marathi reader expects, misspellings of the stored data included,
// and the encoder must write each of them back.
// Expected values: tests/data/xdvng/system-texts.tsv, a copy of the reference
// table written from the font's glyph map and drawings.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::ShowLatin1;

struct StoredText {
  std::string source;   // where the system uses it, e.g. "YogaNames[11]"
  std::string xdvng;    // the stored bytes
  std::string unicode;  // what it must show as
  std::string note;
};

std::vector<StoredText> LoadStoredTexts() {
  std::vector<StoredText> texts;
  for (const auto& row : testing::ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv"))
    texts.push_back({row.at(0), testing::Latin1Bytes(row.at(1)), row.at(2), row.at(3)});
  return texts;
}

// Hard cases among the rows: prefix i-signs before ligatures (e¾t:iy:a), rephs
// moving over several glyphs (s:Üy::ðüdy:), rakar (B:adÓp:da), the virama glyph
// continuing a cluster (s:a¹Ðy:), the stem making o and au (p::òeN:üm:a),
// anusvara after vowel signs (s:pXðöb:r), leading and trailing blanks, and "H"
// as a colon (kel:y:Øg:abd H ).
// The encoder spells as the system does, so that re-encoding a stored text gives
// its bytes. The one exception: the stored "y::ñg:" (योग) seats the e-sign after
// the o-stem in the m position, while "*:y::ðdS:i" (त्रयोदशी) and every other
// o-sign of the data use the r position, which the encoder writes.
TEST(XdvngStoredTexts, EachShowsAsItsUnicodeAndIsWrittenBack) {
  const auto texts = LoadStoredTexts();
  EXPECT_EQ(texts.size(), 196u) << "the reference table lists 196 distinct stored texts";
  std::set<std::string> seen;
  for (const StoredText& t : texts) {
    SCOPED_TRACE(t.source);
    EXPECT_TRUE(seen.insert(t.xdvng).second) << "stored twice";
    EXPECT_EQ(ToUnicode(t.xdvng), t.unicode) << t.note;
    EXPECT_EQ(GlyphsToUnicode(t.xdvng), t.unicode) << "a stored text must never be taken for UTF-8";
    const EncodeResult encoded = FromUnicode(t.unicode);
    EXPECT_EQ(ShowLatin1(encoded.xdvng), ShowLatin1(t.xdvng == "y::\xF1g:" ? "y::\xF0g:" : t.xdvng)) << encoded.error;
    EXPECT_EQ(ToUnicode(encoded.xdvng), t.unicode);
  }
}

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

}  // namespace
}  // namespace kalnika::xdvng
