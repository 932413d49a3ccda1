#include "forms/town_search.h"

namespace kalnika {

std::filesystem::path DefaultTownFolder() { return kGeoNamesFolder; }

TownSearch::TownSearch(std::filesystem::path folder) : folder_(std::move(folder)) {}

const TownFinder& TownSearch::Finder() {
  if (!finder_) finder_ = std::make_unique<TownFinder>(TownFinder::Load(folder_));
  return *finder_;
}

FoundTowns FindTowns(TownSearch& towns, std::string_view text, std::size_t limit) {
  FoundTowns found;
  const TownFinder& finder = towns.Finder();
  if (!finder.available()) {
    found.problem = finder.problem();
    return found;
  }
  for (const TownMatch& m : finder.Search(text, limit))
    found.lines.push_back(m.record + "  " + m.zoneName + "  (population " + std::to_string(m.population) + ")");
  return found;
}

}  // namespace kalnika
