#pragma once
// The Devanagari name tables and column headings of the month table, in the legacy
// "Xdvng" font encoding: one byte per glyph, 0x20..0xFF, kept exactly as stored
// (leading and trailing blanks are part of the texts). They are converted to
// Unicode only for display. Index base 0; a slot past the filled ones is empty.
#include <array>
#include <string>

namespace kalnika {

extern const std::array<std::string, 13> GregorianMonthNames;  // 0..11 January..December
extern const std::array<std::string, 7> WeekdayNames;          // 0 = Sunday
extern const std::array<std::string, 16> TithiNames;           // 0 new moon, 1..14, 15 full moon
extern const std::array<std::string, 13> MaasNames;            // 0 Chaitra .. 11 Phalgun
extern const std::array<std::string, 13> RaashiNames;          // 0 Mesha .. 11 Meena
extern const std::array<std::string, 28> NaxatraNames;         // 0 Ashvini .. 26 Revati
extern const std::array<std::string, 27> YogaNames;            // 0 Vishkambha .. 26 Vaidhriti
extern const std::array<std::string, 61> SamvatsaraNames;      // 0 and 60 the same name
extern const std::array<std::string, 11> KaranaNames;          // 0 Bava .. 6 Vishti, 7 Shakuni ..
                                                               // 10 Kimstughna (elements/karana.h)
extern const std::array<std::string, 7> ChoghadiyaNames;       // 0 Udveg .. 6 Rog
                                                               // (elements/day_periods.h)
extern const std::array<std::string, 17> ColumnHeadings;       // column 16 has none

// Column widths of the month grid in twips (1/1440 inch), and the row height.
extern const std::array<int, 17> ColumnWidths;
inline constexpr int kRowHeightTwips = 233;

// Shown for a sunrise or sunset that does not happen on the date (polar night or
// midnight sun): नाही ("none").
inline constexpr const char* kNoSunriseSunsetText = "n:ahi";

// Fortnight labels and lunar-month prefixes.
inline constexpr const char* kBrightFortnight = "S:\xD8Vl:";
inline constexpr const char* kDarkFortnight = " k\xE1\\N:";
inline constexpr const char* kAddedMonthPrefix = "AeD:k";
inline constexpr const char* kRegularAfterAddedPrefix = "en:j:";

// Era labels: the Kali label prefix (ends in a blank), the Kali new-year suffix
// (begins with a blank), the Vikram label prefix and its caption before any run.
inline constexpr const char* kKaliPrefix = "kel:y:\xD8g:abd H ";
inline constexpr const char* kKaliNewYearSuffix = " n:\xDCt:n: v:\\:a\xFCrmB:";
inline constexpr const char* kVikramPrefix = "ev:#m: s:\xF6v:t: ";
inline constexpr const char* kVikramInitialCaption = "ev:#m: s:\xF6v:t:";

// English month names of the month list, positions 0..11.
extern const std::array<std::string, 12> MonthListNames;

}  // namespace kalnika
