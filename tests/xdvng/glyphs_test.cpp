// Every code point of the font reads as the glyph list says it draws.
// Expected values: tests/data/xdvng/xdvng-glyphs.tsv, a copy of the glyph list
// written from the font's glyph map (ITRANS xdvng.ifm) and its drawings. A mark
// is read on the letter क ("k"), since alone it would stand on a dotted circle.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::Latin1Bytes;
using testing::ReadTsv;

const std::string kKa = "\u0915";
const std::string kVirama = "\u094D";

struct GlyphRow {
  unsigned char code;
  std::string unicode;
  std::string cls;
};

void PrintTo(const GlyphRow& g, std::ostream* os) { *os << "code point " << static_cast<int>(g.code) << " " << g.cls; }

std::vector<GlyphRow> LoadGlyphRows() {
  std::vector<GlyphRow> rows;
  for (const auto& row : ReadTsv(KALNIKA_TEST_DATA "/xdvng/xdvng-glyphs.tsv")) {
    if (row.size() < 5) {
      ADD_FAILURE() << "short row " << (row.empty() ? "" : row[0]);
      continue;
    }
    rows.push_back({static_cast<unsigned char>(std::stoi(row[0], nullptr, 16)), row[2], row[4]});
  }
  return rows;
}

std::string NameOf(const ::testing::TestParamInfo<GlyphRow>& info) {
  char name[8];
  std::snprintf(name, sizeof name, "x%02X_", info.param.code);
  return std::string(name).append(testing::TestName(info.param.cls));
}

TEST(XdvngGlyphList, CoversExactlyTheCodePointsWithGlyphs) {
  const auto rows = LoadGlyphRows();
  ASSERT_EQ(rows.size(), 191u) << "0x20..0x7E and 0xA0..0xFF";
  std::set<int> listed;
  for (const auto& r : rows) listed.insert(r.code);
  // Read between two letters so that nothing can attach to a lone mark: a code
  // point without a glyph is one U+FFFD, one with a glyph never is.
  for (int code = 0; code < 256; ++code) {
    const std::string shown = ToUnicode(std::string{'k', static_cast<char>(code), ' '});
    const bool replaced = shown.find("\uFFFD") != std::string::npos;
    EXPECT_EQ(replaced, listed.count(code) == 0) << "code point " << code;
  }
}

class XdvngGlyph : public ::testing::TestWithParam<GlyphRow> {};

TEST_P(XdvngGlyph, ReadsAsListed) {
  const GlyphRow& g = GetParam();
  const std::string glyph(1, static_cast<char>(g.code));
  const std::string on_ka{'k', static_cast<char>(g.code)};
  const std::string& u = g.unicode;
  if (g.cls == "consonant-half" || g.cls == "conjunct-half") {
    // Alone it is a dead consonant, as listed; the stem completes it (the
    // eyelash ra takes no stem, so the stem stays a lone aa-sign).
    EXPECT_EQ(ToUnicode(glyph), u);
    const std::string complete = u.substr(0, u.size() - kVirama.size());
    EXPECT_EQ(ToUnicode(glyph + ":"), g.code == 0x22 ? u + "\u25CC\u093E" : complete);
  } else if (g.cls == "vowel-sign-prefix") {
    EXPECT_EQ(ToUnicode(glyph + "k"), kKa + u);  // drawn before, read after the letter
  } else if (g.cls == "reph") {
    // र् moves before the letter; the anusvara of 0xFE, 0xFF stays after it.
    EXPECT_EQ(ToUnicode(on_ka), u.substr(0, 6) + kKa + u.substr(6));
  } else if (g.cls == "stem" || g.cls == "vowel-sign" || g.cls == "virama" || g.cls == "rakar" ||
             (g.cls == "sign" && (u == "\u0902" || u == "\u0901" || u == "\u0903"))) {
    EXPECT_EQ(ToUnicode(on_ka), kKa + u);
  } else {
    EXPECT_EQ(ToUnicode(glyph), u);  // letters, ligatures, vowels, digits, punctuation, blanks
  }
}

INSTANTIATE_TEST_SUITE_P(XdvngGlyphs, XdvngGlyph, ::testing::ValuesIn(LoadGlyphRows()), NameOf);

}  // namespace
}  // namespace kalnika::xdvng
