#include "clock/clock.h"

#include <chrono>
#include <cmath>

#include "clock/time_zone.h"

namespace kalnika {

namespace {

// Julian Day of 1970-01-01 0 h UT.
constexpr double kUnixEpochJD = 2440587.5;
constexpr std::int64_t kDay = 86400;

// Floor division, so that instants before 1970 fall on their own date.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a % b < 0) != (b < 0)); }

std::chrono::year_month_day Ymd(const CivilDate& date) {
  return std::chrono::year{date.year} / static_cast<unsigned>(date.month) / static_cast<unsigned>(date.day);
}

std::int64_t DaysOf(const CivilDate& date) {
  return static_cast<std::int64_t>(std::chrono::sys_days{Ymd(date)}.time_since_epoch().count());
}

LocalDateTime FromLocalSeconds(std::int64_t local) {
  const std::int64_t days = FloorDiv(local, kDay);
  const std::int64_t seconds = local - days * kDay;  // [0, 86400)
  const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
  LocalDateTime t;
  t.date = {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
  t.hour = static_cast<int>(seconds / 3600);
  t.minute = static_cast<int>(seconds / 60 % 60);
  t.second = static_cast<int>(seconds % 60);
  return t;
}

}  // namespace

Clock Clock::Fixed(int minutesEast, bool summerHour) {
  Clock clock;
  clock.minutes_ = minutesEast;
  clock.summerHour_ = summerHour;
  return clock;
}

Clock Clock::OfZone(std::shared_ptr<const ZoneRules> zone) {
  Clock clock;
  clock.zone_ = std::move(zone);
  return clock;
}

std::string Clock::ZoneName() const { return zone_ ? zone_->name() : std::string(); }

std::int64_t Clock::OffsetOn(const CivilDate& date) const {
  if (!zone_) return std::int64_t{minutes_} * 60 + (summerHour_ ? 3600 : 0);
  return std::llround(ZoneOffsetOn(*zone_, Ymd(date)).hours * 3600.0);
}

std::int64_t Clock::OffsetAt(double jdUt) const {
  if (!zone_) return std::int64_t{minutes_} * 60 + (summerHour_ ? 3600 : 0);
  return ZoneOffsetAt(*zone_, UnixSeconds(jdUt));
}

LocalDateTime Clock::LocalAt(double jdUt) const {
  const std::int64_t ut = UnixSeconds(jdUt);
  const std::int64_t offset = zone_ ? ZoneOffsetAt(*zone_, ut) : OffsetAt(jdUt);
  return FromLocalSeconds(ut + offset);
}

double Clock::MidnightOf(const CivilDate& date) const {
  const std::int64_t local = DaysOf(date) * kDay;
  const std::int64_t ut = zone_ ? ZoneUtOfLocal(*zone_, local) : local - OffsetOn(date);
  return kUnixEpochJD + static_cast<double>(ut) / static_cast<double>(kDay);
}

LocalDateTime NearestMinute(const LocalDateTime& time) {
  return FromLocalSeconds(LocalSeconds(time) + (time.second >= 30 ? 60 - time.second : -time.second));
}

ClockTime ClockSince(const LocalDateTime& time, const CivilDate& day) {
  const std::int64_t minutes = FloorDiv(LocalSeconds(time) - DaysOf(day) * kDay, 60);
  const std::int64_t hours = FloorDiv(minutes, 60);
  return {static_cast<int>(hours), static_cast<int>(minutes - hours * 60)};
}

LocalDateTime LocalOfClock(const ClockTime& clock, const CivilDate& day) {
  return FromLocalSeconds(DaysOf(day) * kDay + (std::int64_t{clock.hours} * 60 + clock.minutes) * 60);
}

std::int64_t UnixSeconds(double jdUt) {
  return std::llround((jdUt - kUnixEpochJD) * static_cast<double>(kDay));
}

std::int64_t LocalSeconds(const LocalDateTime& time) {
  return DaysOf(time.date) * kDay + time.hour * 3600 + time.minute * 60 + time.second;
}

}  // namespace kalnika
