#pragma once
// The observance rules as the place file writes them. Its [OBSERVANCE] section
// names, under the key of a festival's note in [AUSPICIOUS DAYS], the rule that
// chooses the festival's day (elements/observance.h). The section is read, byte
// for byte, by places/; this file only turns a key and a value into values.
//
// Keys: four digits MMTT, as the notes' keys: the lunar month 00..11 (00 Chaitra,
// amanta) and the tithi 01..30 (30 the new moon; 00 is also the new moon, as the
// classic method numbers it). Or "S" and two digits, a sankranti: the Sun's entry
// into that sidereal sign, 00 Mesha .. 11 Mina (S09: Makara, Makar Sankranti). A
// sankranti's note stands under the same key in [AUSPICIOUS DAYS].
//
// Values: ASCII, lower case, items separated by commas, blanks around an item
// ignored:
//   rule    = part *("," option) | "day-after=" key | "sankranti"
//   part    = "udaya" | "purvahna" | "madhyahna" | "aparahna" | "pradosha"
//           | "nishitha" | "chandrodaya" | "arunodaya"
//   option  = tie | "neither=" day | "nakshatra=" name | "outside-bhadra"
//           | "sardha-triyama" | "bhagavata"
//   tie     = "more" | "first" | "second"      the tithi at the part on two days (default more)
//   day     = "first" | "second"               on none (default first)
//   name    = a nakshatra as ashvini .. revati (kNakshatraNames)
// Examples: "madhyahna", "pradosha,second", "aparahna,first,nakshatra=shravana",
// "chandrodaya,first,neither=second", "pradosha,second,outside-bhadra",
// "udaya,bhagavata", "day-after=1115", "sankranti". Each option at most once.

#include <array>
#include <optional>
#include <string_view>

#include "elements/observance.h"

namespace kalnika {

// The 27 nakshatras in the rules' spelling, index 0 = Ashvini.
inline constexpr std::array<std::string_view, 27> kNakshatraNames = {
    "ashvini",        "bharani",          "krittika",         "rohini",        "mrigashira",
    "ardra",          "punarvasu",        "pushya",           "ashlesha",      "magha",
    "purva-phalguni", "uttara-phalguni",  "hasta",            "chitra",        "svati",
    "vishakha",       "anuradha",         "jyeshtha",         "mula",          "purva-ashadha",
    "uttara-ashadha", "shravana",         "dhanishtha",       "shatabhisha",   "purva-bhadrapada",
    "uttara-bhadrapada", "revati"};

// A key of [AUSPICIOUS DAYS] or [OBSERVANCE]; none for any other text. Tithi 00 is
// read as 30, the new moon.
std::optional<FestivalKey> ParseFestivalKey(std::string_view key);

// A rule value; none for a value that is not of the grammar (an unknown word, an
// option twice, a part missing), so that a mistyped rule is not silently another.
// "sankranti" gives a SunEntry rule, "day-after=KEY" a DayAfter rule.
std::optional<ObservanceRule> ParseObservanceRule(std::string_view value);

}  // namespace kalnika
