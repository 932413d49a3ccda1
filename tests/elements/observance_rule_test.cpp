// The observance rules as the place file writes them: the keys, the grammar of the
// values, and the bundled file's [OBSERVANCE] section against its notes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "elements/festivals.h"
#include "elements/observance_rule.h"
#include "tests/elements/bundled_rules.h"

namespace kalnika {
namespace {

using Kind = FestivalKey::Kind;

TEST(ParseFestivalKey, MonthAndTithiOrSankranti) {
  struct Case {
    const char* text;
    std::optional<FestivalKey> key;
  } cases[] = {
      {"0504", FestivalKey{Kind::LunarTithi, 5, 4, 0}},    // Bhadrapad bright 4th
      {"0630", FestivalKey{Kind::LunarTithi, 6, 30, 0}},   // Ashwin new moon
      {"0600", FestivalKey{Kind::LunarTithi, 6, 30, 0}},   // the same, as the classic method numbers it
      {"1126", FestivalKey{Kind::LunarTithi, 11, 26, 0}},  // the last month
      {"S09", FestivalKey{Kind::SunEntry, 0, 1, 9}},       // Makara
      {"S00", FestivalKey{Kind::SunEntry, 0, 1, 0}},       // Mesha
      {"1204", std::nullopt},  // no thirteenth month
      {"0531", std::nullopt},  // no tithi 31 in the file
      {"S12", std::nullopt},   // no thirteenth sign
      {"S9", std::nullopt},    // two digits
      {"504", std::nullopt},   // four digits
      {"05 4", std::nullopt},
      {"s09", std::nullopt},   // an upper-case S
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseFestivalKey(c.text), c.key) << c.text;
}

ObservanceRule Tithi(DayPart part, Tie tie = Tie::MoreCoverage, NotHeld notHeld = NotHeld::FirstDay) {
  ObservanceRule r;
  r.part = part;
  r.tie = tie;
  r.notHeld = notHeld;
  return r;
}

struct RuleCase {
  const char* name;
  const char* text;
  std::optional<ObservanceRule> rule;
};

ObservanceRule With(ObservanceRule r, void (*change)(ObservanceRule&)) {
  change(r);
  return r;
}

class ParseRule : public testing::TestWithParam<RuleCase> {};

TEST_P(ParseRule, ByTheGrammar) {
  EXPECT_EQ(ParseObservanceRule(GetParam().text), GetParam().rule) << GetParam().text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ParseRule, testing::Values(
    RuleCase{"Sunrise", "udaya", Tithi(DayPart::Sunrise)},
    RuleCase{"Morning", "purvahna", Tithi(DayPart::Morning)},
    RuleCase{"Midday", "madhyahna", Tithi(DayPart::Midday)},
    RuleCase{"Afternoon", "aparahna", Tithi(DayPart::Afternoon)},
    RuleCase{"Dusk", "pradosha", Tithi(DayPart::Dusk)},
    RuleCase{"Midnight", "nishitha", Tithi(DayPart::Midnight)},
    RuleCase{"Moonrise", "chandrodaya", Tithi(DayPart::Moonrise)},
    RuleCase{"Dawn", "arunodaya", Tithi(DayPart::Arunodaya)},
    RuleCase{"TieFirst", "aparahna,first", Tithi(DayPart::Afternoon, Tie::FirstDay)},
    RuleCase{"TieSecond", "pradosha,second", Tithi(DayPart::Dusk, Tie::SecondDay)},
    RuleCase{"TieMore", "madhyahna,more", Tithi(DayPart::Midday)},
    RuleCase{"NeitherSecond", "chandrodaya,first,neither=second",
             Tithi(DayPart::Moonrise, Tie::FirstDay, NotHeld::SecondDay)},
    RuleCase{"NeitherFirst", "nishitha,neither=first", Tithi(DayPart::Midnight)},
    RuleCase{"Nakshatra", "aparahna,first,nakshatra=shravana",
             With(Tithi(DayPart::Afternoon, Tie::FirstDay), [](ObservanceRule& r) { r.tieNakshatra = 21; })},
    RuleCase{"FirstAndLastNakshatra", "nishitha,nakshatra=ashvini",
             With(Tithi(DayPart::Midnight), [](ObservanceRule& r) { r.tieNakshatra = 0; })},
    RuleCase{"OutsideBhadra", "pradosha,second,outside-bhadra",
             With(Tithi(DayPart::Dusk, Tie::SecondDay), [](ObservanceRule& r) { r.outsideBhadra = true; })},
    RuleCase{"SardhaTriyama", "pradosha,second,sardha-triyama",
             With(Tithi(DayPart::Dusk, Tie::SecondDay), [](ObservanceRule& r) { r.sardhaTriyama = true; })},
    RuleCase{"Bhagavata", "udaya,bhagavata",
             With(Tithi(DayPart::Sunrise), [](ObservanceRule& r) { r.bhagavata = true; })},
    RuleCase{"BlanksAroundItems", " pradosha , second ", Tithi(DayPart::Dusk, Tie::SecondDay)},
    RuleCase{"DayAfter", "day-after=1115", With(ObservanceRule{}, [](ObservanceRule& r) {
               r.kind = RuleKind::DayAfter;
               r.follows = {Kind::LunarTithi, 11, 15, 0};
             })},
    RuleCase{"Sankranti", "sankranti", With(ObservanceRule{}, [](ObservanceRule& r) { r.kind = RuleKind::SunEntry; })},
    // Refused: a mistyped rule must not silently become another.
    RuleCase{"Empty", "", std::nullopt},
    RuleCase{"UnknownPart", "evening", std::nullopt},
    RuleCase{"UpperCase", "Pradosha", std::nullopt},
    RuleCase{"OptionFirst", "second,pradosha", std::nullopt},
    RuleCase{"TwoTies", "pradosha,first,second", std::nullopt},
    RuleCase{"TwoNeithers", "pradosha,neither=first,neither=second", std::nullopt},
    RuleCase{"TwoNakshatras", "nishitha,nakshatra=rohini,nakshatra=rohini", std::nullopt},
    RuleCase{"UnknownNakshatra", "nishitha,nakshatra=rohni", std::nullopt},
    RuleCase{"TrailingComma", "pradosha,", std::nullopt},
    RuleCase{"DayAfterASankranti", "day-after=S09", std::nullopt},
    RuleCase{"DayAfterWithOption", "day-after=1115,second", std::nullopt},
    RuleCase{"SankrantiWithOption", "sankranti,first", std::nullopt}),
    [](const testing::TestParamInfo<RuleCase>& p) { return std::string(p.param.name); });
// clang-format on

// A tithi's note without a rule keeps the sunrise rule; a sankranti's note is kept
// by its entry whatever its row says.
TEST(RuleOf, SunriseForANoteWithoutARule) {
  const ObservanceRules rules = {{*ParseFestivalKey("0504"), *ParseObservanceRule("madhyahna")},
                                 {*ParseFestivalKey("0505"), *ParseObservanceRule("sankranti")}};
  EXPECT_EQ(RuleOf(*ParseFestivalKey("0504"), rules), *ParseObservanceRule("madhyahna"));
  EXPECT_EQ(RuleOf(*ParseFestivalKey("0506"), rules), kSunriseRule);
  EXPECT_EQ(RuleOf(*ParseFestivalKey("0505"), rules), kSunriseRule);
  EXPECT_EQ(RuleOf(*ParseFestivalKey("S09"), rules).kind, RuleKind::SunEntry);
}

// The bundled file carries a rule for every note, each of the grammar, and none for
// a key without a note; a followed festival has a note; the Ekadashis (tithis 11
// and 26), and they only, give their Bhagavata day too; a sankranti's row, and it
// only, says "sankranti".
TEST(BundledObservance, EveryNoteHasItsRule) {
  const std::map<std::string, std::string> notes = testing_rules::BundledSection("AUSPICIOUS DAYS");
  const std::map<std::string, std::string> rules = testing_rules::BundledSection("OBSERVANCE");
  ASSERT_GE(notes.size(), 66u);
  for (const auto& [key, note] : notes) {
    const auto rule = rules.find(key);
    ASSERT_NE(rule, rules.end()) << key << " has no rule";
    const std::optional<ObservanceRule> parsed = ParseObservanceRule(rule->second);
    ASSERT_TRUE(parsed.has_value()) << key << "=" << rule->second;
    const FestivalKey k = *ParseFestivalKey(key);
    EXPECT_EQ(parsed->kind == RuleKind::SunEntry, k.kind == Kind::SunEntry) << key;
    const bool ekadashi = k.kind == Kind::LunarTithi && (k.tithi == 11 || k.tithi == 26);
    EXPECT_EQ(parsed->bhagavata, ekadashi) << key;
    if (parsed->kind == RuleKind::DayAfter) {
      char followed[5];
      std::snprintf(followed, sizeof followed, "%02d%02d", parsed->follows.month, parsed->follows.tithi);
      EXPECT_EQ(notes.count(followed), 1u) << key << " follows " << followed;
    }
  }
  for (const auto& [key, rule] : rules) EXPECT_EQ(notes.count(key), 1u) << key << " has a rule but no note";
}

}  // namespace
}  // namespace kalnika
