#pragma once
// The 56-character place record and the place value every face takes: parsed once
// here, so that the record itself never leaves places/.
//
// Record columns (1-based): 1-31 description ("City, State, Country" padded with
// blanks; position 31 always a blank), 32-33 latitude degrees, 35 N/S, 37-38
// minutes, 41-43 longitude degrees, 45 E/W, 47-48 minutes, 51 zone sign, 52-53
// zone hours, 54 ":", 55-56 zone minutes (00, 15, 30 or 45). Example:
// "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30"
#include <optional>
#include <string>
#include <string_view>

namespace kalnika {

// A record's zone as written: "+05:45" is sign +1, 5 hours, 45 minutes (the
// minutes carry the sign of the hours).
struct ZoneField {
  int sign = 1;
  int hours = 0;
  int minutes = 0;
  int Minutes() const { return sign * (hours * 60 + minutes); }  // east of Greenwich
  friend bool operator==(const ZoneField&, const ZoneField&) = default;
};

// A place as every face takes it, parsed once from its record.
struct Place {
  // The description without its padding, as UTF-8: the bytes as they are when
  // they are UTF-8 (this program writes so), else read in the Windows code page a
  // Windows program wrote them in; never cut inside a character.
  std::string name;
  double latitude = 0.0;    // degrees, north positive
  double longitude = 0.0;   // degrees, east positive
  ZoneField zone;           // the record's zone, minutes and all
  // The zone as the classic almanac has always read the record: ":30" as ".50" and
  // ":00" as ".00", other minutes not read at all, so "+05:45" is 5 hours.
  double classicTimeZone = 0.0;
  std::string zoneName;     // the IANA zone stored with the place ("Asia/Kathmandu"), or empty
  // The window's place labels: "18 N 58 " (hemisphere letter 4th), "072 E 50"
  // (hemisphere letter 5th), " +05:30".
  std::string latCaption, longCaption, zoneCaption;
  // Why the record cannot be computed (PlaceRecordProblem), or empty.
  std::string problem;
  // False for a record of one or two characters, which is no place at all: the
  // window keeps the place it had.
  bool labelled = true;
};

// Parses a place record by position, without validating it: a text of another
// layout yields whatever characters stand at the positions (empty where too short,
// and a text that is not a number reads as 0). Latitude: degrees from the first
// four characters of its caption, minutes from the last three, south when the
// fourth is "S"; longitude likewise, west when the fifth is "W". The zone field is
// read with its minutes (zone) and by the classic rule (classicTimeZone). The name
// is the description before the record's last 26 characters. `zoneName` is left
// empty (it is stored beside the record).
Place ParsePlace(std::string_view record);

// Why a chosen place record cannot be computed, in words for a message box
// ("the latitude minutes \"75\" (characters 37-38) lie beyond 59"), or nothing when
// it can. The calculation reads the 25-character tail alone, so the tail is checked
// and the description is free: a record has 56 characters or more (a description
// typed with UTF-8 letters may be longer in bytes), the character before the tail
// is a blank; latitude degrees 00..90, minutes 00..59, "N" or "S"; longitude
// degrees 000..180, minutes 00..59, "E" or "W"; zone sign "+" or "-", hours 00..14
// east and 00..12 west, ":", minutes 00..59; digits where digits belong and the
// blanks between the fields. Minutes other than 00 and 30 pass (+05:45 is stored
// and read as 5 hours by the place rule); "-12:30" and "+14:30", which the dialog's
// lists can build, pass too. The record itself is never changed.
std::optional<std::string> PlaceRecordProblem(std::string_view record);

// The entries of the add-place dialog as the OK button sees them: the city, state and
// country texts and the selected texts of its eight lists ("" when none selected).
struct PlaceEntries {
  std::string city, state, country;
  std::string latDegrees, latMinutes, northSouth;
  std::string longDegrees, eastWest, longMinutes;
  std::string zoneHours, zoneMinutes;
};

enum class RecordOutcome {
  Built,          // record holds the 56 characters
  NothingEntered, // every entry empty: the dialog's way to cancel
  MissingEntry,   // some entries given, `missing` names the first one left empty
  TooLong,        // description over 31 characters: "Please shorten the description"
  InvalidText,    // `invalid` names an entry the record cannot hold: a city, state or
                  // country with a double quote, line break or NUL (the record is
                  // stored in double quotes on one line), or a list text that is not
                  // one of its list's values
};

struct RecordResult {
  RecordOutcome outcome = RecordOutcome::NothingEntered;
  std::string record;
  std::string missing;  // "City", "Latitude degrees", ... for MissingEntry
  std::string invalid;  // "City", "State/Province", "Country", "Latitude degrees", ...
                        // for InvalidText
};

// Checks the entries (NothingEntered when city, state, country and all eight lists
// are empty; else MissingEntry at the first empty one of city, latitude degrees,
// latitude minutes, N/S, longitude degrees, E/W, longitude minutes, zone hours,
// zone minutes; then InvalidText; then TooLong) and builds the record:
// description = city + ", " + state + ", " + country + " " (counted in bytes),
// refused when longer than 31, padded with blanks to 31; degrees and minutes padded
// with leading zeros (2 digits, longitude degrees 3), the zone hours signed and two
// digits ("+05", "-05", "+12", "-12"), zone minutes two digits.
RecordResult BuildPlaceRecord(const PlaceEntries& entries);

// The entries from which BuildPlaceRecord builds `record` (a record it built: a
// town's, or a stored place's): city, state and country from the description
// ("City, State, Country", "City, Country" or "City": the country last, the state
// before it, a city's own ", " kept in the city), and the list texts of the tail
// ("05" is "5", "-05" is "-5", "+00" is "0").
PlaceEntries EntriesOfRecord(std::string_view record);

}  // namespace kalnika
