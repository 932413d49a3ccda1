// The name tables are stored in the Xdvng font encoding. Every text must be the
// byte sequence of the system's texts list (tests/data/xdvng/system-texts.tsv,
// which gives each stored text with the table places it stands in).
#include <gtest/gtest.h>

#include <map>

#include "almanac/name_tables.h"
#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika {
namespace {

// "TableName[index]" -> stored bytes, from the texts list (a text may stand in
// several places, e.g. SamvatsaraNames[0] and [60], separated by ';').
std::map<std::string, std::string> SystemTexts() {
  std::map<std::string, std::string> texts;
  for (const auto& row : xdvng::testing::ReadTsv(KALNIKA_TEST_DATA "/xdvng/system-texts.tsv")) {
    std::istringstream places(row.at(0));
    for (std::string place; std::getline(places, place, ';');) {
      while (!place.empty() && place.front() == ' ') place.erase(0, 1);
      texts[place] = xdvng::testing::Latin1Bytes(row.at(1));
    }
  }
  return texts;
}

template <std::size_t N>
void ExpectTable(const std::map<std::string, std::string>& texts, const char* name,
                 const std::array<std::string, N>& table, std::size_t filled) {
  for (std::size_t i = 0; i < N; ++i) {
    std::string key = std::string(name) + "[" + std::to_string(i) + "]";
    if (i < filled) {
      auto it = texts.find(key);
      ASSERT_NE(it, texts.end()) << key;
      EXPECT_EQ(table[i], it->second) << key;
    } else {
      EXPECT_EQ(table[i], "") << key << " is an empty slot";
    }
  }
}

TEST(NameTables, EveryTextByteForByte) {
  const auto texts = SystemTexts();
  ASSERT_GT(texts.size(), 190u);
  ExpectTable(texts, "GregorianMonthNames", GregorianMonthNames, 12);
  ExpectTable(texts, "WeekdayNames", WeekdayNames, 7);
  ExpectTable(texts, "TithiNames", TithiNames, 16);
  ExpectTable(texts, "MaasNames", MaasNames, 12);
  ExpectTable(texts, "RaashiNames", RaashiNames, 12);
  ExpectTable(texts, "NaxatraNames", NaxatraNames, 27);
  ExpectTable(texts, "YogaNames", YogaNames, 27);
  ExpectTable(texts, "SamvatsaraNames", SamvatsaraNames, 61);
  ExpectTable(texts, "ColumnHeadings", ColumnHeadings, 16);
  EXPECT_EQ(texts.at("fortnight label, bright half"), kBrightFortnight);
  EXPECT_EQ(texts.at("fortnight label, dark half"), kDarkFortnight);
  EXPECT_EQ(texts.at("month prefix, added month"), kAddedMonthPrefix);
  EXPECT_EQ(texts.at("month prefix, regular month after an added month"), kRegularAfterAddedPrefix);
  EXPECT_EQ(texts.at("Kali label prefix"), kKaliPrefix);
  EXPECT_EQ(texts.at("Kali new-year suffix"), kKaliNewYearSuffix);
  EXPECT_EQ(texts.at("Vikram label prefix"), kVikramPrefix);
  EXPECT_EQ(texts.at("Vikram label caption before the first run"), kVikramInitialCaption);
}

// The names of the day view, which have no place in the system's texts list:
// each must show as almanacs print it. Karanas: the Sanskrit names in Marathi
// almanacs' spelling (Damodar Soman's daily almanac; Marathi Wikipedia, "पंचांग",
// section करण, for चतुष्पाद); choghadiyas: their Gujarati table (Webdunia Gujarati,
// "ચોઘડિયા") in Devanagari, with the Marathi काळ for काल.
TEST(NameTables, DayViewNamesShowAsPrinted) {
  struct Case { const char* name; const std::string& stored; const char* shown; } cases[] = {
      {"KaranaBava", KaranaNames[0], "बव"},
      {"KaranaBalava", KaranaNames[1], "बालव"},
      {"KaranaKaulava", KaranaNames[2], "कौलव"},
      {"KaranaTaitila", KaranaNames[3], "तैतिल"},
      {"KaranaGaraja", KaranaNames[4], "गरज"},
      {"KaranaVanija", KaranaNames[5], "वणिज"},
      {"KaranaVishti", KaranaNames[6], "विष्टि"},
      {"KaranaShakuni", KaranaNames[7], "शकुनि"},
      {"KaranaChatushpada", KaranaNames[8], "चतुष्पाद"},
      {"KaranaNaga", KaranaNames[9], "नाग"},
      {"KaranaKimstughna", KaranaNames[10], "किंस्तुघ्न"},
      {"ChoghadiyaUdveg", ChoghadiyaNames[0], "उद्वेग"},
      {"ChoghadiyaChar", ChoghadiyaNames[1], "चर"},
      {"ChoghadiyaLabh", ChoghadiyaNames[2], "लाभ"},
      {"ChoghadiyaAmrit", ChoghadiyaNames[3], "अमृत"},
      {"ChoghadiyaKaal", ChoghadiyaNames[4], "काळ"},
      {"ChoghadiyaShubh", ChoghadiyaNames[5], "शुभ"},
      {"ChoghadiyaRog", ChoghadiyaNames[6], "रोग"}};
  for (const Case& c : cases) EXPECT_EQ(xdvng::GlyphsToUnicode(c.stored), c.shown) << c.name;
}

// The designed widths of the columns (twips), as the window and the printout lay
// them out: the notes column the widest, the ending time's the narrowest clock.
TEST(NameTables, ColumnWidths) {
  EXPECT_EQ(ColumnWidths[16], 3650);
  EXPECT_EQ(ColumnWidths[9], 640);
}

}  // namespace
}  // namespace kalnika
