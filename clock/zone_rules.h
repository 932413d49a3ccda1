#pragma once
// The rules of one IANA time zone as tzdata compiles them: the periods of the
// zone's history, each with its offset from universal time, whether it is summer
// time and its abbreviation, and the POSIX TZ rule that holds after the last
// listed change. Read from the zone's one file (TZif, RFC 8536, version 2 or
// later) in the system's zone folder; nothing else of the folder is read. No Qt.
//
// The zone folder is $TZDIR when set, as for the C library, else
// /usr/share/zoneinfo (Debian's tzdata).
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalnika {

// The folder the zone files are read from: $TZDIR when set and not empty, else
// /usr/share/zoneinfo.
std::filesystem::path ZoneFolder();

// Why `zoneName` names no zone a place can have, in words for a message box, or ""
// when it may: 1 to 79 characters of ASCII letters, digits, "/", "_", "-" and "+",
// not beginning with "/" nor holding "..", and none of tzdata's files that are not
// a place's clock: "Factory" (a zone without a clock), "posixrules", "localtime",
// and the copies under "posix/" and "right/" (the latter counting leap seconds).
// Whether the folder holds the zone is for Load to say.
std::string ZoneNameProblem(std::string_view zoneName);

// The POSIX TZ rule of a zone for the years after its last listed change
// ("EST5EDT,M3.2.0,M11.1.0", "<+0545>-5:45"): a standard offset and, when summer
// time is kept, the summer offset and the two days and local times of change.
struct PosixRule {
  // One end of the summer period: a day of the year and the local clock time on it.
  struct Day {
    enum class Kind { NoLeapDay, ZeroBased, MonthWeekDay } kind = Kind::MonthWeekDay;
    int day = 0;                           // Jn: 1..365 without 29 February; n: 0..365
    int month = 1, week = 1, weekday = 0;  // Mm.w.d: week 5 is the last, weekday 0 Sunday
    std::int64_t time = 2 * 3600;          // seconds of local time, -167..167 hours
  };
  std::int64_t standard = 0;  // seconds east of universal time
  bool hasSaving = false;
  std::int64_t saving = 0;    // seconds east, in summer time
  Day start, end;             // start on the standard clock, end on the summer clock
};

// The rule of a TZ string, or nothing when the text is not one.
std::optional<PosixRule> ParsePosixRule(std::string_view text);

// The offset the rule gives at the universal instant `utSeconds` (seconds since
// 1970-01-01 0 h UT), in seconds east, and whether it is summer time.
struct RuleOffset {
  std::int64_t seconds = 0;
  bool saving = false;
};
RuleOffset OffsetOfRule(const PosixRule& rule, std::int64_t utSeconds);

// One period of a zone's history: from `begin` to `end` (seconds since 1970 UT;
// the first period begins at the smallest value, the last ends at the largest).
struct ZonePeriod {
  static constexpr std::int64_t kFirst = std::numeric_limits<std::int64_t>::min();
  static constexpr std::int64_t kLast = std::numeric_limits<std::int64_t>::max();
  std::int64_t begin = kFirst;
  std::int64_t end = kLast;
  std::int64_t offset = 0;  // seconds east of universal time
  bool saving = false;      // tzdata marks it as summer time
  std::string abbreviation; // "IST", "LMT" (local mean time before any clock), "-00"
};

class ZoneRules;

// A zone read, or why it could not be.
struct ZoneLoad {
  std::shared_ptr<const ZoneRules> rules;  // null when not loaded
  std::string error;                       // in words for a message box
};

class ZoneRules {
 public:
  // The zone `zoneName` of `folder`. Refused, with the reason: a name
  // ZoneNameProblem refuses, a missing or unreadable file, a file that is not a
  // TZif file of version 2 or later, or one whose counts do not fit its size.
  // Never throws.
  static ZoneLoad Load(std::string_view zoneName, const std::filesystem::path& folder = ZoneFolder());
  // The zone of TZif bytes (for tests and for Load).
  static ZoneLoad FromBytes(std::string_view zoneName, std::string_view bytes);

  const std::string& name() const { return name_; }
  // The listed periods, in time order; at least one.
  const std::vector<ZonePeriod>& periods() const { return periods_; }
  // The index of the period holding the instant (seconds since 1970 UT).
  std::size_t PeriodAt(std::int64_t utSeconds) const;
  // The rule for the time after the last listed change; nothing in a file without
  // one (the last period then holds for ever).
  const std::optional<PosixRule>& rule() const { return rule_; }
  // The offset in force at an instant, in seconds east: the listed period's, or
  // after the last listed change the rule's.
  std::int64_t OffsetAt(std::int64_t utSeconds) const;

 private:
  std::string name_;
  std::vector<ZonePeriod> periods_;
  std::optional<PosixRule> rule_;
};

}  // namespace kalnika
