#include "forms/frm_kalnika.h"

#include <charconv>
#include <cmath>

#include "almanac/name_tables.h"
#include "calendar/numeric_value.h"
#include "forms/place_search.h"
#include "clock/time_zone.h"
#include "places/zone_names.h"

namespace kalnika {

namespace {

// Whether a year text is a plain whole number: blanks anywhere, an optional sign,
// then digits only (" 2024", "02025", "+1999").
bool PlainWholeNumber(std::string_view text) {
  bool digits = false, sign = false;
  for (char c : text) {
    if (c == ' ') continue;
    if ((c == '+' || c == '-') && !sign && !digits) {
      sign = true;
    } else if (c >= '0' && c <= '9') {
      digits = true;
    } else {
      return false;
    }
  }
  return digits;
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// An offset from UTC in hours as "+05:30", "-04:00", "+05:45" (to the minute).
std::string OffsetText(double hours) {
  const long minutes = std::lround(std::fabs(hours) * 60.0);
  const auto two = [](long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return (hours < 0 ? "-" : "+") + two(minutes / 60) + ":" + two(minutes % 60);
}

}  // namespace

std::string SheetPlace(const MonthSheet& sheet) {
  std::vector<std::string> where;
  for (const std::string& caption : {sheet.placeValue.latCaption, sheet.placeValue.longCaption})
    if (!Trimmed(caption).empty()) where.push_back(Trimmed(caption));
  if (!Trimmed(sheet.placeValue.zoneCaption).empty()) where.push_back("UTC " + Trimmed(sheet.placeValue.zoneCaption));
  if (!sheet.zoneName.empty()) where.push_back(sheet.zoneName);
  if (sheet.daylightSaving) where.push_back("daylight saving +1 h");
  std::string text = PlaceName(sheet.place);
  for (std::size_t i = 0; i < where.size(); ++i)
    text += (i == 0 ? (text.empty() ? "(" : " (") : ", ") + where[i];
  return where.empty() ? text : text + ")";
}

std::string SheetClock(const MonthSheet& sheet) {
  std::string text = sheet.zoneName.empty()
                         ? std::string(sheet.daylightSaving ? "by the daylight-saving box (ticked)"
                                                            : "by the daylight-saving box")
                         : sheet.zoneName + " (automatic)";
  text += ":";
  // Every row has its offset; a change (summer time beginning or ending) is named
  // with the first date it holds for.
  const std::vector<DayValues>& days = sheet.values.days;
  for (std::size_t d = 0; d < days.size(); ++d) {
    if (d > 0 && days[d].utcOffset == days[d - 1].utcOffset) continue;
    if (d > 0)
      text += ", from " + std::to_string(days[d].date.day) + " " +
              MonthListNames[static_cast<std::size_t>(days[d].date.month - 1)];
    text += (d == 0 ? " UTC " : " ") + OffsetText(days[d].utcOffset);
  }
  return text;
}

std::string MethodTitle(Method method) { return method == Method::Precise ? "Precise" : "Classic"; }

std::string SheetFileName(const MonthSheet& sheet, bool wholeYear) {
  std::string city = PlaceName(sheet.place);
  city = Trimmed(city.substr(0, city.find(',')));
  if (city.empty()) city = "Kalnika";
  std::string name = city + "-" + Trimmed(sheet.values.yearText.empty() ? std::to_string(sheet.values.year)
                                                                           : sheet.values.yearText);
  if (!wholeYear) name += (sheet.values.month < 10 ? "-0" : "-") + std::to_string(sheet.values.month);
  for (char& c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || std::string_view(" /\\:*?\"<>|").find(c) != std::string_view::npos) c = '-';
  }
  return name;
}

std::string YearText(double value) {
  char buffer[512];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

frmKalnika::frmKalnika(MessageBox& messageBox, std::filesystem::path placeFile)
    : messageBox_(messageBox), placeFile_(std::move(placeFile)) {
  lblVikram.Caption = kVikramInitialCaption;
}

void frmKalnika::LoadControls() {
  chkDST.Value = false;
  lstMonth.items.assign(MonthListNames.begin(), MonthListNames.end());
  lstMonth.ListIndex = -1;
  table_ = EmptyMonthTable();
  gridVisible_ = true;

  const ProfileSnapshot places = placeFile_.Snapshot();
  lstLocation.items = LoadPlaceList(places);
  zoneNames_ = ReadZoneNames(places);
  zoneChecked_.clear();
  std::error_code ec;
  if (!bundledPlaceFile_.empty() && zoneNames_.size() < lstLocation.items.size() &&
      !std::filesystem::equivalent(bundledPlaceFile_, placeFile_.path(), ec)) {
    const ProfileSnapshot bundled = ProfileFile(bundledPlaceFile_).Snapshot();
    std::map<std::string, std::string> zoneOfRecord;
    const std::vector<std::string> records = LoadPlaceList(bundled);
    const std::map<int, std::string> zones = ReadZoneNames(bundled);
    for (const auto& [key, zone] : zones)
      if (key >= 0 && static_cast<std::size_t>(key) < records.size()) zoneOfRecord.emplace(records[static_cast<std::size_t>(key)], zone);
    for (std::size_t i = 0; i < lstLocation.items.size(); ++i) {
      const auto found = zoneOfRecord.find(lstLocation.items[i]);
      if (found != zoneOfRecord.end()) zoneNames_.emplace(static_cast<int>(i), found->second);
    }
  }
  if (const std::string& problem = places.ReadProblem(); !problem.empty()) messageBox_.Show(problem);
  // A stored position that names no entry (a stale number, or any number when the
  // list is empty) selects the first entry when there is one; -1, stored while no
  // entry was selected, selects nothing.
  int position = StoredDefaultPosition(places);
  if (position == -1)
    lstLocation.ListIndex = -1;
  else if (position >= 0 && static_cast<std::size_t>(position) < lstLocation.items.size())
    lstLocation.ListIndex = position;
  else
    lstLocation.ListIndex = lstLocation.items.empty() ? -1 : 0;
}

void frmKalnika::Form_Load(int todayYear, int todayMonth) {
  LoadControls();
  txtYear.Text = std::to_string(todayYear);
  lstMonth.Select(todayMonth - 1);
  cmdCalculate_Click();
}

std::string frmKalnika::ChosenZoneName() const {
  const auto zone = zoneNames_.find(lstLocation.ListIndex);
  return zone == zoneNames_.end() ? std::string() : zone->second;
}

std::string frmKalnika::ClockZoneName() const {
  if (clockSetting != ClockSetting::Automatic) return {};
  const std::string zone = ChosenZoneName();
  if (zone.empty() || !ZoneOffsetOn(zone, std::chrono::year_month_day{std::chrono::year{2000} / 1 / 1}).ok)
    return {};
  return zone;
}

void frmKalnika::CheckChosenZone() {
  const std::string placeText = lstLocation.Text();
  if (placeText == zoneChecked_) return;
  zoneChecked_ = placeText;
  const std::string zone = ChosenZoneName();
  if (zone.empty()) return;
  const ZoneLookup lookup = ZoneOffsetOn(zone, std::chrono::year_month_day{std::chrono::year{2000} / 1 / 1});
  if (!lookup.ok) {
    messageBox_.Show("The time zone \"" + zone + "\" of " + PlaceName(placeText) +
                     " is not known to this system's time-zone data (" + lookup.error +
                     "). Its clock times follow the place's own zone," + place_.zoneCaption +
                     ", and the daylight-saving box.");
  }
}

bool frmKalnika::PlaceComputable() {
  if (placeText_.empty()) return true;  // no place at all: 0 degrees, 0 degrees, UTC, as always
  const std::optional<std::string> problem = PlaceRecordProblem(placeText_);
  if (!problem) return true;
  messageBox_.Show("The place \"" + Trimmed(placeText_.substr(0, std::min<std::size_t>(30, placeText_.size()))) +
                   "\" cannot be computed: " + *problem + ".");
  return false;
}

MonthSheet frmKalnika::Compute(int month, int yearNumber, const std::string& yearText, const PlaceValue& place,
                               const std::string& placeText, bool daylightSaving, const std::string& zoneName) {
  MonthRequest request;
  request.year = yearNumber;
  request.month = month;
  request.yearText = yearText;
  request.latitude = place.latitude;
  request.longitude = place.longitude;
  request.method = method;
  const ZoneLoad zone = zoneName.empty() ? ZoneLoad{} : ZoneRules::Load(zoneName);
  request.clock = zone.rules ? Clock::OfZone(zone.rules)
                             : Clock::Fixed(static_cast<int>(std::lround(place.timeZone * 60.0)), daylightSaving);
  // The notes are read afresh from the place file for every month computed, all
  // from one reading of it.
  const ProfileSnapshot places = placeFile_.Snapshot();
  for (int maas = 0; maas < 12; ++maas)
    for (int tithi = 0; tithi <= 31; ++tithi)
      request.auspicious.Set(maas, tithi, AuspiciousDayNote(places, maas, tithi));

  MonthSheet sheet;
  sheet.values = ComputeMonth(request);
  sheet.table = FormatMonth(sheet.values);
  sheet.place = placeText;
  sheet.placeValue = place;
  sheet.daylightSaving = !request.clock.Zoned() && daylightSaving;
  sheet.zoneName = zoneName;
  return sheet;
}

void frmKalnika::cmdCalculate_Click() {
  lblKaliYuga.Caption.clear();
  gridVisible_ = false;
  // The day cells are cleared; the notes column keeps its texts until a month is
  // computed.
  for (std::size_t r = 1; r < kTableRows; ++r)
    for (std::size_t c = 0; c + 1 < kTableColumns; ++c) table_.cells[r][c].clear();
  table_.dayCount = 0;

  lastRun_ = EnteredNow();
  ParseChosenPlace();
  CheckChosenZone();
  lstMonth.Tag = lstMonth.Text();
  txtYear.Tag = txtYear.Text;

  if (lstMonth.Tag.empty()) {
    messageBox_.Show(kSelectMonthMessage);
    shown_.reset();
    return;
  }
  if (txtYear.Tag.empty()) {
    messageBox_.Show(kTypeYearMessage);
    shown_.reset();
    return;
  }
  const double yearValue = NumericValue(txtYear.Text);
  if (yearValue < kMinYear) {
    messageBox_.Show(kMinYearMessage);
    shown_.reset();
    return;
  }
  // The year number is a 16-bit whole number; a larger year is refused rather than
  // overflowing it.
  const double yearNumber = RoundHalfEven(yearValue);
  if (!(yearNumber <= kMaxYear)) {
    messageBox_.Show(kMaxYearMessage);
    shown_.reset();
    return;
  }

  // Every date of the table uses the year number. The year column shows the text
  // as typed when it is a plain whole number; a text with a fraction or trailing
  // letters ("2026.4", "2026 AD") shows the whole year it rounds to, so the rows
  // always agree with the dates they show.
  const int year = static_cast<int>(yearNumber);
  if (!MethodCoversYear(method, year)) {
    messageBox_.Show(kPreciseYearsMessage);
    shown_.reset();
    return;
  }
  if (!PlaceComputable()) {
    shown_.reset();
    return;
  }
  const std::string yearText = PlainWholeNumber(txtYear.Text) ? txtYear.Text : std::to_string(year);
  shown_ = Compute(lstMonth.ListIndex + 1, year, yearText, place_, placeText_, chkDST.Value, ClockZoneName());
  shown_->placeZoneName = ChosenZoneName();
  table_ = shown_->table;
  lblKaliYuga.Caption = table_.kaliCaption;
  lblVikram.Caption = table_.vikramCaption;
  gridVisible_ = true;
}

void frmKalnika::ParseChosenPlace() {
  // A place text of one or two characters is no place: the previous one stays.
  const std::string placeText = lstLocation.Text();
  if (placeText.size() <= 2) return;
  place_ = ParsePlace(placeText);
  placeText_ = placeText;
  lblLat.Caption = place_.latCaption;
  lblLong.Caption = place_.longCaption;
  lblTimeZone.Caption = place_.zoneCaption;
}

void frmKalnika::lstLocation_Click() {
  ParseChosenPlace();
  CheckChosenZone();
}

std::vector<MonthSheet> frmKalnika::ShownYear() {
  std::vector<MonthSheet> year;
  if (!shown_) return year;
  const MonthSheet& shown = *shown_;
  for (int month = 1; month <= 12; ++month)
    year.push_back(Compute(month, shown.values.year, shown.values.yearText, shown.placeValue, shown.place,
                           shown.daylightSaving, shown.zoneName));
  for (MonthSheet& sheet : year) sheet.placeZoneName = shown.placeZoneName;
  return year;
}

frmKalnika::Entered frmKalnika::EnteredNow() const {
  return {lstMonth.ListIndex, txtYear.Text, lstLocation.ListIndex, chkDST.Value};
}

void frmKalnika::Enter(const Entered& entered) {
  lstMonth.ListIndex = entered.month;
  txtYear.Text = entered.year;
  lstLocation.ListIndex = entered.place;
  chkDST.Value = entered.daylightSaving;
}

void frmKalnika::Recalculate() {
  if (!lastRun_) return;
  const Entered now = EnteredNow();
  Enter(*lastRun_);
  cmdCalculate_Click();
  Enter(now);
  // The place labels show the place chosen, as choosing it had shown them.
  ParseChosenPlace();
}

void frmKalnika::cmdNextMonth_Click() {
  if (!lstMonth.Tag.empty() && !txtYear.Tag.empty()) {
    if (lstMonth.ListIndex == 11) {
      lstMonth.ListIndex = 0;
      txtYear.Text = YearText(NumericValue(txtYear.Text) + 1);
    } else if (lstMonth.ListIndex >= 0) {
      lstMonth.ListIndex = lstMonth.ListIndex + 1;
    }
  }
  cmdCalculate_Click();
}

void frmKalnika::cmdPreviousMonth_Click() {
  if (!lstMonth.Tag.empty() && !txtYear.Tag.empty()) {
    if (lstMonth.ListIndex == 0) {
      lstMonth.ListIndex = 11;
      txtYear.Text = YearText(NumericValue(txtYear.Text) - 1);
    } else if (lstMonth.ListIndex > 0) {
      lstMonth.ListIndex = lstMonth.ListIndex - 1;
    }
  }
  cmdCalculate_Click();
}

void frmKalnika::StepYear(int delta) {
  if (!lstMonth.Tag.empty() && !txtYear.Tag.empty())
    txtYear.Text = YearText(NumericValue(txtYear.Text) + delta);
  cmdCalculate_Click();
}

void frmKalnika::cmdNextYear_Click() { StepYear(+1); }
void frmKalnika::cmdPreviousYear_Click() { StepYear(-1); }

void frmKalnika::cmdDefaultLocation_Click() {
  // Storing "no place" would start the next run at 0 degrees, 0 degrees, UTC.
  if (lstLocation.ListIndex < 0) {
    messageBox_.Show(kNoDefaultPlaceMessage);
    return;
  }
  const std::string text = lstLocation.Text();
  const std::string description = text.substr(0, std::min<std::size_t>(30, text.size()));
  WriteResult written = StoreDefaultPosition(placeFile_, lstLocation.ListIndex);
  if (!written.ok) {
    messageBox_.Show("The default place could not be stored: " + written.error);
    return;
  }
  messageBox_.Show("Default set to " + description);
}

}  // namespace kalnika
