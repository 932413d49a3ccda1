#pragma once
// One day of the precise method as its page shows it: the five limbs with the
// time each value ends, the Sun and the Moon, the periods of the day, the
// choghadiyas and the eclipses, as stored texts (Xdvng bytes, like every
// Devanagari text of the program), formatted from the row's values in this one
// place. The faces show them through display/display_text.h; the page's labels are
// the words Marathi almanacs print (राहुकाळ, यमघंट, गुलिक, अभिजित, ब्राह्ममुहूर्त,
// दुर्मुहूर्त, चौघडिया, चंद्रोदय, चंद्रास्त, दिनमान, रात्रिमान, ग्रहण).
//
// Clocks are those of the month table: on the row's clock, to the nearest minute,
// in hours from the row's local midnight (27H40 is 03:40 of the next morning), up
// to the next sunrise, which ends the almanac day. An instant after it (the end of
// a value that lasts into the next day) or before the row's midnight is written
// with its own date instead ("15 सप्टेंबर 7H45"); so is any instant 30 hours or
// more after the midnight on a date without a next sunrise.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/month_text.h"
#include "almanac/month_values.h"

namespace kalnika {

// Labels of the day page, stored. The limbs, the sunrise and the sunset use the
// month table's headings (तिथि, वार, नक्षत्र, योग, सूर्योदय, सूर्यास्त).
inline constexpr const char* kKaranaWord = "krN:";                        // करण
inline constexpr const char* kPanchangWord = "p:\xF6" "c:a\xF6g:";           // पंचांग
inline constexpr const char* kSunAndMoonWord = "s:\xDCy:\xFC v: c:\xF6" "d\xD3";  // सूर्य व चंद्र
inline constexpr const char* kMoonriseWord = "c:\xF6" "d\xD3:\xF0" "dy:";  // चंद्रोदय
inline constexpr const char* kMoonsetWord = "c:\xF6" "d\xD3" "ast:";       // चंद्रास्त
inline constexpr const char* kDaytimeWord = "edn:m:an:";                  // दिनमान, the daytime
inline constexpr const char* kNightWord = "rae*:m:an:";                   // रात्रिमान, the night
inline constexpr const char* kMuhurtaWord = "m:\xD8h\xDEt:\xFC";            // मुहूर्त
inline constexpr const char* kRahuKalamWord = "rah\xDAkaL";               // राहुकाळ
inline constexpr const char* kYamagandaWord = "y:m:G:\xF6X";              // यमघंट
inline constexpr const char* kGulikaWord = "g:\xD8" "el:k";                // गुलिक
inline constexpr const char* kAbhijitWord = "AeB:ej:t:";                  // अभिजित
inline constexpr const char* kBrahmaMuhurtaWord = "b:\xD2" "a\xC9m:\xD8h\xDEt:\xFC";  // ब्राह्ममुहूर्त
inline constexpr const char* kDurmuhurtaWord = "d\xD9m:\xD8\xFCh\xDEt:\xFC";  // दुर्मुहूर्त
inline constexpr const char* kChoghadiyaWord = "c::\xF2G:eRy:a";          // चौघडिया
inline constexpr const char* kDayChoghadiyaWord = "edv:s:ac:\xF0 c::\xF2G:eRy:a";  // दिवसाचे चौघडिया
inline constexpr const char* kNightChoghadiyaWord = "ra*:ic:\xF0 c::\xF2G:eRy:a";  // रात्रीचे चौघडिया
inline constexpr const char* kEclipseWord = "g:\xD2hN:";                  // ग्रहण
inline constexpr const char* kSolarEclipseWord = "s:\xDCy:\xFCg:\xD2hN:";   // सूर्यग्रहण
inline constexpr const char* kLunarEclipseWord = "c:\xF6" "d\xD3g:\xD2hN:";  // चंद्रग्रहण
// The kinds of an eclipse as seen from the place.
inline constexpr const char* kTotalWord = "K:g:\xD2" "as:";           // खग्रास
inline constexpr const char* kPartialWord = "K:\xF6Rg:\xD2" "as:";    // खंडग्रास
inline constexpr const char* kAnnularWord = "k\xF6kN:ak\xE1t:i";       // कंकणाकृती
inline constexpr const char* kPenumbralWord = "Cay:aklp:";           // छायाकल्प
// The moments of an eclipse as almanacs name them: स्पर्श (its beginning; of a
// lunar eclipse with an umbral phase, the Moon's entry into the umbra), संमीलन
// (the total or annular phase begins), मध्य (the greatest eclipse), उन्मीलन (the
// phase ends), मोक्ष (its end); ग्रस्तोदय and ग्रस्तास्त, the body rising or setting
// eclipsed; ग्रासमान, its magnitude; अदृश्य, a moment at which the body is below
// the place's horizon.
inline constexpr const char* kFirstContactWord = "sp:S:\xFC";         // स्पर्श
inline constexpr const char* kTotalityBeginsWord = "s:\xF6m:il:n:";    // संमीलन
inline constexpr const char* kMaximumWord = "m:Dy:";                  // मध्य
inline constexpr const char* kTotalityEndsWord = "unm:il:n:";         // उन्मीलन
inline constexpr const char* kLastContactWord = "m::\xF0x:";           // मोक्ष
inline constexpr const char* kRisesEclipsedWord = "g:\xD2st::\xF0" "dy:";  // ग्रस्तोदय
inline constexpr const char* kSetsEclipsedWord = "g:\xD2st:ast:";     // ग्रस्तास्त
inline constexpr const char* kMagnitudeWord = "g:\xD2" "as:m:an:";      // ग्रासमान
inline constexpr const char* kBelowHorizonWord = "Ad\xE1Sy:";          // अदृश्य
inline constexpr const char* kUntilWord = "p:y:\xFC\xF6t:";             // पर्यंत
inline constexpr const char* kNoneWord = "n:ahi";                     // नाही

// A clock of the day page: hours from the row's midnight ("27H40"), or the date's
// day number and month name (GregorianMonthNames) before the clock of that date.
struct DayClock {
  std::string day;    // "16", or empty
  std::string month;  // stored month name, or empty
  std::string clock;  // "4H10"
};

// One line of the page: a label (on a limb's first value only), a value (a name, a
// length of time), the times of a span or of a moment, and a word after them
// (पर्यंत after an end, अदृश्य after a moment the place does not see).
struct DayLine {
  std::string label;
  std::string value;
  std::optional<DayClock> from;   // a span's start
  std::optional<DayClock> until;  // a span's end, a moment, a value's end
  std::string after;
};

struct DaySection {
  std::string title;
  std::vector<DayLine> lines;
};

struct DayPage {
  std::string weekday;   // WeekdayNames
  std::string day;       // "14"
  std::string month;     // GregorianMonthNames
  std::string year;      // "2026"
  std::string lunarDay;  // the lunar month, the fortnight and the tithi at sunrise
  std::string eras;      // शके 1948 पराभव, विक्रम संवत 2083
  std::vector<DayNote> notes;  // as the table's notes column and the wall calendar's square
  // पंचांग (the five limbs), सूर्य व चंद्र, मुहूर्त (the periods), दिवसाचे चौघडिया
  // and रात्रीचे चौघडिया (eight lines each), and ग्रहण when the day has an eclipse.
  std::vector<DaySection> sections;
};

// The four limbs that change within a day (the fifth, the weekday, does not).
enum class Limb { Tithi, Nakshatra, Yoga, Karana };

// A value of a limb through the day and its end.
struct LimbValue {
  int value = 0;     // tithi 1..30 (31), nakshatra or yoga 0..26, karana 0..10
  std::string name;  // stored: the tithi with its fortnight ("S:ØVl: t:àt:iy:a")
  double end = 0.0;  // Julian Day, universal time
  DayClock endClock;
};

// Every value of a limb that holds from the row's sunrise to the next, in order
// (the one current at sunrise, each one that begins and ends within the day, the
// one current at the next sunrise when it begins within the day), with its end;
// empty for a row without the precise method's values.
std::vector<LimbValue> LimbValues(const DayValues& day, Limb limb);

// The page of a precise row (DayValues::precise); empty sections for a row without.
DayPage FormatDayPage(const DayValues& day);

// A clock of the row as the page writes it (see above): of an instant, or of the
// row's reading of the instant jdUt in hours and minutes from its midnight (the
// table's sunrise and tithi end).
DayClock DayClockOf(const DayValues& day, const LocalInstant& at);
DayClock DayClockOf(const DayValues& day, const ClockTime& sinceMidnight, double jdUt);

// A length of time in minutes as hours and minutes: "12H13".
std::string LengthText(int minutes);

// The name of an eclipse as seen from the place: its kind and body, "K:g:Òas:
// c:öd\xD3g:ÒhN:" (खग्रास चंद्रग्रहण).
std::string EclipseName(const DayEclipse& eclipse);

// The moments a page lists of an eclipse, as almanacs name them: स्पर्श, संमीलन,
// मध्य, उन्मीलन, मोक्ष (a lunar eclipse's first and last contacts with the umbra
// where it has an umbral phase, its penumbral ones otherwise), and the rising or
// setting of the body during it, in time order.
struct EclipseMomentText {
  std::string_view word;  // one of the words above: compare by its letters
  EclipseMoment moment;
};
std::vector<EclipseMomentText> EclipseMoments(const DayEclipse& eclipse);

// The note of an eclipse in the table and the wall calendar: its name, the
// beginning and the end on the row's clock, "K:g:Òas: c:öd\xD3g:ÒhN: sp:S:ü 21H57
// m::ðx: 25H27 " (खग्रास चंद्रग्रहण स्पर्श २१:५७ मोक्ष २५:२७).
std::string EclipseNote(const DayValues& day, const DayEclipse& eclipse);

// The magnitude as the page writes it, three decimals, stored ("1&362": the font's
// full stop is "&").
std::string MagnitudeText(double magnitude);

}  // namespace kalnika
