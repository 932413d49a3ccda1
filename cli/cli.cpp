#include "cli/cli.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/output.h"
#include "display/csv.h"
#include "clock/zone_rules.h"
#include "forms/calendar_file.h"
#include "forms/frm_day.h"
#include "forms/frm_kalnika.h"
#include "forms/place_file_location.h"
#include "forms/town_search.h"
#include "text/text.h"
#include "xdvng/xdvng.h"

namespace kalnika::cli {

namespace {

constexpr const char* kUsage =
    "usage: kalnika-cli --month 1..12 --year TEXT [--places FILE] [--place N]\n"
    "                   [--method precise|classic] [--dst [auto|on|off]]\n"
    "                   [--format table|csv|json] [--script xdvng|unicode|latin|iso15919]\n"
    "                   [--digits devanagari|latin]\n"
    "       kalnika-cli [--month 1..12] --year TEXT --format ics [--tithis] [--zone NAME] ...\n"
    "       kalnika-cli --date YYYY-MM-DD [--places FILE] [--place N] [--dst [D]]\n"
    "                   [--format table|json] [--script S] [--digits D]\n"
    "       kalnika-cli --find TEXT\n"
    "       kalnika-cli --encode TEXT\n"
    "\n"
    "Prints the almanac of one Gregorian month for a place of the place file, or\n"
    "the page of one day.\n"
    "  --month N       month 1 (January) to 12 (December)\n"
    "  --year TEXT     the year as typed into the window (79 and above)\n"
    "  --places FILE   place file (default: the Location.ini the window uses)\n"
    "  --place N       position in the place list, from 0 (default: the stored default)\n"
    "  --method M      precise (default: Swiss Ephemeris, Lahiri zodiac, every day from\n"
    "                  its sunrise, each festival on the day its rule gives, as printed\n"
    "                  almanacs keep it; years up to 2999) or classic (the original\n"
    "                  almanac's rules, every day at 0 h UT, notes by the tithi)\n"
    "  --dst [D]       the clock: auto (default: the place's time zone, standard or\n"
    "                  summer time on each date, when the place file names one; else\n"
    "                  off), on (the place's zone and one hour more), off (its zone);\n"
    "                  --dst alone means on\n"
    "  --format F      table (default), csv, json, or ics (an iCalendar file of the\n"
    "                  month's notes, sign entries, new and full moons; of the whole\n"
    "                  year when --month is left out)\n"
    "  --date DATE     the page of one day (precise method): the five limbs with\n"
    "                  their ends, sunrise, sunset, moonrise, moonset, Rahu kalam,\n"
    "                  Yamaganda, Gulika, Abhijit, Brahma muhurta, the durmuhurtas,\n"
    "                  the day's and night's choghadiyas and the eclipses seen\n"
    "  --tithis        ics: also every day's tithi with its end\n"
    "  --zone NAME     ics: the IANA zone (Asia/Kolkata) of the timed events (default:\n"
    "                  the place's stored zone name; UTC when it has none); a name\n"
    "                  the zone data does not hold is refused\n"
    "  --script S      xdvng (stored bytes, default for json), unicode (Devanagari,\n"
    "                  default for table, csv and ics), latin (readable Latin letters)\n"
    "                  or iso15919 (Latin with ISO 15919 marks)\n"
    "  --digits D      devanagari (default; latin for csv) or latin digits in\n"
    "                  unicode output\n"
    "  --find TEXT     list the towns whose name holds TEXT (GeoNames, offline), each\n"
    "                  with the place record and zone name it would store\n"
    "  --encode TEXT   print the Xdvng bytes of a Unicode Devanagari text (for the\n"
    "                  auspicious-day texts of the place file)\n"
    "Exit status: 0 done, 1 input refused (message printed), 2 bad arguments or an\n"
    "unreadable place file.\n";

enum class Clock { Automatic, On, Off };

struct Options {
  std::optional<int> month;
  std::optional<std::string> year;
  std::optional<std::string> places;
  std::optional<int> place;
  Clock clock = Clock::Automatic;
  Method method = Method::Precise;
  std::string format = "table";
  std::optional<std::string> script;
  std::optional<std::string> digits;  // as asked; the format's own otherwise
  std::optional<std::string> encode;
  std::optional<std::string> find;
  bool tithis = false;
  std::string zone;
  std::optional<CivilDate> date;
};

std::optional<int> ParseInt(std::string_view s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

// A date "YYYY-MM-DD" of the Gregorian calendar; nothing for another text or a
// date the month does not have.
std::optional<CivilDate> ParseDate(std::string_view text) {
  const std::size_t first = text.find('-');
  const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::optional<int> year = ParseInt(text.substr(0, first));
  const std::optional<int> month = ParseInt(text.substr(first + 1, second - first - 1));
  const std::optional<int> day = ParseInt(text.substr(second + 1));
  if (!year || !month || !day || *year < 1 || *month < 1 || *month > 12 || *day < 1 ||
      *day > DaysOfMonth(*year, *month))
    return std::nullopt;
  return CivilDate{*year, *month, *day};
}

// A message on stderr, "kalnika-cli: " and the text for a terminal: a control
// character that a place file, an argument or a file name holds is not sent to it.
void Say(std::ostream& err, const std::string& text) { err << "kalnika-cli: " << TerminalText(text) << "\n"; }

int Usage(std::ostream& err, const std::string& problem) {
  Say(err, problem);
  err << kUsage;
  return 2;
}

Script ScriptNamed(const std::string& name) {
  if (name == "xdvng") return Script::Xdvng;
  if (name == "latin") return Script::Latin;
  if (name == "iso15919") return Script::Iso15919;
  return Script::Unicode;
}

// What the command line asks for: the options, or --help, or the problem that
// stops the run before anything is read (exit status 2, the usage after it).
struct Arguments {
  Options options;
  bool help = false;
  std::string problem;
};

// CLI11 splits the command line. It takes an option's value even when the value
// looks like an option ("--encode -x"), takes a value for --dst only when one
// follows (--dst alone means on), keeps the last of a repeated option, and hands
// back what it did not take, so that each problem is told in the tool's own words
// below. (cxxopts gives an optional value only as "--dst=on", which would break
// "--dst on".) What the values mean is checked here, each with its message.
Arguments ReadArguments(int argc, const char* const* argv) {
  Arguments a;
  Options& o = a.options;
  CLI::App app;
  app.set_help_flag();  // the usage is kUsage, printed by Run
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  std::optional<std::string> month, place, dst, date;  // as typed: the messages quote them
  std::string method = "precise";
  app.add_flag("-h,--help", a.help);
  app.add_flag("--tithis", o.tithis);
  app.add_option("--month", month);
  app.add_option("--year", o.year);
  app.add_option("--places", o.places);
  app.add_option("--place", place);
  app.add_option("--method", method);
  app.add_option("--dst", dst)->expected(0, 1);
  app.add_option("--format", o.format);
  app.add_option("--script", o.script);
  app.add_option("--digits", o.digits);
  app.add_option("--zone", o.zone);
  app.add_option("--encode", o.encode);
  app.add_option("--find", o.find);
  app.add_option("--date", date);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ExtrasError& e) {
    const std::vector<std::string> left = app.remaining();
    a.problem = left.empty() ? std::string(e.what()) : "unknown argument \"" + left.front() + "\"";
  } catch (const CLI::ArgumentMismatch& e) {
    // A value is missing only after the last option of the line ("--year" or
    // "--year="); CLI11 names the option before a colon.
    const std::string what = e.what();
    a.problem = what.substr(0, what.find(':')) + " needs a value";
  } catch (const CLI::ParseError& e) {
    a.problem = e.what();
  }
  if (a.help || !a.problem.empty()) return a;

  const auto problem = [&](std::string text) {
    a.problem = std::move(text);
    return a;
  };
  const auto oneOf = [](const std::string& value, std::initializer_list<std::string_view> words) {
    return std::find(words.begin(), words.end(), value) != words.end();
  };
  if (month) {
    o.month = ParseInt(*month);
    if (!o.month || *o.month < 1 || *o.month > 12)
      return problem("--month must be a whole number from 1 to 12, not \"" + *month + "\"");
  }
  if (place) {
    o.place = ParseInt(*place);
    if (!o.place || *o.place < 0) return problem("--place must be a list position from 0, not \"" + *place + "\"");
  }
  if (date) {
    o.date = ParseDate(*date);
    if (!o.date) return problem("--date must be a date YYYY-MM-DD, not \"" + *date + "\"");
    if (month || o.year || o.tithis || !o.zone.empty())
      return problem("--date goes without --month, --year, --tithis and --zone");
    if (!oneOf(o.format, {"table", "json"})) return problem("--date prints --format table or json");
    if (app.count("--method") > 0 && method != "precise")
      return problem("--date shows the precise method's day; leave out --method classic");
  }
  if (!oneOf(method, {"classic", "precise"})) return problem("--method must be classic or precise");
  o.method = method == "precise" ? Method::Precise : Method::Classic;
  if (!oneOf(o.format, {"table", "csv", "json", "ics"})) return problem("--format must be table, csv, json or ics");
  if (o.script && !oneOf(*o.script, {"xdvng", "unicode", "latin", "iso15919"}))
    return problem("--script must be xdvng, unicode, latin or iso15919");
  if (o.digits && !oneOf(*o.digits, {"devanagari", "latin"})) return problem("--digits must be devanagari or latin");
  // A zone the calendar cannot use is refused here, never replaced by UTC: a
  // mistyped name, one that is not a place's clock (posixrules, right/...).
  if (!o.zone.empty())
    if (const ZoneLoad zone = ZoneRules::Load(o.zone); !zone.rules) return problem("--zone: " + zone.error);
  if (dst) {
    // "--dst" alone means on. Any other word after it is not its value but an
    // argument the tool does not know.
    if (!oneOf(*dst, {"", "auto", "on", "off"})) return problem("unknown argument \"" + *dst + "\"");
    o.clock = *dst == "auto" ? Clock::Automatic : *dst == "off" ? Clock::Off : Clock::On;
  }
  return a;
}

// --find: the towns that match, each with the record and zone it would store.
int Find(const std::string& text, std::ostream& out, std::ostream& err) {
  TownSearch towns;
  const FoundTowns found = FindTowns(towns, text, 20);
  if (!found.problem.empty()) {
    Say(err, found.problem);
    return 2;
  }
  if (found.lines.empty()) {
    Say(err, "no town's name holds \"" + text + "\"");
    return 1;
  }
  for (const std::string& line : found.lines) out << TerminalText(line) << "\n";
  return 0;
}

DisplayForm DisplayOf(const Options& o) {
  const Script script = o.script ? ScriptNamed(*o.script) : (o.format == "json" ? Script::Xdvng : Script::Unicode);
  // CSV has Western digits unless others are asked for (display/csv.h).
  const std::optional<xdvng::Digits> digits =
      o.digits ? std::optional(*o.digits == "latin" ? xdvng::Digits::Latin : xdvng::Digits::Devanagari) : std::nullopt;
  return o.format == "csv" ? CsvForm(script, digits) : DisplayForm(script, digits.value_or(xdvng::Digits::Devanagari));
}

// --date: the day's page of the month the form computed.
int PrintDay(frmKalnika& form, RecordingMessageBox& box, const CivilDate& date, const Options& o, std::ostream& out,
             std::ostream& err) {
  DayOutput result;
  result.lat = form.lblLat.Caption;
  result.lon = form.lblLong.Caption;
  result.zone = form.lblTimeZone.Caption;
  result.place = form.lstLocation.Text();
  if (form.Shown()) {
    frmDay day(box, form, *form.Shown());
    if (day.Show(date)) result.day = day.Shown();
  }
  if (!result.day) result.message = box.last;
  const DisplayForm display = DisplayOf(o);
  // A refused date is said on stderr in every format; JSON also holds it.
  if (result.message) Say(err, *result.message);
  if (o.format == "json")
    out << DayToJson(result, display);
  else if (!result.message)
    out << DayToTable(result, display);
  return result.message ? 1 : 0;
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const Arguments arguments = ReadArguments(argc, argv);
  if (arguments.help) {
    out << kUsage;
    return 0;
  }
  if (!arguments.problem.empty()) return Usage(err, arguments.problem);
  const Options& o = arguments.options;

  if (o.encode) {
    xdvng::EncodeResult encoded = xdvng::FromUnicode(*o.encode);
    if (!encoded.ok) {
      Say(err, encoded.error);
      return 1;
    }
    // The bytes as Latin-1 characters (UTF-8), so a terminal shows and copies them;
    // in the place file they are stored one byte each.
    out << Latin1ToUtf8(encoded.xdvng) << "\n";
    return 0;
  }
  if (o.find) return Find(*o.find, out, err);
  const bool ics = o.format == "ics";
  if (!ics && (o.tithis || !o.zone.empty())) return Usage(err, "--tithis and --zone go with --format ics");
  if (ics && o.script == "xdvng") return Usage(err, "--script xdvng does not go with --format ics");
  if (!o.month && !ics && !o.date) return Usage(err, "--month is required");
  if (!o.year && !o.date) return Usage(err, "--year is required");

  std::filesystem::path placeFile;
  if (o.places) {
    placeFile = *o.places;
    std::error_code ec;
    if (!std::filesystem::exists(placeFile, ec))
      return Usage(err, "cannot read the place file \"" + *o.places + "\": it does not exist");
  } else {
    placeFile = ResolvePlaceFile(ProgramDir(), UserConfigDir());
  }

  RecordingMessageBox box;
  frmKalnika form(box, placeFile);
  // The program's own place file may predate the zone names of the bundled places;
  // a file given with --places is taken exactly as it is.
  if (!o.places) form.SetBundledPlaceFile(BundledDataDir(ProgramDir()) / kPlaceFileName);
  form.LoadControls();
  // A place file that cannot be read (binary, too large, no permission) is not
  // taken as an empty one: the table would be that of 0 degrees, 0 degrees, UTC.
  if (const std::string problem = form.PlaceFile().ReadProblem(); !problem.empty()) {
    Say(err, problem);
    return 2;
  }
  if (o.place) {
    if (static_cast<std::size_t>(*o.place) >= form.lstLocation.items.size())
      return Usage(err, "--place " + std::to_string(*o.place) + ": the place list has " +
                            std::to_string(form.lstLocation.items.size()) + " entries");
    form.lstLocation.ListIndex = *o.place;
  }
  // The day of --date is a day of its month in the precise method.
  form.lstMonth.Select((o.date ? o.date->month : o.month.value_or(1)) - 1);
  form.txtYear.Text = o.date ? std::to_string(o.date->year) : *o.year;
  form.method = o.date ? Method::Precise : o.method;
  form.dayDetails = o.format == "json" && !o.date;  // a day's page computes its own
  form.clockSetting = o.clock == Clock::Automatic ? ClockSetting::Automatic : ClockSetting::Manual;
  form.chkDST.Value = o.clock == Clock::On;
  box.count = 0;
  form.cmdCalculate_Click();
  // A message with a month computed is a warning (a zone name tzdata does not know);
  // without one it is the refusal.
  if (form.Shown() && box.count > 0) Say(err, box.last);
  // The classic method reads +05:45 as 5 hours, as it always has: said, not hidden.
  if (form.Shown())
    if (const std::optional<Message> note = ClassicZoneNote(*form.Shown())) Say(err, note->Text());

  if (o.date) return PrintDay(form, box, *o.date, o, out, err);

  if (ics) {
    if (!form.Shown()) {
      Say(err, box.last);
      return 1;
    }
    ical::ExportOptions options;
    options.tithis = o.tithis;
    options.texts = CalendarTexts(ScriptNamed(o.script.value_or("unicode")),
                                  o.digits == "latin" ? xdvng::Digits::Latin : xdvng::Digits::Devanagari);
    // DTSTAMP: now, or SOURCE_DATE_EPOCH for a reproducible file.
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    options.stamp = epoch ? std::strtoll(epoch, nullptr, 10) : static_cast<std::int64_t>(std::time(nullptr));
    const ical::CalendarFile calendar = ShownCalendar(form, !o.month, o.zone, options);
    if (!calendar.problem.empty()) {
      Say(err, calendar.problem);
      return 1;
    }
    out << calendar.text;
    return 0;
  }

  MonthOutput result;
  result.table = form.Table();
  result.kali = form.lblKaliYuga.Caption;
  result.vikram = form.lblVikram.Caption;
  result.lat = form.lblLat.Caption;
  result.lon = form.lblLong.Caption;
  result.zone = form.lblTimeZone.Caption;
  result.place = form.lstLocation.Text();
  if (form.Shown()) result.clock = SheetZone(*form.Shown());
  result.sheet = form.Shown();
  result.method = o.method;
  if (!form.Shown()) result.message = box.last;

  const DisplayForm display = DisplayOf(o);
  // A refused input is said on stderr in every format; JSON also holds it.
  if (result.message) Say(err, *result.message);
  if (o.format == "json") {
    out << ToJson(result, display);
  } else if (result.message) {
    // nothing more: no month to show
  } else if (o.format == "csv") {
    out << ToCsv(result, display);
  } else {
    out << ToTable(result, display);
  }
  return result.message ? 1 : 0;
}

}  // namespace kalnika::cli
