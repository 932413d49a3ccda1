#include "cli/cli.h"

#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/ics.h"
#include "cli/output.h"
#include "forms/frm_kalnika.h"
#include "forms/place_file_location.h"
#include "xdvng/xdvng.h"

namespace kalnika::cli {

namespace {

constexpr const char* kUsage =
    "usage: kalnika-cli --month 1..12 --year TEXT [--places FILE] [--place N] [--dst]\n"
    "                   [--format table|csv|json] [--script xdvng|unicode]\n"
    "                   [--digits devanagari|latin]\n"
    "       kalnika-cli [--month 1..12] --year TEXT --format ics [--tithis]\n"
    "                   [--script unicode|latin|iso15919] [--zone NAME] ...\n"
    "       kalnika-cli --encode TEXT\n"
    "\n"
    "Prints the almanac of one Gregorian month for a place of the place file.\n"
    "  --month N       month 1 (January) to 12 (December)\n"
    "  --year TEXT     the year as typed into the window (79 and above)\n"
    "  --places FILE   place file (default: the Location.ini the window uses)\n"
    "  --place N       position in the place list, from 0 (default: the stored default)\n"
    "  --dst           daylight saving time: clock times one hour later\n"
    "  --format F      table (default), csv, json, or ics (an iCalendar file of the\n"
    "                  month's notes, sign entries, new and full moons; of the whole\n"
    "                  year when --month is left out)\n"
    "  --tithis        ics: also every day's tithi with its end\n"
    "  --zone NAME     ics: the IANA zone (Asia/Kolkata) of the timed events (default:\n"
    "                  the place's stored zone name; UTC when it has none)\n"
    "  --script S      xdvng (stored bytes, default for json) or unicode (Devanagari,\n"
    "                  default for table, csv and ics); for ics also latin (readable\n"
    "                  Latin) or iso15919 (Latin with ISO 15919 marks)\n"
    "  --digits D      devanagari (default) or latin digits in unicode output\n"
    "  --encode TEXT   print the Xdvng bytes of a Unicode Devanagari text (for the\n"
    "                  auspicious-day texts of the place file)\n"
    "Exit status: 0 done, 1 input refused (message printed), 2 bad arguments.\n";

struct Options {
  std::optional<int> month;
  std::optional<std::string> year;
  std::optional<std::string> places;
  std::optional<int> place;
  bool dst = false;
  std::string format = "table";
  std::optional<std::string> script;
  std::string digits = "devanagari";
  std::optional<std::string> encode;
  bool tithis = false;
  std::string zone;
};

std::optional<int> ParseInt(std::string_view s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

int Usage(std::ostream& err, const std::string& problem) {
  err << "kalnika-cli: " << problem << "\n" << kUsage;
  return 2;
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string_view a = argv[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= argc) return false;
      into = argv[++i];
      return true;
    };
    std::string v;
    if (a == "--dst") {
      o.dst = true;
    } else if (a == "--tithis") {
      o.tithis = true;
    } else if (a == "--help" || a == "-h") {
      out << kUsage;
      return 0;
    } else if (a == "--month" || a == "--year" || a == "--places" || a == "--place" ||
               a == "--format" || a == "--script" || a == "--digits" || a == "--encode" || a == "--zone") {
      if (!value(v)) return Usage(err, std::string(a) + " needs a value");
      if (a == "--month") {
        o.month = ParseInt(v);
        if (!o.month || *o.month < 1 || *o.month > 12)
          return Usage(err, "--month must be a whole number from 1 to 12, not \"" + v + "\"");
      } else if (a == "--year") {
        o.year = v;
      } else if (a == "--places") {
        o.places = v;
      } else if (a == "--place") {
        o.place = ParseInt(v);
        if (!o.place || *o.place < 0)
          return Usage(err, "--place must be a list position from 0, not \"" + v + "\"");
      } else if (a == "--format") {
        if (v != "table" && v != "csv" && v != "json" && v != "ics")
          return Usage(err, "--format must be table, csv, json or ics");
        o.format = v;
      } else if (a == "--script") {
        if (v != "xdvng" && v != "unicode" && v != "latin" && v != "iso15919")
          return Usage(err, "--script must be xdvng, unicode, latin or iso15919");
        o.script = v;
      } else if (a == "--digits") {
        if (v != "devanagari" && v != "latin")
          return Usage(err, "--digits must be devanagari or latin");
        o.digits = v;
      } else if (a == "--zone") {
        o.zone = v;
      } else {
        o.encode = v;
      }
    } else {
      return Usage(err, "unknown argument \"" + std::string(a) + "\"");
    }
  }

  if (o.encode) {
    xdvng::EncodeResult encoded = xdvng::FromUnicode(*o.encode);
    if (!encoded.ok) {
      err << "kalnika-cli: " << encoded.error << "\n";
      return 1;
    }
    // The bytes as Latin-1 characters (UTF-8), so a terminal shows and copies them;
    // in the place file they are stored one byte each.
    out << Latin1ToUtf8(encoded.xdvng) << "\n";
    return 0;
  }
  const bool ics = o.format == "ics";
  if (!ics && (o.tithis || !o.zone.empty())) return Usage(err, "--tithis and --zone go with --format ics");
  if (o.script && ((ics && *o.script == "xdvng") || (!ics && (*o.script == "latin" || *o.script == "iso15919"))))
    return Usage(err, "--script " + *o.script + " does not go with --format " + o.format);
  if (!o.month && !ics) return Usage(err, "--month is required");
  if (!o.year) return Usage(err, "--year is required");

  std::filesystem::path placeFile;
  if (o.places) {
    placeFile = *o.places;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(placeFile, ec))
      return Usage(err, "cannot read the place file \"" + *o.places + "\"");
  } else {
    placeFile = ResolvePlaceFile(ProgramDir(), UserConfigDir());
  }

  RecordingMessageBox box;
  frmKalnika form(box, placeFile);
  form.LoadControls();
  if (o.place) {
    if (static_cast<std::size_t>(*o.place) >= form.lstLocation.items.size())
      return Usage(err, "--place " + std::to_string(*o.place) + ": the place list has " +
                            std::to_string(form.lstLocation.items.size()) + " entries");
    form.lstLocation.ListIndex = *o.place;
  }
  form.lstMonth.Select(o.month.value_or(1) - 1);
  form.txtYear.Text = *o.year;
  form.chkDST.Value = o.dst;
  form.cmdCalculate_Click();
  if (ics) {
    if (!form.Shown()) {
      err << "kalnika-cli: " << box.last << "\n";
      return 1;
    }
    ical::ExportOptions options;
    options.tithis = o.tithis;
    if (o.script == "latin" || o.script == "iso15919") {
      options.texts.script = ical::EventScript::Latin;
      options.texts.latin = *o.script == "latin" ? xdvng::LatinStyle::Readable : xdvng::LatinStyle::Iso15919;
    }
    options.texts.digits = o.digits == "latin" ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
    // DTSTAMP: now, or SOURCE_DATE_EPOCH for a reproducible file.
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    options.stamp = epoch ? std::strtoll(epoch, nullptr, 10) : static_cast<std::int64_t>(std::time(nullptr));
    out << ShownCalendar(form, !o.month, o.zone, options);
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
  if (box.count > 0) result.message = box.last;

  const Script script = o.script ? (*o.script == "unicode" ? Script::Unicode : Script::Xdvng)
                                 : (o.format == "json" ? Script::Xdvng : Script::Unicode);
  const xdvng::Digits digits = o.digits == "latin" ? xdvng::Digits::Latin : xdvng::Digits::Devanagari;
  if (o.format == "json") {
    out << ToJson(result, script, digits);
  } else if (result.message) {
    err << "kalnika-cli: " << *result.message << "\n";
  } else if (o.format == "csv") {
    out << ToCsv(result, script, digits);
  } else {
    out << ToTable(result, script, digits);
  }
  return result.message ? 1 : 0;
}

}  // namespace kalnika::cli
