// The auspicious-day texts shipped in the place file: the last section of
// data/Location.ini (as the program reads it) and data/auspicious-days.txt (the same
// list in Unicode with English names, for the documentation).
// The day of each observance is that of the Marathi calendar, whose months are
// amanta (they end at the new moon): the dark fortnight belongs to the month that
// began 15 tithis before it, so "Shravan, dark 8th" is month 4, tithi 23.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/xdvng/test_files.h"
#include "xdvng/xdvng.h"

namespace kalnika::xdvng {
namespace {

using testing::ReadFileBytes;
using testing::ShowLatin1;

const std::string kIniPath = KALNIKA_TEST_DATA "/../../data/Location.ini";
const std::string kListPath = KALNIKA_TEST_DATA "/../../data/auspicious-days.txt";

struct Entry {
  std::string key;
  std::string value;  // Xdvng bytes
};

// The entries of the ini file's last section: every line after its header is
// KEY="VALUE" (four digits, or "S" and two for a sankranti; '=', the value in double
// quotes, which the profile reader removes) ending in CR LF. Layout faults fail the
// calling test.
std::vector<Entry> ReadIni() {
  const std::string bytes = ReadFileBytes(kIniPath);
  const std::string header = "\r\n[AUSPICIOUS DAYS]\r\n";
  const std::size_t at = bytes.find(header);
  EXPECT_NE(at, std::string::npos);
  EXPECT_TRUE(bytes.ends_with("\r\n")) << "last line does not end in CR LF";
  std::vector<Entry> entries;
  std::istringstream lines(at == std::string::npos ? std::string() : bytes.substr(at + header.size()));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t keyLength = line.starts_with("S") ? 3 : 4;
    if (line.size() < keyLength + 4 || line.find_first_not_of("0123456789", keyLength - 2) != keyLength ||
        line.substr(keyLength, 2) != "=\"" || !line.ends_with("\"\r")) {
      ADD_FAILURE() << "not KEY=\"VALUE\": " << ShowLatin1(line);
      continue;
    }
    entries.push_back({line.substr(0, keyLength), line.substr(keyLength + 2, line.size() - keyLength - 4)});
  }
  return entries;
}

// key -> {Unicode, English name} from the documentation list.
std::map<std::string, std::vector<std::string>> ReadList() {
  std::map<std::string, std::vector<std::string>> list;
  for (const auto& row : testing::ReadTsv(kListPath, /*has_header=*/false)) {
    EXPECT_EQ(row.size(), 3u) << row[0];
    if (row.size() == 3) {
      EXPECT_TRUE(list.emplace(row[0], std::vector<std::string>{row[1], row[2]}).second) << row[0];
    }
  }
  return list;
}

// Latin-1 with CR LF line ends (control bytes and 0x7F..0x9F have no glyph in the
// font); keys as the month table builds them: lunar month 00..11 and the tithi
// number 00..30 (0 and 30 both the new moon), or a sankranti's S and the sign
// 00..11, each key once. Each value fits the
// 80-character profile buffer with its NUL, is Xdvng (not UTF-8), reads as the
// Unicode of the documentation list, with no replaced byte and no mark left
// without its letter, and is what the encoder writes for it.
TEST(XdvngAuspiciousDays, EntriesReadAsTheUnicodeList) {
  const std::string bytes = ReadFileBytes(kIniPath);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const bool line_end = (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ||
                          (c == '\n' && i > 0 && bytes[i - 1] == '\r');
    EXPECT_TRUE(line_end || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0))) << "byte " << i;
  }
  const auto list = ReadList();
  const auto entries = ReadIni();
  EXPECT_EQ(entries.size(), list.size());
  std::set<std::string> keys;
  for (const Entry& e : entries) {
    EXPECT_TRUE(keys.insert(e.key).second) << "key twice: " << e.key;
    if (e.key.size() == 3) {
      EXPECT_LE(std::stoi(e.key.substr(1, 2)), 11) << e.key;
    } else {
      EXPECT_LE(std::stoi(e.key.substr(0, 2)), 11) << e.key;
      EXPECT_LE(std::stoi(e.key.substr(2, 2)), 30) << e.key;
    }
    const auto it = list.find(e.key);
    ASSERT_TRUE(it != list.end()) << e.key << " is missing from the list";
    const std::string& unicode = it->second[0];
    EXPECT_LT(e.value.size(), 80u) << e.key;
    EXPECT_EQ(e.value.find('"'), std::string::npos) << e.key << ": a quote would end the value";
    EXPECT_FALSE(IsUtf8Devanagari(e.value)) << e.key;
    EXPECT_EQ(ToUnicode(e.value), unicode) << e.key << " " << it->second[1];
    EXPECT_TRUE(unicode.find("\uFFFD") == std::string::npos && unicode.find("\u25CC") == std::string::npos) << e.key;
    EXPECT_EQ(ShowLatin1(FromUnicode(unicode).xdvng), ShowLatin1(e.value)) << e.key;
  }
  EXPECT_FALSE(keys.empty());
}

// Every month has its two Ekadashis (tithis 11 and 26) and its Sankashti
// Chaturthi (dark 4th, tithi 19); a new-moon observance is under both 00 and 30.
TEST(XdvngAuspiciousDays, EveryMonthHasEkadashisAndSankashti) {
  std::map<std::string, std::string> shown;
  for (const Entry& e : ReadIni()) shown[e.key] = ToUnicode(e.value);
  const std::string ekadashi = "\u090F\u0915\u093E\u0926\u0936\u0940";
  const std::string sankashti = "\u0938\u0902\u0915\u0937\u094D\u091F\u0940 \u091A\u0924\u0941\u0930\u094D\u0925\u0940";
  for (int month = 0; month < 12; ++month) {
    const std::string m = std::to_string(100 + month).substr(1);  // two digits
    for (const char* tithi : {"11", "26"}) {
      EXPECT_NE(shown[m + tithi].find(ekadashi), std::string::npos) << m + tithi;
    }
    EXPECT_EQ(shown[m + "19"], sankashti) << m;
    EXPECT_EQ(shown.count(m + "00"), shown.count(m + "30")) << m;
    EXPECT_EQ(shown[m + "00"], shown[m + "30"]) << m;
  }
}

// The named observances on their days (Marathi amanta calendar; month 0 is
// Chaitra, tithi 1..15 the bright fortnight, 16..29 the dark 1st..14th; a sankranti
// by the sign the Sun enters, 0 Mesha).
TEST(XdvngAuspiciousDays, ObservancesOnTheirDays) {
  const std::map<std::string, std::set<std::string>> expected = {
      {"Gudhi Padwa", {"0001"}},         // Chaitra bright 1st, the new year
      {"Ram Navami", {"0009"}},          // Chaitra bright 9th
      {"Hanuman Jayanti", {"0015"}},     // Chaitra full moon
      {"Akshaya Tritiya", {"0103"}},     // Vaishakh bright 3rd
      {"Vat Purnima", {"0215"}},         // Jyeshtha full moon
      {"Ashadhi Ekadashi", {"0311"}},    // Ashadh bright 11th, shared with that month's Ekadashi
      {"Guru Purnima", {"0315"}},        // Ashadh full moon
      {"Nag Panchami", {"0405"}},        // Shravan bright 5th
      {"Narali Purnima", {"0415"}},      // Shravan full moon
      {"Gokulashtami", {"0423"}},        // Shravan dark 8th
      {"Gopalkala", {"0424"}},           // the day after Gokulashtami, on Shravan dark 9th
      {"Hartalika", {"0503"}},           // Bhadrapad bright 3rd
      {"Ganesh Chaturthi", {"0504"}},    // Bhadrapad bright 4th
      {"Anant Chaturdashi", {"0514"}},   // Bhadrapad bright 14th
      {"Ghatasthapana", {"0601"}},       // Ashwin bright 1st
      {"Dasara", {"0610"}},              // Ashwin bright 10th
      {"Kojagiri Purnima", {"0615"}},    // Ashwin full moon
      {"Dhanteras", {"0628"}},           // Ashwin dark 13th
      {"Narak Chaturdashi", {"0629"}},   // Ashwin dark 14th
      {"Lakshmi Puja", {"0600", "0630"}},  // Ashwin new moon: tithi 0, or 30 across 0 degrees
      {"Bali Pratipada", {"0701"}},      // Kartik bright 1st
      {"Bhaubij", {"0702"}},             // Kartik bright 2nd
      {"Tripuri Purnima", {"0715"}},     // Kartik full moon
      {"Datta Jayanti", {"0815"}},       // Margashirsha full moon
      {"Vasant Panchami", {"1005"}},     // Magh bright 5th
      {"Maha Shivaratri", {"1029"}},     // Magh dark 14th
      {"Holi", {"1115"}},                // Phalgun full moon, Holika Dahan
      {"Dhulivandan", {"1116"}},         // the day after Holika Dahan, on Phalgun dark 1st
      {"Rang Panchami", {"1120"}},       // Phalgun dark 5th
      {"Makar Sankranti", {"S09"}},      // the Sun's entry into Makara
  };
  std::map<std::string, std::set<std::string>> found;
  for (const auto& [key, fields] : ReadList()) {
    const std::string& english = fields[1];
    for (const auto& [name, keys] : expected) {
      if (english.compare(0, name.size(), name) == 0) found[name].insert(key);
    }
  }
  for (const auto& [name, keys] : expected) EXPECT_EQ(found[name], keys) << name;
}

}  // namespace
}  // namespace kalnika::xdvng
