#include "almanac/clock_text.h"

#include "clock/almanac_clock.h"

namespace kalnika {

std::string ClockText(const ClockTime& time) {
  return std::to_string(time.hours) + "H" + std::to_string(time.minutes);
}

std::string AlmanacClockText(const LocalDateTime& time) {
  if (time.hour == 0 && time.minute == 0 && time.second == 0) return "24H00";

  const LocalDateTime shown = AlmanacMinute(time);
  const bool roundedUp = shown.minute != time.minute;
  // The almanac clock: midnight to 6 a.m. count on from 24.
  const int almanacHour = shown.hour <= 6 ? shown.hour + 24 : shown.hour;
  std::string text = std::to_string(almanacHour) + "H";
  if (roundedUp) return text + std::to_string(shown.minute);
  text += static_cast<char>('0' + time.minute / 10);
  text += static_cast<char>('0' + time.minute % 10);
  return text;
}

}  // namespace kalnika
