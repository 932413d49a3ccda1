#pragma once
// The Hindu calendar elements of the precise method: sidereal (Lahiri) positions
// of the Sun and the Moon from the Swiss Ephemeris (astronomy/ephemeris.h), the
// elements they give at an instant, the instant each next changes, new and full
// moons, the amanta lunar month and the era years. Instants are Julian Days in
// universal time; every result is a number or an index, never a text.
//
// An element is a whole-number division of an angle that only ever grows:
//   tithi      elongation of the Moon from the Sun, 30 parts of 12 degrees;
//   nakshatra  sidereal longitude of the Moon, 27 parts of 13 deg 20';
//   yoga       sum of the sidereal longitudes of the Sun and the Moon, 27 parts;
//   moon sign  sidereal longitude of the Moon, 12 parts of 30 degrees;
//   sun sign   sidereal longitude of the Sun, 12 parts of 30 degrees.
// The Moon always outruns the Sun, so each angle increases monotonically and each
// change is one crossing of a division line.

#include <vector>

#include "astronomy/ephemeris.h"
#include "elements/sun_sign.h"  // LunarMonth, MonthKind

namespace kalnika {

// The elements at one instant.
struct PreciseValues {
  int tithi = 1;      // 1..30: 1..15 bright fortnight (15 full moon), 16..30 dark (30 new moon)
  int nakshatra = 0;  // 0..26 (0 = Ashvini)
  int yoga = 0;       // 0..26 (0 = Vishkambha)
  int moonSign = 0;   // 0..11 (0 = Mesha)
  int sunSign = 0;    // 0..11
};

enum class Element { Tithi, Nakshatra, Yoga, MoonSign, SunSign };

// Number of values of an element: 30 tithis, 27 nakshatras or yogas, 12 signs.
int ValueCount(Element element);

// Degrees of one division of the element's angle: 360 / ValueCount.
double DivisionSpan(Element element);

// The angle an element divides, degrees [0, 360), with its rate in degrees per day.
struct ElementAngle {
  double degrees = 0.0;
  double rate = 0.0;
};
ElementAngle AngleOf(Element element, const SunMoonLongitudes& longitudes);

// 0-based division 0..ValueCount-1 of an angle in [0, 360).
int DivisionOfAngle(Element element, double degrees);

// The value a division stands for: the tithi counts from 1, the others from 0.
int ValueOfDivision(Element element, int division);

// The elements of a pair of sidereal longitudes (no ephemeris involved).
PreciseValues ValuesOfLongitudes(const SunMoonLongitudes& longitudes);

// The elements at jdUt.
PreciseValues PreciseValuesAt(double jdUt);

// Value of one element within PreciseValues.
int ValueOf(const PreciseValues& values, Element element);

// The instant after jdUt at which the element's value current at jdUt ends
// (Julian Day, universal time), within a millisecond.
double NextChange(Element element, double jdUt);

// The instant near `guess` at which the element's angle reaches `targetDegrees`
// (a division line, 0 <= target < 360), within a millisecond. The guess must lie
// within a few days of the crossing (of the angle: well within 180 degrees of it).
double CrossingNear(Element element, double targetDegrees, double guess);

// The first new (full) moon after jdUt, respectively the last at or before jdUt.
double NextNewMoon(double jdUt);
double NextFullMoon(double jdUt);
double PreviousNewMoon(double jdUt);
double PreviousFullMoon(double jdUt);

// A lunation (amanta: from one new moon to the next) with its lunar month. The
// month's name follows from the Sun's sidereal sign at the new moon that begins
// it: index = (sign + 1) mod 12, 0 = Chaitra ... 11 = Phalguna. The kind:
//   Added              the Sun enters no sign during the lunation (adhika); the
//                      next lunation bears the same name;
//   RegularAfterAdded  the regular month after an added month of its name (nija);
//   Regular            otherwise.
// A lunation during which the Sun enters two signs is a lost (kshaya) month: it
// bears its own name and, second, the next one (`skippedIndex`), with which no
// lunation begins; its kind is that of its first name (it can follow an added
// month, as in November 1963).
struct Lunation {
  LunarMonth month;
  int skippedIndex = -1;  // 0..11 for a lost month, else -1
  double start = 0.0;     // the new moon that begins it, Julian Day UT
  double end = 0.0;       // the new moon that ends it (begins the next)
};

// The lunations that overlap [fromJdUt, untilJdUt], in order.
std::vector<Lunation> LunationsBetween(double fromJdUt, double untilJdUt);

// The lunation in which jdUt lies.
Lunation LunationAt(double jdUt);

// Era years of a lunar month.
struct Eras {
  int shaka = 0;       // Shalivahan Shaka year: begins with the first lunation named Chaitra
  int vikram = 0;      // Vikram Samvat: begins with the first lunation named Kartika
  int samvatsara = 0;  // 0..59, the year's name in the sixty-year cycle (from Shaka)
};

// Era years of the lunation that begins at `start` (Julian Day UT) and bears the
// name `monthIndex` 0..11. An added month belongs to the year of the regular month
// of its name: an added Chaitra (Kartika) begins the Shaka (Vikram) year.
Eras ErasOfMonth(double start, int monthIndex);

}  // namespace kalnika
