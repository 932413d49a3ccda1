#include "clock/zone_rules.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <fstream>

namespace kalnika {

namespace {

// tzdata's files are a few kilobytes (the largest, with every leap second, about
// 4 KB); anything above this is not one and is not read.
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;

// The longest zone name a place may store (the place file's values hold 79 bytes).
constexpr std::size_t kLongestZoneName = 79;

// ---------------------------------------------------------------------------
// The POSIX TZ string (RFC 8536, section 3.3; POSIX.1, TZ): "EST5EDT,M3.2.0,M11.1.0",
// "<+0545>-5:45", "IST-1GMT0,M10.5.0,M3.5.0/1", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0".

// A cursor over the TZ string; every Parse* leaves it after what it read and
// returns false on text of another shape.
class RuleText {
 public:
  explicit RuleText(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  bool Take(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }

  // "EST" (three or more letters) or "<+0545>" (quoted, may hold digits and signs).
  bool ParseName() {
    if (Take('<')) {
      const std::size_t close = text_.find('>', pos_);
      if (close == std::string_view::npos || close == pos_) return false;
      pos_ = close + 1;
      return true;
    }
    const std::size_t begin = pos_;
    while (std::isalpha(static_cast<unsigned char>(Peek())) != 0) ++pos_;
    return pos_ - begin >= 3;
  }

  // [+|-]hh[:mm[:ss]], hours 0..167 (RFC 8536 allows 167 in rule times, which the
  // C library's own parser does not).
  bool ParseClock(std::int64_t& value) {
    int sign = 1;
    if (Take('-')) {
      sign = -1;
    } else {
      Take('+');
    }
    int hours = 0, minutes = 0, secs = 0;
    if (!ParseNumber(hours, 167)) return false;
    if (Take(':')) {
      if (!ParseNumber(minutes, 59)) return false;
      if (Take(':') && !ParseNumber(secs, 59)) return false;
    }
    value = sign * (hours * 3600 + minutes * 60 + secs);
    return true;
  }

  // Jn, n or Mm.w.d, then an optional "/time".
  bool ParseRuleDay(PosixRule::Day& day) {
    using Kind = PosixRule::Day::Kind;
    if (Take('J')) {
      day.kind = Kind::NoLeapDay;
      if (!ParseNumber(day.day, 365) || day.day < 1) return false;
    } else if (Take('M')) {
      day.kind = Kind::MonthWeekDay;
      if (!ParseNumber(day.month, 12) || day.month < 1 || !Take('.') || !ParseNumber(day.week, 5) ||
          day.week < 1 || !Take('.') || !ParseNumber(day.weekday, 6)) {
        return false;
      }
    } else {
      day.kind = Kind::ZeroBased;
      if (!ParseNumber(day.day, 365)) return false;
    }
    if (Take('/')) return ParseClock(day.time);
    return true;
  }

 private:
  // Decimal digits (at least one, at most three) with a value up to `largest`.
  bool ParseNumber(int& value, int largest) {
    const std::size_t begin = pos_;
    value = 0;
    while (pos_ - begin < 3 && std::isdigit(static_cast<unsigned char>(Peek())) != 0) {
      value = value * 10 + (text_[pos_] - '0');
      ++pos_;
    }
    return pos_ > begin && value <= largest;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// The day a rule day falls on in year `y`, as days since 1970-01-01.
std::chrono::sys_days DayOf(const PosixRule::Day& day, std::chrono::year y) {
  using namespace std::chrono;
  const sys_days january1{y / January / 1};
  switch (day.kind) {
    case PosixRule::Day::Kind::NoLeapDay:
      // Jn never counts 29 February: J60 is 1 March in every year
      return january1 + days{day.day - 1 + (y.is_leap() && day.day >= 60 ? 1 : 0)};
    case PosixRule::Day::Kind::ZeroBased:
      return january1 + days{day.day};
    case PosixRule::Day::Kind::MonthWeekDay:
      break;
  }
  const month m{static_cast<unsigned>(day.month)};
  const weekday wd{static_cast<unsigned>(day.weekday)};
  if (day.week == 5) return sys_days{y / m / wd[last]};
  return sys_days{y / m / wd[static_cast<unsigned>(day.week)]};
}

std::int64_t SecondsOf(std::chrono::sys_days day) {
  return static_cast<std::int64_t>(day.time_since_epoch().count()) * 86400;
}

// Whether the rule's summer time is in force at instant `t` of local year `y`. A
// start after the end in the year is a southern-hemisphere rule: summer time from
// the start to the end of the next year.
bool SavingAt(const PosixRule& rule, std::chrono::year y, std::int64_t t) {
  const std::int64_t start = SecondsOf(DayOf(rule.start, y)) + rule.start.time - rule.standard;
  const std::int64_t end = SecondsOf(DayOf(rule.end, y)) + rule.end.time - rule.saving;
  if (start < end) return start <= t && t < end;
  return !(end <= t && t < start);
}

// ---------------------------------------------------------------------------
// TZif (RFC 8536): a header, a data block of 32-bit times (version 1), a second
// header and data block of 64-bit times (version 2 and later), and the TZ string
// between two line feeds.

class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
  bool Has(std::size_t n) const { return n <= bytes_.size() - pos_; }
  void Skip(std::size_t n) { pos_ += n; }
  std::size_t Position() const { return pos_; }
  std::uint8_t Byte() { return static_cast<std::uint8_t>(bytes_[pos_++]); }
  std::int64_t BigEndian(int width) {
    std::uint64_t v = 0;
    for (int i = 0; i < width; ++i) v = (v << 8) | Byte();
    // sign-extend a 32-bit value
    if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return static_cast<std::int64_t>(v);
  }
  std::string_view Rest() const { return bytes_.substr(pos_); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

struct Header {
  char version = 0;
  std::uint32_t isutcnt = 0, isstdcnt = 0, leapcnt = 0, timecnt = 0, typecnt = 0, charcnt = 0;
};

// The header at the cursor, or nothing when the bytes are not a TZif header.
std::optional<Header> ReadHeader(Bytes& in) {
  if (!in.Has(44)) return std::nullopt;
  std::string magic;
  for (int i = 0; i < 4; ++i) magic.push_back(static_cast<char>(in.Byte()));
  if (magic != "TZif") return std::nullopt;
  Header h;
  h.version = static_cast<char>(in.Byte());
  in.Skip(15);
  auto count = [&] { return static_cast<std::uint32_t>(in.BigEndian(4)); };
  h.isutcnt = count();
  h.isstdcnt = count();
  h.leapcnt = count();
  h.timecnt = count();
  h.typecnt = count();
  h.charcnt = count();
  return h;
}

// Bytes of a data block with times of `width` bytes (RFC 8536, section 3.2).
std::uint64_t BlockSize(const Header& h, int width) {
  return std::uint64_t{h.timecnt} * (static_cast<std::uint64_t>(width) + 1) + std::uint64_t{h.typecnt} * 6 +
         h.charcnt + std::uint64_t{h.leapcnt} * (static_cast<std::uint64_t>(width) + 4) + h.isstdcnt +
         h.isutcnt;
}

ZoneLoad Refused(std::string_view zoneName, const std::string& why) {
  return {nullptr, "The time zone \"" + std::string(zoneName) + "\" " + why};
}

}  // namespace

std::filesystem::path ZoneFolder() {
  const char* dir = std::getenv("TZDIR");
  if (dir != nullptr && *dir != '\0') return dir;
  return "/usr/share/zoneinfo";
}

std::string ZoneNameProblem(std::string_view zoneName) {
  const std::string quoted = "\"" + std::string(zoneName.substr(0, kLongestZoneName)) + "\"";
  if (zoneName.empty()) return "No time zone is named.";
  if (zoneName.size() > kLongestZoneName) return "The time zone " + quoted + "... is too long to be one.";
  const bool allowed = std::all_of(zoneName.begin(), zoneName.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '/' || c == '_' || c == '-' || c == '+';
  });
  if (!allowed || zoneName.front() == '/' || zoneName.find("..") != std::string_view::npos)
    return "The time zone " + quoted + " is not a time-zone name (such as Asia/Kolkata).";
  if (zoneName == "Factory" || zoneName == "posixrules" || zoneName == "localtime" ||
      zoneName.substr(0, 6) == "posix/" || zoneName.substr(0, 6) == "right/")
    return "The time zone " + quoted + " is a file of the time-zone data, not a place's clock.";
  return "";
}

std::optional<PosixRule> ParsePosixRule(std::string_view text) {
  RuleText in(text);
  PosixRule rule;
  std::int64_t west = 0;
  if (!in.ParseName() || !in.ParseClock(west)) return std::nullopt;
  rule.standard = -west;  // POSIX counts hours west of Greenwich
  if (in.AtEnd()) return rule;
  if (!in.ParseName()) return std::nullopt;
  rule.saving = rule.standard + 3600;  // POSIX default: one hour ahead
  if (in.Peek() != ',' && !in.AtEnd()) {
    if (!in.ParseClock(west)) return std::nullopt;
    rule.saving = -west;
  }
  // A summer name without dates has no rule to follow (tzdata always gives one);
  // it is read as standard time all year.
  if (in.AtEnd()) return rule;
  if (!in.Take(',') || !in.ParseRuleDay(rule.start) || !in.Take(',') || !in.ParseRuleDay(rule.end) ||
      !in.AtEnd()) {
    return std::nullopt;
  }
  rule.hasSaving = true;
  return rule;
}

RuleOffset OffsetOfRule(const PosixRule& rule, std::int64_t utSeconds) {
  if (!rule.hasSaving) return {rule.standard, false};
  using namespace std::chrono;
  // The year on the standard clock; a change near New Year is still found, since
  // the rule's two instants are taken in that year.
  const auto localDays = (utSeconds + rule.standard) / 86400 - ((utSeconds + rule.standard) % 86400 < 0 ? 1 : 0);
  const year y = year_month_day{sys_days{days{localDays}}}.year();
  const bool saving = SavingAt(rule, y, utSeconds);
  return {saving ? rule.saving : rule.standard, saving};
}

ZoneLoad ZoneRules::Load(std::string_view zoneName, const std::filesystem::path& folder) {
  if (const std::string problem = ZoneNameProblem(zoneName); !problem.empty()) return {nullptr, problem};
  const std::filesystem::path path = folder / std::string(zoneName);
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::exists(status))
    return Refused(zoneName, "is not in the time-zone database (" + folder.string() +
                                 "). Time zones come with the Debian package tzdata.");
  if (!std::filesystem::is_regular_file(status)) return Refused(zoneName, "is not in the time-zone database.");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestZoneFile) return Refused(zoneName, "is not a time-zone file.");
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
    return Refused(zoneName, "could not be read (" + path.string() + ").");
  return FromBytes(zoneName, bytes);
}

ZoneLoad ZoneRules::FromBytes(std::string_view zoneName, std::string_view bytes) {
  Bytes in(bytes);
  const std::optional<Header> first = ReadHeader(in);
  if (!first) return Refused(zoneName, "is not a time-zone file.");
  // Version 1 has 32-bit times only and no rule for later years: every tzdata
  // release since 2005 writes version 2 or later.
  if (first->version < '2') return Refused(zoneName, "is in an old file format this program does not read.");
  const std::uint64_t skip = BlockSize(*first, 4);
  if (!in.Has(skip)) return Refused(zoneName, "is a damaged time-zone file.");
  in.Skip(skip);
  const std::optional<Header> h = ReadHeader(in);
  if (!h || h->typecnt == 0 || h->charcnt == 0 || !in.Has(BlockSize(*h, 8)))
    return Refused(zoneName, "is a damaged time-zone file.");

  std::vector<std::int64_t> times(h->timecnt);
  for (std::int64_t& t : times) t = in.BigEndian(8);
  std::vector<std::uint8_t> typeOf(h->timecnt);
  for (std::uint8_t& i : typeOf) i = in.Byte();
  struct Type {
    std::int64_t offset;
    bool saving;
    std::uint8_t abbreviation;
  };
  std::vector<Type> types(h->typecnt);
  for (Type& t : types) {
    t.offset = in.BigEndian(4);
    t.saving = in.Byte() != 0;
    t.abbreviation = in.Byte();
  }
  const std::string_view chars = in.Rest().substr(0, h->charcnt);
  in.Skip(h->charcnt);
  in.Skip(BlockSize(*h, 8) - (std::uint64_t{h->timecnt} * 9 + std::uint64_t{h->typecnt} * 6 + h->charcnt));

  const bool sorted = std::is_sorted(times.begin(), times.end()) &&
                      std::adjacent_find(times.begin(), times.end()) == times.end();
  const bool indexed = std::all_of(typeOf.begin(), typeOf.end(), [&](std::uint8_t i) { return i < types.size(); }) &&
                       std::all_of(types.begin(), types.end(), [&](const Type& t) {
                         // offsets of -25 to +26 hours, as RFC 8536 allows
                         return t.abbreviation < chars.size() && t.offset >= -89999 && t.offset <= 93599;
                       });
  if (!sorted || !indexed) return Refused(zoneName, "is a damaged time-zone file.");

  auto rules = std::make_shared<ZoneRules>();
  rules->name_ = std::string(zoneName);
  auto periodOf = [&](const Type& t) {
    ZonePeriod p;
    p.offset = t.offset;
    p.saving = t.saving;
    const std::string_view rest = chars.substr(t.abbreviation);
    p.abbreviation = std::string(rest.substr(0, rest.find('\0')));
    return p;
  };
  // Before the first change the first type holds (RFC 8536, section 3.2).
  rules->periods_.push_back(periodOf(types.front()));
  for (std::size_t i = 0; i < times.size(); ++i) {
    rules->periods_.back().end = times[i];
    ZonePeriod p = periodOf(types[typeOf[i]]);
    p.begin = times[i];
    rules->periods_.push_back(std::move(p));
  }

  // The footer: the TZ string between two line feeds, empty when the file has none.
  const std::string_view footer = in.Rest();
  if (footer.size() >= 2 && footer.front() == '\n') {
    const std::size_t close = footer.find('\n', 1);
    if (close != std::string_view::npos && close > 1) rules->rule_ = ParsePosixRule(footer.substr(1, close - 1));
  }
  ZoneLoad load;
  load.rules = std::move(rules);
  return load;
}

std::size_t ZoneRules::PeriodAt(std::int64_t utSeconds) const {
  // the first period whose end lies after the instant
  const auto it = std::upper_bound(periods_.begin(), periods_.end(), utSeconds,
                                   [](std::int64_t t, const ZonePeriod& p) { return t < p.end; });
  return it == periods_.end() ? periods_.size() - 1 : static_cast<std::size_t>(it - periods_.begin());
}

std::int64_t ZoneRules::OffsetAt(std::int64_t utSeconds) const {
  const std::size_t i = PeriodAt(utSeconds);
  if (i + 1 == periods_.size() && rule_) return OffsetOfRule(*rule_, utSeconds).seconds;
  return periods_[i].offset;
}

}  // namespace kalnika
