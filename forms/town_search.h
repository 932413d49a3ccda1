#pragma once
// The offline town finder as the add-place dialog and `kalnika-cli --find` use it:
// the table of towns is read the first time it is asked for (it takes a fifth of a
// second) and kept for the program's run. No Qt.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "places/town_finder.h"

namespace kalnika {

// Where Debian's libtimezonemap-data puts GeoNames' files.
std::filesystem::path DefaultTownFolder();

class TownSearch {
 public:
  // The folder of GeoNames' files.
  explicit TownSearch(std::filesystem::path folder = DefaultTownFolder());
  // The finder, loaded on the first call.
  const TownFinder& Finder();

 private:
  std::filesystem::path folder_;
  std::unique_ptr<TownFinder> finder_;
};

// A country's name in a language ("mr", "en") from ICU's display names, UTF-8:
// "नेपाळ", "Nepal" for NP; empty where ICU has no name for the country in that
// language (it would give back the code).
std::string CountryName(std::string_view code, std::string_view language);

// The entries a town fills: its city, state and country as the place record may
// hold them (at most 30 bytes with their separators), the country by its full name.
// The first that fits of: the country's name in `language`, then in English
// (GeoNames' name where ICU has none), each with the state, then each without it
// (the state entry left empty); the country's code only where no name fits, as the
// town's record has it then.
struct TownEntries {
  std::string city, state, country;
};
TownEntries EntriesOfTown(const TownMatch& town, std::string_view language);

// What `kalnika-cli --find TEXT` prints: a line for each town whose name holds
// `text` (at most `limit`, best first) with the place record and zone name it
// would store and its population; or why no town can be found.
struct FoundTowns {
  std::vector<std::string> lines;
  std::string problem;  // the list of towns is not available: names the package
};
FoundTowns FindTowns(TownSearch& towns, std::string_view text, std::size_t limit);

}  // namespace kalnika
