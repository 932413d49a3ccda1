#include "places/town_finder.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <unordered_map>
#include <utility>

#include "clock/time_zone.h"
#include "text/text.h"

namespace kalnika {

namespace {

// The GeoNames files and the Debian package that installs them.
constexpr const char* kTownsFile = "cities15000.txt";
constexpr const char* kStatesFile = "admin1Codes.txt";
constexpr const char* kCountriesFile = "countryInfo.txt";
constexpr const char* kPackage = "libtimezonemap-data";

// The town table is about 5 MB; a file many times larger is not it, and reading it
// whole could exhaust the memory. (The folded names, at most twice the file, also
// stay within the 32-bit offsets of the index.)
constexpr std::streamsize kLargestFile = 64 << 20;

// Columns of cities15000.txt (0-based), tab-separated, in GeoNames' order:
// geonameid, name, asciiname, alternatenames, latitude, longitude, feature class,
// feature code, country code, cc2, admin1 code, admin2..4, population, elevation,
// dem, timezone, modification date.
enum TownColumn : std::size_t {
  kName = 1,
  kAsciiName = 2,
  kAlternateNames = 3,
  kLatitude = 4,
  kLongitude = 5,
  kCountryCode = 8,
  kAdmin1 = 10,
  kPopulation = 14,
  kTimeZone = 17,
  kTownColumns = 19,
};

// The whole file, or false when it is no regular file, cannot be read or is too
// large to be the file.
bool ReadFile(const std::filesystem::path& path, std::string& bytes) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > static_cast<std::uintmax_t>(kLargestFile)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.resize(static_cast<std::size_t>(size));
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  // a file that shrank while read is read as far as it went
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return !in.bad();
}

// Calls `line` for every line of `text` without its line end (LF or CRLF).
template <class LineFunction>
void ForEachLine(std::string_view text, LineFunction line) {
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view one = text.substr(0, end);
    if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
    line(one);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

// The tab-separated fields of a line.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

// A decimal number filling the whole text; false on anything else or an infinity.
bool ParseDouble(std::string_view text, double& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value);
}

bool ParseCount(std::string_view text, std::int64_t& value) {
  if (text.empty()) {  // GeoNames leaves the population of a few towns empty
    value = 0;
    return true;
  }
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end && value >= 0;
}

// Names folded for matching: Unicode case folding (ICU), every script alike
// (Devanagari has no case); control characters, among them the '\n' that
// separates the names in the search text, are dropped.
std::string Folded(std::string_view text) {
  std::string folded = FoldCase(text);
  std::erase_if(folded, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
  return folded;
}

// Blanks and line ends, which are no part of a field.
constexpr std::string_view kFieldBlanks = " \t\r\n";

// ---------------------------------------------------------------------------
// The place record.

// `text` with only printable ASCII other than the double quote, blanks trimmed.
std::string RecordText(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '"') out += c;
  }
  return std::string(TrimBlanks(out, kFieldBlanks));
}

// Texts joined with ", ", empty ones left out.
std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) {
    if (part.empty()) continue;
    if (!out.empty()) out += ", ";
    out += part;
  }
  return out;
}

// The place record keeps 30 characters of description before its blank at 31.
constexpr std::size_t kLongestDescription = 30;
constexpr std::size_t kDescriptionColumns = 31;

// "18 N 31" and "073 E 51": `value` degrees rounded to whole minutes, with
// `degreeDigits` digits for the degrees.
std::string Angle(double value, int degreeDigits, char positive, char negative, int largest) {
  long minutes = std::lround(std::fabs(value) * 60.0);  // 59.5' rounds up into the degree
  minutes = std::min<long>(minutes, largest * 60L);
  const char hemisphere = (value < 0 && minutes > 0) ? negative : positive;
  char text[48];
  std::snprintf(text, sizeof text, "%0*ld %c %02ld", degreeDigits, minutes / 60, hemisphere,
                minutes % 60);
  return text;
}

// "+05:45": the offset cut toward zero to whole quarter hours, as the add-place
// dialog's lists hold them.
std::string ZoneField(double hours) {
  // -12..+14 hours, the add-place dialog's list
  const double quarters = std::clamp(std::trunc(hours * 4.0), -48.0, 56.0);
  long quarter = static_cast<long>(quarters);
  if (quarter < 0 && quarter > -4) quarter = 0;  // -0:15 to -0:45 cannot be written with their sign
  const long whole = std::labs(quarter);
  char text[48];
  std::snprintf(text, sizeof text, "%c%02ld:%02ld", quarter < 0 ? '-' : '+', whole / 4, (whole % 4) * 15);
  return text;
}

// The first offset from `from` on where `wanted` stands in `all`, found by looking
// for its byte at index `rare`.
std::size_t FindFrom(std::string_view all, std::string_view wanted, std::size_t rare,
                     std::size_t from) {
  const char key = wanted[rare];
  while (from + wanted.size() <= all.size()) {
    const void* hit = std::memchr(all.data() + from + rare, key, all.size() - wanted.size() + 1 - from);
    if (hit == nullptr) return std::string_view::npos;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - all.data()) - rare;
    if (all.compare(at, wanted.size(), wanted) == 0) return at;
    from = at + 1;
  }
  return std::string_view::npos;
}

}  // namespace

std::string TownDescription(std::string_view city, std::string_view state,
                            std::string_view country, std::string_view countryCode) {
  const std::string c = RecordText(city);
  const std::string s = RecordText(state);
  const std::string code = RecordText(countryCode);
  std::string k = RecordText(country);
  if (k.empty()) k = code;
  for (const std::string& candidate :
       {Joined({c, s, k}), Joined({c, s, code}), Joined({c, k}), Joined({c, code})}) {
    if (candidate.size() <= kLongestDescription) return candidate;
  }
  // The city alone is too long: cut it so that ", CC" still fits.
  const std::size_t tail = code.empty() ? 0 : code.size() + 2;
  const std::size_t room = kLongestDescription > tail ? kLongestDescription - tail : 0;
  std::string cut(TrimBlanks(std::string_view(c).substr(0, room), kFieldBlanks));
  return Joined({cut, code}).substr(0, kLongestDescription);
}

std::string TownRecord(std::string_view description, double latitude, double longitude,
                       double standardHours) {
  std::string record(description.substr(0, kLongestDescription));
  record.resize(kDescriptionColumns, ' ');
  record += Angle(latitude, 2, 'N', 'S', 90);
  record += "  ";
  record += Angle(longitude, 3, 'E', 'W', 180);
  record += "  ";
  record += ZoneField(standardHours);
  return record;
}

TownFinder TownFinder::Load(const std::filesystem::path& folder) {
  return Load(folder, std::chrono::year_month_day{
                          std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())});
}

TownFinder TownFinder::Load(const std::filesystem::path& folder, std::chrono::year_month_day day) {
  TownFinder finder;
  std::string towns;
  if (!ReadFile(folder / kTownsFile, towns)) {
    finder.problem_ = "The list of towns is not available: " + (folder / kTownsFile).string() +
                      " cannot be read. It comes with the Debian package " + kPackage + ".";
    return finder;
  }

  // States: "IN.16<TAB>Maharashtra<TAB>Maharashtra<TAB>1264418"; index 0 is none.
  std::unordered_map<std::string, std::uint32_t> stateIndex;
  finder.states_.push_back({});
  std::string text;
  if (ReadFile(folder / kStatesFile, text)) {
    ForEachLine(text, [&](std::string_view line) {
      const std::vector<std::string_view> f = Fields(line);
      if (f.size() < 3 || f[0].empty() || f[1].empty()) return;
      const auto index = static_cast<std::uint32_t>(finder.states_.size());
      if (stateIndex.emplace(std::string(f[0]), index).second) {
        finder.states_.push_back({std::string(f[1]), std::string(f[2])});
      }
    });
  }
  // Countries: "IN<TAB>IND<TAB>356<TAB>IN<TAB>India<TAB>..."; '#' lines are comments.
  std::unordered_map<std::string, std::uint32_t> countryIndex;
  if (ReadFile(folder / kCountriesFile, text)) {
    ForEachLine(text, [&](std::string_view line) {
      const std::vector<std::string_view> f = Fields(line);
      if (line.empty() || line.front() == '#' || f.size() < 5 || f[0].empty()) return;
      const auto index = static_cast<std::uint32_t>(finder.countries_.size());
      if (countryIndex.emplace(std::string(f[0]), index).second) {
        finder.countries_.push_back({std::string(f[0]), std::string(f[4])});
      }
    });
  }

  std::unordered_map<std::string, std::uint32_t> zoneIndex;
  std::vector<std::string> names;  // the folded names of one town
  ForEachLine(towns, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    const std::vector<std::string_view> f = Fields(line);
    Town town;
    if (f.size() != kTownColumns || TrimBlanks(f[kName], kFieldBlanks).empty() ||
        TrimBlanks(f[kTimeZone], kFieldBlanks).empty() || !ParseDouble(f[kLatitude], town.latitude) ||
        !ParseDouble(f[kLongitude], town.longitude) || std::fabs(town.latitude) > 90 ||
        std::fabs(town.longitude) > 180 || !ParseCount(f[kPopulation], town.population)) {
      ++finder.skippedLines_;
      return;
    }
    town.name = TrimBlanks(f[kName], kFieldBlanks);
    town.asciiName = TrimBlanks(f[kAsciiName], kFieldBlanks);
    const std::string zoneName(TrimBlanks(f[kTimeZone], kFieldBlanks));
    if (auto it = zoneIndex.find(zoneName); it != zoneIndex.end()) {
      town.zone = it->second;
    } else {
      town.zone = static_cast<std::uint32_t>(finder.zones_.size());
      zoneIndex.emplace(zoneName, town.zone);
      const ZoneLookup standard = ZoneOffsetOn(zoneName, day);
      finder.zones_.push_back({zoneName, standard.ok, standard.offset.standardHours});
    }
    const std::string code(f[kCountryCode]);
    if (auto it = stateIndex.find(code + "." + std::string(f[kAdmin1])); it != stateIndex.end()) {
      town.state = it->second;
    }
    if (auto it = countryIndex.find(code); it != countryIndex.end()) {
      town.country = it->second;
    } else {
      town.country = static_cast<std::uint32_t>(finder.countries_.size());
      countryIndex.emplace(code, town.country);
      finder.countries_.push_back({code, code});
    }

    // Its names, each once: name, ASCII name, then the alternate names.
    names.clear();
    auto addName = [&](std::string_view name) {
      std::string one = Folded(TrimBlanks(name, kFieldBlanks));
      if (!one.empty() && std::find(names.begin(), names.end(), one) == names.end()) {
        names.push_back(std::move(one));
      }
    };
    addName(town.name);
    addName(town.asciiName);
    town.ownNames = static_cast<std::uint32_t>(names.size());
    std::string_view alternates = f[kAlternateNames];
    while (!alternates.empty()) {
      const std::size_t comma = alternates.find(',');
      addName(alternates.substr(0, comma));
      if (comma == std::string_view::npos) break;
      alternates.remove_prefix(comma + 1);
    }
    town.firstName = static_cast<std::uint32_t>(finder.names_.size());
    finder.townText_.push_back(static_cast<std::uint32_t>(finder.text_.size()));
    for (const std::string& one : names) {
      finder.text_ += '\n';
      finder.names_.push_back(static_cast<std::uint32_t>(finder.text_.size()));
      finder.text_ += one;
    }
    finder.towns_.push_back(std::move(town));
  });
  for (char c : finder.text_) ++finder.byteCounts_[static_cast<unsigned char>(c)];
  finder.available_ = true;
  return finder;
}

TownMatch TownFinder::MatchOf(const Town& town) const {
  TownMatch match;
  const Region& state = states_[town.state];
  const Country& country = countries_[town.country];
  match.name = town.name;
  match.state = state.name;
  match.country = country.name;
  match.countryCode = country.code;
  match.latitude = town.latitude;
  match.longitude = town.longitude;
  match.population = town.population;
  const Zone& zone = zones_[town.zone];
  match.zoneName = zone.name;
  // a zone tzdata does not know: the nautical zone, 15 degrees of longitude an hour
  match.standardHours = zone.known ? zone.standardHours : std::round(town.longitude / 15.0);
  const std::string city = town.asciiName.empty() ? town.name : town.asciiName;
  match.recordCity = RecordText(city);
  match.recordState = RecordText(state.asciiName);
  match.record = TownRecord(TownDescription(city, state.asciiName, country.name, country.code),
                            town.latitude, town.longitude, match.standardHours);
  return match;
}

std::vector<TownMatch> TownFinder::Search(std::string_view text, std::size_t limit) const {
  const std::string wanted = Folded(TrimBlanks(text, kFieldBlanks));
  if (wanted.empty() || limit == 0 || towns_.empty()) return {};

  // Each town found once, with how it matched: 0 its name or ASCII name starts
  // with the text, 1 only an alternate name does, 2 a name contains it.
  struct Found {
    int kind;
    std::int64_t population;
    std::uint32_t town;
  };
  std::vector<Found> found;
  const std::string_view all(text_);
  // The search looks for the byte of the text that is rarest in the names (memchr)
  // and compares around it: the first byte of a Devanagari letter (0xE0) or a
  // common Latin letter stands nearly everywhere, a consonant's last byte or an
  // "x" does not.
  std::size_t rare = 0;
  for (std::size_t k = 1; k < wanted.size(); ++k) {
    if (byteCounts_[static_cast<unsigned char>(wanted[k])] <
        byteCounts_[static_cast<unsigned char>(wanted[rare])]) {
      rare = k;
    }
  }
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = FindFrom(all, wanted, rare, from);
    if (at == std::string_view::npos) break;
    // the town whose names hold the match
    const auto town = static_cast<std::uint32_t>(
        std::upper_bound(townText_.begin(), townText_.end(), at) - townText_.begin() - 1);
    const std::uint32_t firstName = towns_[town].firstName;
    const std::size_t lastName =
        town + 1 < towns_.size() ? towns_[town + 1].firstName : names_.size();
    const std::size_t townEnd = town + 1 < towns_.size() ? townText_[town + 1] : all.size();
    int kind = 2;
    for (std::size_t n = firstName; n < lastName; ++n) {
      // a match cannot run past the end of a name: `wanted` holds no '\n'
      if (all.compare(names_[n], wanted.size(), wanted) == 0) {
        kind = n < firstName + towns_[town].ownNames ? 0 : 1;
        break;
      }
    }
    found.push_back({kind, towns_[town].population, town});
    from = townEnd;  // on to the next town
  }

  // Starts before contains; then population; an own name before an alternate one.
  auto before = [](const Found& a, const Found& b) {
    const int groupA = a.kind == 2 ? 1 : 0, groupB = b.kind == 2 ? 1 : 0;
    if (groupA != groupB) return groupA < groupB;
    if (a.population != b.population) return a.population > b.population;
    if (a.kind != b.kind) return a.kind < b.kind;
    return a.town < b.town;
  };
  const std::size_t count = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count), found.end(),
                    before);
  std::vector<TownMatch> matches;
  matches.reserve(count);
  for (std::size_t n = 0; n < count; ++n) matches.push_back(MatchOf(towns_[found[n].town]));
  return matches;
}

}  // namespace kalnika
