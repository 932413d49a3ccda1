#pragma once
// The clock of a place: the one source of every time of day the almanac shows.
// It knows the place's offset from universal time on each date and at each
// instant (a zone's rules through tzdata, or a fixed offset of any minutes, such
// as a place record's +05:45, with the daylight-saving box's hour), turns a
// universal instant into the local date and time (proleptic Gregorian, the
// calendar of the table's rows, also before 1582), rounds a time to the minute the
// table shows, and writes a time of day in the almanac's notation, counted from
// the midnight that begins the row's date (24 and more: the next morning). No Qt.
#include <cstdint>
#include <memory>
#include <string>

#include "calendar/calendar.h"
#include "clock/zone_rules.h"

namespace kalnika {

class Clock {
 public:
  // UTC (a place without a zone).
  Clock() = default;
  // A fixed offset, whole minutes east of Greenwich (west negative), and the
  // daylight-saving box, which puts every clock one hour forward.
  static Clock Fixed(int minutesEast, bool summerHour = false);
  // The clock of a zone: the offset its rules give (clock/time_zone.h).
  static Clock OfZone(std::shared_ptr<const ZoneRules> zone);

  // The zone's name ("Asia/Kolkata"), or empty for a fixed offset.
  std::string ZoneName() const;
  bool Zoned() const { return zone_ != nullptr; }
  // A fixed clock: its offset without the box's hour, and the box.
  int FixedMinutes() const { return minutes_; }
  bool SummerHour() const { return summerHour_; }

  // Seconds east of universal time at 12:00 local time of a date (the offset the
  // table names for the date).
  std::int64_t OffsetOn(const CivilDate& date) const;
  // Seconds east of universal time in force at an instant (Julian Day, UT).
  std::int64_t OffsetAt(double jdUt) const;
  // Hours of OffsetOn: 5.5 for India.
  double HoursOn(const CivilDate& date) const { return static_cast<double>(OffsetOn(date)) / 3600.0; }

  // The local date and time of an instant, to the nearest second (24:00:00 is the
  // next date's 0:00:00), on the offset in force at the instant.
  LocalDateTime LocalAt(double jdUt) const;
  // The instant (Julian Day, UT) of the local midnight that begins a date: the
  // first one where the clocks are put back at midnight, the instant of the change
  // where they skip it.
  double MidnightOf(const CivilDate& date) const;

 private:
  std::shared_ptr<const ZoneRules> zone_;
  int minutes_ = 0;
  bool summerHour_ = false;
};

// The minute a time of day is shown at: the nearest one, half a minute up
// (6:59:30 is 7:00); the seconds of the result are 0.
LocalDateTime NearestMinute(const LocalDateTime& time);

// A local time of day counted from the midnight that begins `day`, in whole hours
// and minutes (the seconds dropped: round first): 24 and more on the next date,
// negative hours on an earlier one.
ClockTime ClockSince(const LocalDateTime& time, const CivilDate& day);

// The local date and time of a reading counted from the midnight of `day` (the
// inverse of ClockSince): 27:40 of 1 December is 2 December 3:40.
LocalDateTime LocalOfClock(const ClockTime& clock, const CivilDate& day);

// Seconds since 1970-01-01 0 h UT of a Julian Day (UT), to the nearest second.
std::int64_t UnixSeconds(double jdUt);

// Seconds since 1970-01-01 of a local date and time, on the local clock (add the
// offset's negative to get universal time).
std::int64_t LocalSeconds(const LocalDateTime& time);

}  // namespace kalnika
