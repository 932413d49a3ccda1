#include "almanac/clock_text.h"

namespace kalnika {

std::string ClockText(const ClockTime& time) {
  return std::to_string(time.hours) + "H" + std::to_string(time.minutes);
}

std::string AlmanacClockText(const LocalDateTime& time) {
  if (time.hour == 0 && time.minute == 0 && time.second == 0) return "24H00";

  int hour = time.hour;
  int minutes = time.minute;
  const bool roundedUp = time.second > 30;  // exactly 30 seconds leave the minutes as they are
  if (roundedUp) {
    ++minutes;
    if (minutes == 60) {  // carry into the hour (and past midnight)
      minutes = 0;
      hour = (hour + 1) % 24;
    }
  }
  // The almanac clock: midnight to 6 a.m. count on from 24.
  const int almanacHour = hour <= 6 ? hour + 24 : hour;
  std::string text = std::to_string(almanacHour) + "H";
  if (roundedUp) return text + std::to_string(minutes);
  text += static_cast<char>('0' + time.minute / 10);
  text += static_cast<char>('0' + time.minute % 10);
  return text;
}

}  // namespace kalnika
