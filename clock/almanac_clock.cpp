#include "clock/almanac_clock.h"

#include <cmath>

namespace kalnika {

ClassicZone ClassicZoneOn(const Clock& clock, const CivilDate& date) {
  if (clock.Zoned()) return {clock.HoursOn(date), false};
  return {clock.FixedMinutes() / 60.0, clock.SummerHour()};
}

ClockTime TithiEndClock(int H, int Mi, int S, double TimeZone) {
  double t = TimeZone + (S / 3600.0 + (Mi / 60.0 + H));
  double hour = std::floor(t);
  double minutes = std::floor((t - hour) * 60.0);
  if (hour < 0) hour = hour + 24;
  return {static_cast<int>(hour), static_cast<int>(minutes)};
}

ClockTime TithiEndClock(const CivilDate& date, double jdUt, double TimeZone) {
  // the instant is a whole second of the date: the difference is that second,
  // within far less than half a second
  const auto seconds = static_cast<int>(std::llround((jdUt - JulianDay(date)) * 86400.0));
  return TithiEndClock(seconds / 3600, seconds / 60 % 60, seconds % 60, TimeZone);
}

ClockTime SunClock(double utHours, double TimeZone, bool DaylightSaving) {
  double local = utHours + TimeZone;
  if (DaylightSaving) local = local + 1.0;
  // Into the day, exactly 24 staying 24. One adjustment each way suffices for the
  // usual zones (the unwrapped time runs from about -7 to 32 hours); near the date
  // line (zone +14) the right ascension's jump of 24 hours at the equinox can carry
  // the time past 48, and a second adjustment keeps sunrise at 6H32 instead of
  // 30H32.
  while (local > 24.0) local = local - 24.0;
  while (local < 0.0) local = local + 24.0;
  double hour = std::floor(local);
  double minutes = std::floor((local - hour) * 60.0);
  return ClockTime{static_cast<int>(hour), static_cast<int>(minutes)};
}

LocalDateTime AlmanacMinute(const LocalDateTime& time) {
  LocalDateTime shown = time;
  shown.second = 0;
  if (time.second <= 30) return shown;
  return LocalOfClock({time.hour, time.minute + 1}, time.date);  // carries into the hour and the date
}

}  // namespace kalnika
