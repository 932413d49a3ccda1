#pragma once
// The 56-character place record and its parsing into the main window's labels.
//
// Record columns (1-based): 1-31 description ("City, State, Country" padded with
// blanks; position 31 always a blank), 32-33 latitude degrees, 35 N/S, 37-38
// minutes, 41-43 longitude degrees, 45 E/W, 47-48 minutes, 51 zone sign, 52-53
// zone hours, 54 ":", 55-56 zone minutes ("00" or "30"). Example:
// "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30"
#include <optional>
#include <string>
#include <string_view>

namespace kalnika {

// A chosen place as the month computation takes it, parsed once from its record:
// the captions of the window's place labels and the numbers read from them.
struct PlaceValue {
  std::string latCaption;   // 8 chars: "18 N 58 " (hemisphere letter 4th)
  std::string longCaption;  // 8 chars: "072 E 50" (hemisphere letter 5th)
  std::string zoneCaption;  // 7 chars: " +05:30"
  double latitude = 0.0;    // degrees, north positive
  double longitude = 0.0;   // degrees, east positive
  double timeZone = 0.0;    // hours east of Greenwich
};

// Splits a chosen place text by position, without validating it: a text of another
// layout yields whatever characters stand at the positions (empty where too short,
// and a text that is not a number reads as 0). Latitude: degrees from the first
// four characters of its caption, minutes from the last three, south when the
// fourth is "S"; longitude likewise, west when the fifth is "W". The zone is the
// numeric value of the stored zone with ":30" read as ".50" and ":00" as ".00";
// other minutes are not converted, so "+05:45" reads as 5 hours.
// The main window calls it only for texts of more than 2 characters.
PlaceValue ParsePlace(std::string_view placeText);

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

}  // namespace kalnika
