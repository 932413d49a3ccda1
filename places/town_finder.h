#pragma once
// Finding a town offline: the GeoNames table of the world's towns of 15000
// inhabitants or more (cities15000.txt, about 23,000 towns, with admin1Codes.txt
// for state and province names and countryInfo.txt for country names; GeoNames,
// geonames.org, CC-BY-4.0), as Debian's package libtimezonemap-data installs it.
// Loaded once, then searched while the user types. No Qt.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalnika {

// Where libtimezonemap-data puts the three GeoNames files.
inline constexpr const char* kGeoNamesFolder = "/usr/share/libtimezonemap/ui";

// One town found.
struct TownMatch {
  std::string name;     // as GeoNames writes it, UTF-8: "Pune", "São Paulo"
  std::string state;    // state or province, UTF-8; empty when GeoNames has none
  std::string country;  // "India"; the two-letter code when the country is not listed
  std::string countryCode;  // ISO 3166: "IN"
  // The city and the state as a place record writes them: printable ASCII but the
  // double quote (GeoNames' ASCII names), "Pune", "Maharashtra".
  std::string recordCity, recordState;
  double latitude = 0;   // decimal degrees, north positive
  double longitude = 0;  // decimal degrees, east positive
  std::int64_t population = 0;
  std::string zoneName;  // IANA zone: "Asia/Kolkata"
  // The zone's standard offset in hours east on the day the finder was loaded for
  // (what a user would type for the town that day); for a zone tzdata does not
  // know, the nautical zone of the longitude (whole hours, 15 degrees wide)
  double standardHours = 0;
  std::string record;  // the 56-character place record the add-place dialog would store
};

class TownFinder {
 public:
  // Reads cities15000.txt, admin1Codes.txt and countryInfo.txt of `folder`. Never
  // throws: without a readable cities15000.txt the finder is not available and
  // problem() says why; without the other two, states and countries are unnamed.
  // A malformed line of cities15000.txt is skipped and counted.
  // The zones' standard offsets are those in force on `day` (today by default): a
  // zone whose rule changes (British Columbia keeps -07:00 all year from November
  // 2026) gives the record a user of that day would type.
  static TownFinder Load(const std::filesystem::path& folder = kGeoNamesFolder);
  static TownFinder Load(const std::filesystem::path& folder, std::chrono::year_month_day day);

  bool available() const { return available_; }
  // Why the finder is not available, naming the package that brings the files.
  const std::string& problem() const { return problem_; }
  std::size_t size() const { return towns_.size(); }
  std::size_t skippedLines() const { return skippedLines_; }

  // The towns with a name (GeoNames name, ASCII name or any alternate name, in any
  // script: "पुणे" finds Pune) that starts with `text` come first, then those with
  // a name containing it; each group by population, largest first (on a tie a
  // town's own name before an alternate one, then the file's order). Case is
  // ignored for Latin, Greek and Cyrillic letters; blanks around `text` are
  // dropped. At most `limit` towns; none for an empty text.
  std::vector<TownMatch> Search(std::string_view text, std::size_t limit) const;

 private:
  struct Town {
    std::string name;
    std::string asciiName;
    std::uint32_t state = 0;    // index into states_; 0 is the unnamed state
    std::uint32_t country = 0;  // index into countries_
    double latitude = 0, longitude = 0;
    std::int64_t population = 0;
    std::uint32_t zone = 0;       // index into zones_
    std::uint32_t firstName = 0;  // its names are names_[firstName, next town's firstName)
    std::uint32_t ownNames = 0;   // the first 1 or 2 of them are its name and ASCII name
  };
  struct Region {
    std::string name;       // UTF-8, for display
    std::string asciiName;  // for the record
  };
  struct Country {
    std::string code;
    std::string name;
  };
  struct Zone {
    std::string name;
    bool known = false;  // tzdata has it
    double standardHours = 0;
  };

  TownMatch MatchOf(const Town& town) const;

  bool available_ = false;
  std::string problem_;
  std::size_t skippedLines_ = 0;
  std::vector<Town> towns_;
  std::vector<Region> states_;
  std::vector<Country> countries_;
  // each zone's standard offset looked up once at loading (about 400 zones), so
  // that a search reads no zone file
  std::vector<Zone> zones_;
  // Every name of every town, folded for matching, each after a '\n' (a byte no
  // folded name holds), the towns one after the other in file order.
  std::string text_;
  std::vector<std::uint32_t> names_;     // offset in text_ of each name's first byte
  std::vector<std::uint32_t> townText_;  // offset in text_ of each town's first '\n'
  std::array<std::uint32_t, 256> byteCounts_{};  // how often each byte stands in text_
};

// The description of a town's place record, at most 30 characters of printable
// ASCII (GeoNames' ASCII names): "City, State, Country"; when that is longer,
// "City, State, CC" (the country's ISO 3166 code), "City, Country", "City, CC",
// and last the city cut to fit before ", CC". Double quotes, which the record's
// enclosing quotes cannot hold, and bytes outside ASCII are left out; empty parts
// are left out with their comma.
std::string TownDescription(std::string_view city, std::string_view state,
                            std::string_view country, std::string_view countryCode);

// The 56-character place record of a description (padded to 31 characters with
// blanks), a position in decimal degrees and a standard offset in hours.
// Coordinates are rounded to the nearest whole minute, 60 minutes carrying into the
// degree (18.51957 N is 18 N 31, 28.99999 is 29 N 00); a position that rounds to
// 0 degrees 0 minutes is N or E. The zone field holds the quarter hours of the
// add-place dialog's lists (Kathmandu +05:45, Chatham +12:45; an offset between,
// which no zone keeps today, is cut toward zero); -0:15 to -0:45 cannot carry
// their sign and store +00:00. Hours are kept to the dialog's -12..+14.
std::string TownRecord(std::string_view description, double latitude, double longitude,
                       double standardHours);

}  // namespace kalnika
