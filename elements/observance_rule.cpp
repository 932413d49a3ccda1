#include "elements/observance_rule.h"

#include <algorithm>
#include <vector>

namespace kalnika {

namespace {

// One row per word of the grammar.
struct PartWord {
  std::string_view word;
  DayPart part;
};
constexpr PartWord kPartWords[] = {
    {"udaya", DayPart::Sunrise},       {"purvahna", DayPart::Morning},
    {"madhyahna", DayPart::Midday},    {"aparahna", DayPart::Afternoon},
    {"pradosha", DayPart::Dusk},       {"nishitha", DayPart::Midnight},
    {"chandrodaya", DayPart::Moonrise}, {"arunodaya", DayPart::Arunodaya},
};
static_assert(std::size(kPartWords) == 8);

struct TieWord {
  std::string_view word;
  Tie tie;
};
constexpr TieWord kTieWords[] = {
    {"more", Tie::MoreCoverage},
    {"first", Tie::FirstDay},
    {"second", Tie::SecondDay},
};
static_assert(std::size(kTieWords) == 3);

struct NotHeldWord {
  std::string_view word;
  NotHeld notHeld;
};
constexpr NotHeldWord kNotHeldWords[] = {
    {"neither=first", NotHeld::FirstDay},
    {"neither=second", NotHeld::SecondDay},
};
static_assert(std::size(kNotHeldWords) == 2);

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> Items(std::string_view value) {
  std::vector<std::string_view> items;
  for (;;) {
    const std::size_t comma = value.find(',');
    items.push_back(Trimmed(value.substr(0, comma)));
    if (comma == std::string_view::npos) return items;
    value.remove_prefix(comma + 1);
  }
}

// Two decimal digits, 00..99; none otherwise.
std::optional<int> TwoDigits(std::string_view text) {
  if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
    return std::nullopt;
  return (text[0] - '0') * 10 + (text[1] - '0');
}

template <typename Row>
const Row* Find(const Row* begin, const Row* end, std::string_view word) {
  const Row* found = std::find_if(begin, end, [word](const Row& r) { return r.word == word; });
  return found == end ? nullptr : found;
}

}  // namespace

std::optional<FestivalKey> ParseFestivalKey(std::string_view key) {
  if (key.size() == 3 && key[0] == 'S') {
    const std::optional<int> sign = TwoDigits(key.substr(1));
    if (!sign || *sign > 11) return std::nullopt;
    return FestivalKey{FestivalKey::Kind::SunEntry, 0, 1, *sign};
  }
  if (key.size() != 4) return std::nullopt;
  const std::optional<int> month = TwoDigits(key.substr(0, 2));
  const std::optional<int> tithi = TwoDigits(key.substr(2));
  if (!month || !tithi || *month > 11 || *tithi > 30) return std::nullopt;
  return FestivalKey{FestivalKey::Kind::LunarTithi, *month, *tithi == 0 ? 30 : *tithi, 0};
}

std::optional<ObservanceRule> ParseObservanceRule(std::string_view value) {
  const std::vector<std::string_view> items = Items(value);
  ObservanceRule rule;
  const std::string_view head = items.front();

  if (head == "sankranti" || head.starts_with("day-after=")) {
    if (items.size() != 1) return std::nullopt;
    if (head == "sankranti") {
      rule.kind = RuleKind::SunEntry;
      return rule;
    }
    const std::optional<FestivalKey> follows = ParseFestivalKey(head.substr(std::string_view("day-after=").size()));
    if (!follows || follows->kind != FestivalKey::Kind::LunarTithi) return std::nullopt;
    rule.kind = RuleKind::DayAfter;
    rule.follows = *follows;
    return rule;
  }

  const PartWord* part = Find(std::begin(kPartWords), std::end(kPartWords), head);
  if (part == nullptr) return std::nullopt;
  rule.part = part->part;
  bool tieSeen = false, notHeldSeen = false;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::string_view item = items[i];
    if (const TieWord* tie = Find(std::begin(kTieWords), std::end(kTieWords), item)) {
      if (tieSeen) return std::nullopt;
      tieSeen = true;
      rule.tie = tie->tie;
    } else if (const NotHeldWord* notHeld = Find(std::begin(kNotHeldWords), std::end(kNotHeldWords), item)) {
      if (notHeldSeen) return std::nullopt;
      notHeldSeen = true;
      rule.notHeld = notHeld->notHeld;
    } else if (item == "outside-bhadra" && !rule.outsideBhadra) {
      rule.outsideBhadra = true;
    } else if (item == "sardha-triyama" && !rule.sardhaTriyama) {
      rule.sardhaTriyama = true;
    } else if (item == "bhagavata" && !rule.bhagavata) {
      rule.bhagavata = true;
    } else if (item.starts_with("nakshatra=") && !rule.tieNakshatra) {
      const std::string_view name = item.substr(std::string_view("nakshatra=").size());
      const auto found = std::find(kNakshatraNames.begin(), kNakshatraNames.end(), name);
      if (found == kNakshatraNames.end()) return std::nullopt;
      rule.tieNakshatra = static_cast<int>(found - kNakshatraNames.begin());
    } else {
      return std::nullopt;
    }
  }
  return rule;
}

}  // namespace kalnika
