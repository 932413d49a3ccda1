#include "forms/place_search.h"

#include <algorithm>

#include "text/text.h"

namespace kalnika {

namespace {

bool IsLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         static_cast<unsigned char>(c) >= 0x80;
}

// How well a folded name matches a folded part: 0 it starts with it, 1 a word of
// it does, 2 it holds it elsewhere, 3 not at all.
int MatchRank(std::string_view name, std::string_view part) {
  int rank = 3;
  for (std::size_t from = 0; from < name.size();) {
    const std::size_t at = name.find(part, from);
    if (at == std::string_view::npos) break;
    if (at == 0) return 0;
    rank = std::min(rank, IsLetterOrDigit(name[at - 1]) ? 2 : 1);
    from = at + 1;
  }
  return rank;
}

std::vector<std::string> Folded(const std::vector<std::string>& names) {
  std::vector<std::string> folded;
  folded.reserve(names.size());
  for (const std::string& name : names) folded.push_back(FoldCase(name));
  return folded;
}

}  // namespace

int ChosenPlace(const std::vector<std::string>& names, int current, std::string_view typed) {
  const std::string part = FoldCase(TrimBlanks(typed, " "));
  if (part.empty()) return -1;
  const int count = static_cast<int>(names.size());
  if (current >= 0 && current < count && names[static_cast<std::size_t>(current)] == typed) return current;
  const std::vector<std::string> folded = Folded(names);
  for (int i = 0; i < count; ++i)
    if (folded[static_cast<std::size_t>(i)] == part) return i;
  // The one entry whose name holds the text, else the one whose name starts with it.
  int holding = -1, starting = -1, holders = 0, starters = 0;
  for (int i = 0; i < count; ++i) {
    const int rank = MatchRank(folded[static_cast<std::size_t>(i)], part);
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

std::vector<int> PlaceMatches(const std::vector<std::string>& names, std::string_view typed, std::size_t limit) {
  const std::string part = FoldCase(TrimBlanks(typed, " "));
  std::vector<int> found;
  if (part.empty()) return found;
  const std::vector<std::string> folded = Folded(names);
  for (int rank = 0; rank < 3; ++rank)
    for (std::size_t i = 0; i < folded.size() && found.size() < limit; ++i)
      if (MatchRank(folded[i], part) == rank) found.push_back(static_cast<int>(i));
  return found;
}

}  // namespace kalnika
