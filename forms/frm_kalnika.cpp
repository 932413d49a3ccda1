#include "forms/frm_kalnika.h"

#include <charconv>
#include <cmath>

#include "almanac/name_tables.h"
#include "calendar/numeric_value.h"
#include "clock/time_zone.h"
#include "places/zone_names.h"
#include "text/text.h"

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

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text, " ")); }

// The offset a sheet's clock used on its first day, hours.
double FirstDayHours(const MonthSheet& sheet) {
  if (!sheet.values.days.empty()) return sheet.values.days.front().utcOffset;
  return sheet.clock.HoursOn({sheet.values.year, sheet.values.month, 1});
}

// The classic method's reading of a fixed zone, in whole minutes.
int ClassicMinutes(const Place& place) { return static_cast<int>(std::lround(place.classicTimeZone * 60.0)); }

}  // namespace

std::string OffsetText(double hours) {
  const long minutes = std::lround(std::fabs(hours) * 60.0);
  const auto two = [](long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return (hours < 0 ? "-" : "+") + two(minutes / 60) + ":" + two(minutes % 60);
}

std::string PlaceSummary(const Place& place) {
  std::string text = place.name + " (" + Trimmed(place.latCaption) + ", " + Trimmed(place.longCaption) + ", UTC " +
                     Trimmed(place.zoneCaption);
  if (!place.zoneName.empty()) text += ", " + place.zoneName;
  return text + ")";
}

std::string SheetZone(const MonthSheet& sheet) {
  std::string text = "UTC " + OffsetText(FirstDayHours(sheet));
  if (!sheet.zoneName.empty()) return text + " (" + sheet.zoneName + ")";
  if (sheet.daylightSaving) return text + " (daylight saving)";
  return text;
}

Message SheetPlaceMessage(const MonthSheet& sheet) {
  std::vector<std::string> where;
  for (const std::string& caption : {sheet.place.latCaption, sheet.place.longCaption})
    if (!Trimmed(caption).empty()) where.push_back(Trimmed(caption));
  where.push_back("UTC " + OffsetText(FirstDayHours(sheet)));
  if (!sheet.zoneName.empty()) where.push_back(sheet.zoneName);
  std::string joined;
  for (std::size_t i = 0; i < where.size(); ++i) joined += (i == 0 ? "" : ", ") + where[i];
  if (sheet.daylightSaving)
    return Message(KALNIKA_TEXT("Messages", "%1 (%2, daylight saving +1 h)"), {sheet.place.name, joined});
  return Message("%1 (%2)", {sheet.place.name, joined});
}

std::string SheetPlace(const MonthSheet& sheet) {
  // A place without a name is its coordinates alone, without the blank before them.
  const std::string text = SheetPlaceMessage(sheet).Text();
  return sheet.place.name.empty() ? text.substr(1) : text;
}

std::optional<Message> ClassicZoneNote(const MonthSheet& sheet) {
  if (sheet.values.method != Method::Classic || sheet.clock.Zoned()) return std::nullopt;
  const ZoneField& zone = sheet.place.zone;
  if (zone.Minutes() == ClassicMinutes(sheet.place)) return std::nullopt;
  const std::string written = Trimmed(sheet.place.zoneCaption);
  const std::string read = OffsetText(sheet.place.classicTimeZone);
  if (!sheet.place.zoneName.empty())
    return Message(KALNIKA_TEXT("Messages",
                                "The classic method reads the place's zone %1 as %2 (the almanac's rule reads whole "
                                "and half hours only); the automatic clock with its zone %3 gives the real clock, %1."),
                   {written, read, sheet.place.zoneName});
  return Message(KALNIKA_TEXT("Messages",
                              "The classic method reads the place's zone %1 as %2 (the almanac's rule reads whole and "
                              "half hours only); the precise method reads %1."),
                 {written, read});
}

std::string SheetClock(const MonthSheet& sheet) {
  std::string text = sheet.zoneName.empty()
                         ? std::string(sheet.daylightSaving ? "by the daylight-saving box (ticked)"
                                                            : "by the daylight-saving box")
                         : sheet.zoneName + " (automatic)";
  text += ":";
  const std::vector<OffsetFrom> offsets = SheetOffsets(sheet);
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    if (i > 0)
      text += ", from " + std::to_string(offsets[i].date.day) + " " +
              MonthListNames[static_cast<std::size_t>(offsets[i].date.month - 1)];
    text += (i == 0 ? " UTC " : " ") + OffsetText(offsets[i].hours);
  }
  return text;
}

std::vector<OffsetFrom> SheetOffsets(const MonthSheet& sheet) {
  // Every row has its offset; a change (summer time beginning or ending) is named
  // with the first date it holds for.
  std::vector<OffsetFrom> offsets;
  const std::vector<DayValues>& days = sheet.values.days;
  for (std::size_t d = 0; d < days.size(); ++d)
    if (d == 0 || days[d].utcOffset != days[d - 1].utcOffset) offsets.push_back({days[d].date, days[d].utcOffset});
  return offsets;
}

std::string MethodTitle(Method method) { return method == Method::Precise ? "Precise" : "Classic"; }

std::string SheetFileName(const MonthSheet& sheet, bool wholeYear) {
  std::string city = Trimmed(std::string_view(sheet.place.name).substr(0, sheet.place.name.find(',')));
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
  ListPlaces(places);
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

void frmKalnika::ListPlaces(const ProfileSnapshot& places) {
  std::error_code ec;
  const bool lend = !bundledPlaceFile_.empty() && !std::filesystem::equivalent(bundledPlaceFile_, placeFile_.path(), ec);
  places_ = lend ? LoadPlaces(places, ProfileFile(bundledPlaceFile_).Snapshot()) : LoadPlaces(places);
  lstLocation.items.clear();
  lstLocation.tips.clear();
  for (const Place& place : places_) {
    lstLocation.items.push_back(place.name);
    lstLocation.tips.push_back(PlaceSummary(place));
  }
  zoneChecked_ = -2;
  zone_.reset();
}

void frmKalnika::Form_Load(int todayYear, int todayMonth) {
  LoadControls();
  txtYear.Text = std::to_string(todayYear);
  lstMonth.Select(todayMonth - 1);
  cmdCalculate_Click();
}

std::string frmKalnika::ChosenZoneName() const {
  const int chosen = lstLocation.ListIndex;
  return chosen >= 0 && static_cast<std::size_t>(chosen) < places_.size() ? places_[static_cast<std::size_t>(chosen)].zoneName
                                                                          : std::string();
}

std::string frmKalnika::ClockZoneName() const {
  if (clockSetting != ClockSetting::Automatic || !zone_) return {};
  return zone_->name();
}

Clock frmKalnika::ChosenClock(bool daylightSaving) const {
  if (clockSetting == ClockSetting::Automatic && zone_) return Clock::OfZone(zone_);
  if (!placeChosen_) return Clock::Fixed(0, daylightSaving);
  return Clock::Fixed(method == Method::Classic ? ClassicMinutes(place_) : place_.zone.Minutes(), daylightSaving);
}

void frmKalnika::CheckChosenZone() {
  const int chosen = lstLocation.ListIndex;
  if (chosen == zoneChecked_) return;
  zoneChecked_ = chosen;
  zone_.reset();
  const std::string zone = ChosenZoneName();
  if (zone.empty()) return;
  ZoneLoad load = ZoneRules::Load(zone);
  if (load.rules) {
    zone_ = std::move(load.rules);
    return;
  }
  messageBox_.Show({KALNIKA_TEXT("Messages", "The time zone of %1 cannot be used: %2 Its clock times follow the "
                                             "place's own zone,%3, and the daylight-saving box."),
                    {places_[static_cast<std::size_t>(chosen)].name, load.error, place_.zoneCaption}});
}

bool frmKalnika::PlaceComputable() {
  if (!placeChosen_ || place_.problem.empty()) return true;  // no place at all: 0 degrees, 0 degrees, UTC, as always
  messageBox_.Show({KALNIKA_TEXT("Messages", "The place \"%1\" cannot be computed: %2."), {place_.name, place_.problem}});
  return false;
}

StoredFestivals frmKalnika::Festivals() {
  const ProfileSnapshot places = placeFile_.Snapshot();
  StoredFestivals festivals;
  for (int maas = 0; maas < 12; ++maas)
    for (int tithi = 0; tithi <= 31; ++tithi) festivals.notes.Set(maas, tithi, AuspiciousDayNote(places, maas, tithi));
  for (int sign = 0; sign < 12; ++sign) festivals.notes.SetSunEntry(sign, SunEntryNote(places, sign));
  std::error_code ec;
  const bool lend = !bundledPlaceFile_.empty() && !std::filesystem::equivalent(bundledPlaceFile_, placeFile_.path(), ec);
  festivals.rules = lend ? ReadObservance(places, ProfileFile(bundledPlaceFile_).Snapshot()) : ReadObservance(places);
  return festivals;
}

MonthSheet frmKalnika::Compute(int month, int yearNumber, const std::string& yearText, const Place& place,
                               const Clock& clock) {
  MonthRequest request;
  request.year = yearNumber;
  request.month = month;
  request.yearText = yearText;
  request.latitude = place.latitude;
  request.longitude = place.longitude;
  request.method = method;
  request.clock = clock;
  request.dayDetails = dayDetails;
  // The notes and the festivals' rules are read afresh from the place file for every
  // month computed, all from one reading of it. A file without rules computes as
  // before: every note keeps the sunrise rule.
  StoredFestivals festivals = Festivals();
  request.auspicious = std::move(festivals.notes);
  request.observance = std::move(festivals.rules);

  MonthSheet sheet;
  sheet.values = ComputeMonth(request);
  sheet.table = FormatMonth(sheet.values);
  sheet.place = place;
  sheet.clock = clock;
  sheet.daylightSaving = !clock.Zoned() && clock.SummerHour();
  sheet.zoneName = clock.ZoneName();
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
  shown_ = Compute(lstMonth.ListIndex + 1, year, yearText, place_, ChosenClock(chkDST.Value));
  table_ = shown_->table;
  lblKaliYuga.Caption = table_.kaliCaption;
  lblVikram.Caption = table_.vikramCaption;
  gridVisible_ = true;
}

void frmKalnika::ParseChosenPlace() {
  // A record of one or two characters is no place: the previous one stays.
  const int chosen = lstLocation.ListIndex;
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= places_.size()) return;
  const Place& place = places_[static_cast<std::size_t>(chosen)];
  if (!place.labelled) return;
  place_ = place;
  placeChosen_ = true;
  lblLat.Caption = place_.latCaption;
  lblLong.Caption = place_.longCaption;
  lblTimeZone.Caption = place_.zoneCaption;
}

void frmKalnika::lstLocation_Click() {
  ParseChosenPlace();
  CheckChosenZone();
}

void frmKalnika::lstMonth_Click() { cmdCalculate_Click(); }

void frmKalnika::txtYear_LostFocus() {
  if (txtYear.Text != txtYear.Tag) cmdCalculate_Click();
}

void frmKalnika::PlaceChosen() {
  lstLocation_Click();
  cmdCalculate_Click();
}

void frmKalnika::PlaceAdded(int position) {
  ListPlaces(placeFile_.Snapshot());
  lstLocation.Select(position);
  PlaceChosen();
}

std::vector<MonthSheet> frmKalnika::ShownYear() {
  std::vector<MonthSheet> year;
  if (!shown_) return year;
  const MonthSheet& shown = *shown_;
  for (int month = 1; month <= 12; ++month)
    year.push_back(Compute(month, shown.values.year, shown.values.yearText, shown.place, shown.clock));
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
  // The place as the record's first 30 columns name it: its name and the padding.
  std::string description = lstLocation.Text();
  if (description.size() < 30) description.resize(30, ' ');
  // The position the place has in the file now, read under the lock: the file may
  // have changed since the list was loaded.
  const int listed = lstLocation.ListIndex;
  const Place place = static_cast<std::size_t>(listed) < places_.size() ? places_[static_cast<std::size_t>(listed)] : Place{};
  const StoredDefault stored = StoreDefaultPlace(placeFile_, place, listed);
  if (stored.listChanged) {
    // The list was out of date: it shows the file's places again, the new default
    // chosen (none when the place is gone).
    ListPlaces(placeFile_.Snapshot());
    lstLocation.ListIndex = stored.position;
  }
  if (!stored.result.ok) {
    messageBox_.Show(stored.listChanged ? Message(KALNIKA_TEXT("Messages", "The default place could not be stored: %1 "
                                                                           "The list of places is read again."),
                                                  {stored.result.error})
                                        : Message(KALNIKA_TEXT("Messages", "The default place could not be stored: %1"),
                                                  {stored.result.error}));
    return;
  }
  messageBox_.Show(stored.listChanged
                       ? Message(KALNIKA_TEXT("Messages", "The place file had changed since its places were listed; "
                                                          "the list is read again. Default set to %1"),
                                 {description})
                       : Message(kDefaultSetMessage, {description}));
}

}  // namespace kalnika
