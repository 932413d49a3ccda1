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

// What `kalnika-cli --find TEXT` prints: a line for each town whose name holds
// `text` (at most `limit`, best first) with the place record and zone name it
// would store and its population; or why no town can be found.
struct FoundTowns {
  std::vector<std::string> lines;
  std::string problem;  // the list of towns is not available: names the package
};
FoundTowns FindTowns(TownSearch& towns, std::string_view text, std::size_t limit);

}  // namespace kalnika
