#include "places/place_record.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "calendar/numeric_value.h"
#include "text/text.h"

namespace kalnika {

namespace {

// The first k characters of text (the whole text when shorter).
std::string Left(std::string_view text, std::size_t k) { return std::string(text.substr(0, k)); }

// The last k characters of text (the whole text when shorter).
std::string Right(std::string_view text, std::size_t k) {
  return std::string(text.size() <= k ? text : text.substr(text.size() - k));
}

// The k characters from 1-based position `start` on; empty beyond the end.
std::string Mid(std::string_view text, std::size_t start, std::size_t k) {
  if (start - 1 >= text.size()) return {};
  return std::string(text.substr(start - 1, k));
}

// Column widths of the record: description 31, then the 25-character tail.
constexpr std::size_t kDescriptionWidth = 31;
constexpr std::size_t kRecordWidth = 56;

// One list of the add-place dialog: its entry name in the user's words, its field,
// and the texts it offers (whole numbers first..last as decimal text, or the two
// texts a and b).
struct ListRule {
  std::string_view name;
  std::string PlaceEntries::*field;
  int first;
  int last;
  int step;
  std::string_view a;
  std::string_view b;
};

// The eight lists in the order the OK button checks them. The zone's minutes are
// the quarter hours the world's clocks keep: :30 (India), :45 (Nepal, Chatham),
// :15 for none today but offered, as the lists always had the half hour.
constexpr ListRule kLists[] = {
    {"Latitude degrees", &PlaceEntries::latDegrees, 0, 90, 1, "", ""},
    {"Latitude minutes", &PlaceEntries::latMinutes, 0, 59, 1, "", ""},
    {"N/S", &PlaceEntries::northSouth, 1, 0, 1, "N", "S"},
    {"Longitude degrees", &PlaceEntries::longDegrees, 0, 180, 1, "", ""},
    {"E/W", &PlaceEntries::eastWest, 1, 0, 1, "E", "W"},
    {"Longitude minutes", &PlaceEntries::longMinutes, 0, 59, 1, "", ""},
    {"Time zone hours", &PlaceEntries::zoneHours, -12, 14, 1, "", ""},
    {"Time zone minutes", &PlaceEntries::zoneMinutes, 0, 45, 15, "", ""},
};
static_assert(std::size(kLists) == 8);

// The typed texts, with the names the dialog's labels give them.
struct TextRule {
  std::string_view name;
  std::string PlaceEntries::*field;
};
constexpr TextRule kTexts[] = {
    {"City", &PlaceEntries::city},
    {"State/Province", &PlaceEntries::state},
    {"Country", &PlaceEntries::country},
};

// True when `text` is one of the texts the list offers.
bool ListOffers(const ListRule& list, std::string_view text) {
  if (text.empty()) return false;
  if (text == list.a || text == list.b) return true;
  for (int value = list.first; value <= list.last; value += list.step) {
    if (text == std::to_string(value)) return true;
  }
  return false;
}

// True when a typed text can stand inside the record: the record is stored between
// double quotes on one line, and a NUL would end it when read.
bool FitsRecord(std::string_view text) {
  return text.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string_view::npos;
}

// "0" put in front of `text` while it is shorter than `width` characters.
std::string ZeroPadded(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), '0') + text;
}

// Zone hours signed and of two digits: "0" -> "+00", "5" -> "+05", "-5" -> "-05",
// "12" -> "+12", "-12" unchanged.
std::string SignedHours(const std::string& text) {
  std::string hours = NumericValue(text) >= 0 ? "+" + text : text;
  // a sign and one digit: the "0" goes between them
  if (hours.size() == 2) hours = hours.substr(0, 1) + "0" + hours.substr(1);
  return hours;
}

// One numeric field of the record's tail: where it starts in the 26 characters of
// blank and tail, how many digits it has, the largest value, and its name.
struct DigitField {
  std::size_t at;
  std::size_t width;
  int largest;
  std::string_view name;
};

// "characters 37-38" of the record, for a field at `at` (0-based, within the
// 26 characters of blank and tail) of a record of `size` characters.
std::string Columns(std::size_t size, std::size_t at, std::size_t width) {
  const std::size_t first = size - 26 + at + 1;
  if (width == 1) return "character " + std::to_string(first);
  return "characters " + std::to_string(first) + "-" + std::to_string(first + width - 1);
}

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

int DigitsValue(std::string_view text) {
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return value;
}

// The text of a record's character as the message shows it.
std::string Shown(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::optional<std::string> PlaceRecordProblem(std::string_view record) {
  if (record.size() < kRecordWidth) {
    return "the place record has " + std::to_string(record.size()) +
           " characters, fewer than the 56 of a place record";
  }
  const std::string_view tail = record.substr(record.size() - 26);
  const std::size_t size = record.size();
  // the blanks between the fields: before the tail, and within it
  for (std::size_t at : {0u, 3u, 5u, 8u, 9u, 13u, 15u, 18u, 19u}) {
    if (tail[at] != ' ') {
      return "the place record has " + Shown(tail.substr(at, 1)) + " at " + Columns(size, at, 1) +
             ", where a blank belongs";
    }
  }
  // Degrees and minutes in the ranges the add-place dialog offers; the zone hours
  // as far as the zones of the world reach (west to -12, east to +14).
  const bool west = tail[20] == '-';
  const DigitField fields[] = {
      {1, 2, 90, "latitude degrees"},  {6, 2, 59, "latitude minutes"},
      {10, 3, 180, "longitude degrees"}, {16, 2, 59, "longitude minutes"},
      {21, 2, west ? 12 : 14, "time zone hours"}, {24, 2, 59, "time zone minutes"},
  };
  struct Letters {
    std::size_t at;
    char a;
    char b;
    std::string_view name;
  };
  const Letters letters[] = {
      {4, 'N', 'S', "latitude hemisphere"},
      {14, 'E', 'W', "longitude hemisphere"},
      {20, '+', '-', "time zone sign"},
  };
  for (const Letters& l : letters) {
    if (tail[l.at] != l.a && tail[l.at] != l.b) {
      return "the " + std::string(l.name) + " " + Shown(tail.substr(l.at, 1)) + " (" +
             Columns(size, l.at, 1) + ") is neither \"" + l.a + "\" nor \"" + l.b + "\"";
    }
  }
  if (tail[23] != ':') {
    return "the time zone has " + Shown(tail.substr(23, 1)) + " at " + Columns(size, 23, 1) +
           " where \":\" belongs";
  }
  for (const DigitField& f : fields) {
    const std::string_view text = tail.substr(f.at, f.width);
    if (!AllDigits(text)) {
      return "the " + std::string(f.name) + " " + Shown(text) + " (" + Columns(size, f.at, f.width) +
             ") are not " + std::to_string(f.width) + " digits";
    }
    if (DigitsValue(text) > f.largest) {
      return "the " + std::string(f.name) + " " + Shown(text) + " (" + Columns(size, f.at, f.width) +
             ") lie beyond " + std::to_string(f.largest);
    }
  }
  return std::nullopt;
}

Place ParsePlace(std::string_view placeText) {
  Place parsed;
  parsed.labelled = placeText.size() > 2;
  // the description: before the blank and the tail of a record, the first 31
  // characters of a shorter text
  const std::size_t described =
      placeText.size() >= kRecordWidth ? placeText.size() - 26 : std::min(placeText.size(), kDescriptionWidth);
  parsed.name = PlainText(TrimBlanks(placeText.substr(0, Utf8Prefix(placeText, described)), " "));
  if (const std::optional<std::string> problem = PlaceRecordProblem(placeText)) parsed.problem = *problem;
  // the space at position 31 and the 25-character tail of a record
  std::string t = Right(placeText, 26);
  parsed.zoneCaption = Right(t, 7);
  // half-hour zones as decimal hours; other minutes (":45") stay as stored
  if (Right(t, 3) == ":30") t = Left(t, 23) + ".50";
  if (Right(t, 3) == ":00") t = Left(t, 23) + ".00";
  const std::string zoneTag = Right(t, 7);
  // Up to five leading spaces go, one per pass, each by keeping the last c - 1
  // characters; c counts down in every pass, so in a shorter text the kept part
  // is the whole text and the space stays.
  std::size_t c = 26;
  for (int pass = 0; pass < 5; ++pass) {
    if (!t.empty() && t.front() == ' ') t = Right(t, c - 1);
    --c;
  }
  parsed.latCaption = Left(t, 8);
  parsed.longCaption = Mid(t, 10, 8);

  const std::string& lat = parsed.latCaption;
  parsed.latitude = NumericValue(Left(lat, 4)) + NumericValue(Right(lat, 3)) / 60.0;
  if (Mid(lat, 4, 1) == "S") parsed.latitude = -parsed.latitude;
  const std::string& lon = parsed.longCaption;
  parsed.longitude = NumericValue(Left(lon, 4)) + NumericValue(Right(lon, 3)) / 60.0;
  if (Mid(lon, 5, 1) == "W") parsed.longitude = -parsed.longitude;
  parsed.classicTimeZone = NumericValue(zoneTag);
  // The zone field with its minutes, when it is one ("+05:45"); otherwise the
  // classic reading's whole and half hours.
  const std::string zone = Right(parsed.zoneCaption, 6);
  if (parsed.problem.empty()) {
    parsed.zone.sign = zone[0] == '-' ? -1 : 1;
    parsed.zone.hours = DigitsValue(std::string_view(zone).substr(1, 2));
    parsed.zone.minutes = DigitsValue(std::string_view(zone).substr(4, 2));
  } else {
    const long minutes = std::lround(parsed.classicTimeZone * 60.0);
    parsed.zone = {minutes < 0 ? -1 : 1, static_cast<int>(std::labs(minutes) / 60), static_cast<int>(std::labs(minutes) % 60)};
  }
  return parsed;
}

RecordResult BuildPlaceRecord(const PlaceEntries& entries) {
  RecordResult result;
  bool anything = !entries.city.empty() || !entries.state.empty() || !entries.country.empty();
  for (const ListRule& list : kLists) anything = anything || !(entries.*list.field).empty();
  if (!anything) {
    result.outcome = RecordOutcome::NothingEntered;
    return result;
  }

  if (entries.city.empty()) {
    result.outcome = RecordOutcome::MissingEntry;
    result.missing = "City";
    return result;
  }
  for (const ListRule& list : kLists) {
    if ((entries.*list.field).empty()) {
      result.outcome = RecordOutcome::MissingEntry;
      result.missing = list.name;
      return result;
    }
  }

  for (const TextRule& text : kTexts) {
    if (!FitsRecord(entries.*text.field)) {
      result.outcome = RecordOutcome::InvalidText;
      result.invalid = text.name;
      return result;
    }
  }
  // a text no list offers would shift the record's columns
  for (const ListRule& list : kLists) {
    if (!ListOffers(list, entries.*list.field)) {
      result.outcome = RecordOutcome::InvalidText;
      result.invalid = list.name;
      return result;
    }
  }

  std::string description = entries.city + ", " + entries.state + ", " + entries.country + " ";
  if (description.size() > kDescriptionWidth) {
    result.outcome = RecordOutcome::TooLong;
    return result;
  }
  description.resize(kDescriptionWidth, ' ');

  std::string record = description;
  record += ZeroPadded(entries.latDegrees, 2) + " " + entries.northSouth + " " +
            ZeroPadded(entries.latMinutes, 2) + "  ";
  record += ZeroPadded(entries.longDegrees, 3) + " " + entries.eastWest + " " +
            ZeroPadded(entries.longMinutes, 2) + "  ";
  record += SignedHours(entries.zoneHours) + ":" + ZeroPadded(entries.zoneMinutes, 2);
  if (record.size() != kRecordWidth) {
    // cannot happen with texts the lists offer; refused rather than stored misaligned
    result.outcome = RecordOutcome::InvalidText;
    result.invalid = "Time zone hours";
    return result;
  }
  result.outcome = RecordOutcome::Built;
  result.record = std::move(record);
  return result;
}

PlaceEntries EntriesOfRecord(std::string_view record) {
  PlaceEntries entries;
  const std::string text(record);
  if (text.size() < kRecordWidth) return entries;
  std::vector<std::string> parts;
  const std::string description = text.substr(0, text.size() - 25);
  for (std::size_t start = 0;;) {
    const std::size_t comma = description.find(", ", start);
    parts.push_back(description.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 2;
  }
  for (std::string& part : parts) part = std::string(TrimBlanks(part, " "));
  entries.country = parts.size() >= 2 ? parts.back() : std::string();
  entries.state = parts.size() >= 3 ? parts[parts.size() - 2] : std::string();
  entries.city = parts.front();
  for (std::size_t i = 1; i + (parts.size() >= 3 ? 2 : 1) < parts.size(); ++i) entries.city += ", " + parts[i];

  // the number a list shows for the record's digits
  auto number = [](std::string_view digits) {
    const bool negative = !digits.empty() && digits[0] == '-';
    const std::string_view unsignedDigits = !digits.empty() && (digits[0] == '+' || negative) ? digits.substr(1) : digits;
    const int value = DigitsValue(unsignedDigits);
    return std::to_string(negative ? -value : value);
  };
  const std::string_view tail = std::string_view(text).substr(text.size() - 25);
  entries.latDegrees = number(tail.substr(0, 2));
  entries.northSouth = std::string(tail.substr(3, 1));
  entries.latMinutes = number(tail.substr(5, 2));
  entries.longDegrees = number(tail.substr(9, 3));
  entries.eastWest = std::string(tail.substr(13, 1));
  entries.longMinutes = number(tail.substr(15, 2));
  entries.zoneHours = number(tail.substr(19, 3));
  entries.zoneMinutes = number(tail.substr(23, 2));
  return entries;
}

}  // namespace kalnika
