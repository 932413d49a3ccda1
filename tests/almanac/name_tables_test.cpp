// The name tables are stored in the Xdvng font encoding. Every text must be the
// byte sequence of the system's texts list (tests/data/xdvng/system-texts.tsv,
// which gives each stored text with the table places it stands in).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "almanac/name_tables.h"

namespace kalnika {
namespace {

// Latin-1 bytes of a UTF-8 text whose characters are all below U+0100.
std::string Latin1(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    }
  }
  return out;
}

// "TableName[index]" -> stored bytes, from the texts list.
std::map<std::string, std::string> SystemTexts() {
  std::ifstream in(std::string(KALNIKA_TEST_DATA) + "/xdvng/system-texts.tsv");
  std::map<std::string, std::string> texts;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string source, xdvng;
    std::getline(fields, source, '\t');
    std::getline(fields, xdvng, '\t');
    std::istringstream places(source);
    std::string place;
    while (std::getline(places, place, ';')) {
      while (!place.empty() && place.front() == ' ') place.erase(0, 1);
      texts[place] = Latin1(xdvng);
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

TEST(NameTables, SharedAndBlankLedTexts) {
  EXPECT_EQ(SamvatsaraNames[0], SamvatsaraNames[60]);
  EXPECT_EQ(ColumnHeadings[0], ColumnHeadings[6]);
  EXPECT_EQ(YogaNames[23], kBrightFortnight);
  EXPECT_EQ(NaxatraNames[26].front(), ' ');
  EXPECT_EQ(SamvatsaraNames[1].front(), ' ');
  EXPECT_EQ(ColumnWidths[16], 3650);
  EXPECT_EQ(ColumnWidths[9], 640);
}

}  // namespace
}  // namespace kalnika
