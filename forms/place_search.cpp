#include "forms/place_search.h"

#include <algorithm>

namespace kalnika {

namespace {

// Columns 1-31 of a record hold its description.
constexpr std::size_t kDescriptionLength = 31;

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Folded(x) == Folded(y);
         });
}

// Where `part` first stands in `text` ignoring case, or npos.
std::size_t FindIgnoringCase(std::string_view text, std::string_view part) {
  if (part.empty()) return 0;
  const auto at = std::search(text.begin(), text.end(), part.begin(), part.end(),
                              [](char x, char y) { return Folded(x) == Folded(y); });
  return at == text.end() ? std::string_view::npos : static_cast<std::size_t>(at - text.begin());
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         static_cast<unsigned char>(c) >= 0x80;
}

// How well a name matches a typed part: 0 it starts with it, 1 a word of it does,
// 2 it holds it elsewhere, 3 not at all.
int MatchRank(std::string_view name, std::string_view part) {
  int rank = 3;
  for (std::size_t from = 0; from < name.size();) {
    const std::size_t at = FindIgnoringCase(name.substr(from), part);
    if (at == std::string_view::npos) break;
    const std::size_t pos = from + at;
    if (pos == 0) return 0;
    rank = std::min(rank, IsLetterOrDigit(name[pos - 1]) ? 2 : 1);
    from = pos + 1;
  }
  return rank;
}

}  // namespace

std::string PlaceName(std::string_view record) {
  return std::string(Trimmed(record.substr(0, std::min(record.size(), kDescriptionLength))));
}

int ChosenPlace(const std::vector<std::string>& records, int current, std::string_view typed) {
  const std::string_view part = Trimmed(typed);
  if (part.empty()) return -1;
  const int count = static_cast<int>(records.size());
  const auto record = [&records](int i) -> const std::string& { return records[static_cast<std::size_t>(i)]; };
  if (current >= 0 && current < count && (PlaceName(record(current)) == typed || record(current) == typed))
    return current;
  for (int i = 0; i < count; ++i)
    if (SameIgnoringCase(PlaceName(record(i)), part) || SameIgnoringCase(record(i), typed)) return i;
  // The one entry whose name holds the text, else the one whose name starts with it.
  int holding = -1, starting = -1, holders = 0, starters = 0;
  for (int i = 0; i < count; ++i) {
    const int rank = MatchRank(PlaceName(record(i)), part);
    if (rank == 3) continue;
    ++holders;
    holding = i;
    if (rank == 0) {
      ++starters;
      starting = i;
    }
  }
  if (holders == 1) return holding;
  if (starters == 1) return starting;
  return current;
}

std::vector<int> PlaceMatches(const std::vector<std::string>& records, std::string_view typed, std::size_t limit) {
  const std::string_view part = Trimmed(typed);
  std::vector<int> found;
  if (part.empty()) return found;
  for (int rank = 0; rank < 3; ++rank)
    for (std::size_t i = 0; i < records.size() && found.size() < limit; ++i)
      if (MatchRank(PlaceName(records[i]), part) == rank) found.push_back(static_cast<int>(i));
  return found;
}

}  // namespace kalnika
