#include "forms/town_search.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "places/place_record.h"

namespace kalnika {

std::filesystem::path DefaultTownFolder() { return kGeoNamesFolder; }

TownSearch::TownSearch(std::filesystem::path folder) : folder_(std::move(folder)) {}

const TownFinder& TownSearch::Finder() {
  if (!finder_) finder_ = std::make_unique<TownFinder>(TownFinder::Load(folder_));
  return *finder_;
}

std::string CountryName(std::string_view code, std::string_view language) {
  if (code.size() != 2) return {};
  const std::string country(code);
  icu::UnicodeString name;
  icu::Locale("", country.c_str()).getDisplayCountry(icu::Locale(std::string(language).c_str()), name);
  std::string text;
  name.toUTF8String(text);
  return text == country ? std::string() : text;
}

TownEntries EntriesOfTown(const TownMatch& town, std::string_view language) {
  // The description holds the three with ", " between them and must leave its
  // 31st column blank.
  constexpr std::size_t kRoom = 30;
  const auto fits = [](const TownEntries& e) { return e.city.size() + 2 + e.state.size() + 2 + e.country.size() <= kRoom; };
  std::string english = CountryName(town.countryCode, "en");
  if (english.empty()) english = town.country;
  std::string own = CountryName(town.countryCode, language);
  if (own.empty()) own = english;
  for (const TownEntries& e : {TownEntries{town.recordCity, town.recordState, own},
                               TownEntries{town.recordCity, town.recordState, english},
                               TownEntries{town.recordCity, "", own}, TownEntries{town.recordCity, "", english}})
    if (!e.country.empty() && fits(e)) return e;
  const PlaceEntries record = EntriesOfRecord(town.record);
  return {record.city, record.state, record.country};
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
