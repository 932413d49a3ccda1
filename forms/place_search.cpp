#include "forms/place_search.h"

#include <algorithm>

namespace kalnika {

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Folded(x) == Folded(y);
         });
}

bool HoldsIgnoringCase(std::string_view text, std::string_view part) {
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [](char x, char y) { return Folded(x) == Folded(y); }) != text.end();
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

int ChosenPlace(const std::vector<std::string>& items, int current, std::string_view typed) {
  const std::string_view part = Trimmed(typed);
  if (part.empty()) return -1;
  const int count = static_cast<int>(items.size());
  if (current >= 0 && current < count && items[static_cast<std::size_t>(current)] == typed) return current;
  for (int i = 0; i < count; ++i)
    if (SameIgnoringCase(items[static_cast<std::size_t>(i)], typed)) return i;
  int found = -1;
  for (int i = 0; i < count; ++i) {
    if (!HoldsIgnoringCase(items[static_cast<std::size_t>(i)], part)) continue;
    if (found >= 0) return current;  // several entries hold it
    found = i;
  }
  return found >= 0 ? found : current;
}

}  // namespace kalnika
