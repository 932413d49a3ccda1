#include "forms/frm_kalnika.h"

#include <charconv>
#include <cmath>

#include "almanac/month_table.h"
#include "almanac/name_tables.h"
#include "calendar/numeric_value.h"
#include "places/place_record.h"

namespace kalnika {

namespace {


std::string FirstChars(const std::string& s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }
std::string LastChars(const std::string& s, std::size_t n) {
  return s.size() <= n ? s : s.substr(s.size() - n);
}
// Character k (1-based) of a text, or '\0' beyond its end.
char CharAt(const std::string& s, std::size_t k) { return k >= 1 && k <= s.size() ? s[k - 1] : '\0'; }

}  // namespace

std::string YearText(double value) {
  char buffer[512];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

frmKalnika::frmKalnika(Grid& grid, MessageBox& messageBox, std::filesystem::path placeFile)
    : ProfileBuffer(kProfileBufferSize, ' '),
      grid_(grid),
      messageBox_(messageBox),
      placeFile_(std::move(placeFile)) {
  lblVikram.Caption = kVikramInitialCaption;
}

void frmKalnika::SetGridVisible(bool visible) {
  gridVisible_ = visible;
  grid_.SetVisible(visible);
}

void frmKalnika::LoadControls() {
  chkDST.Value = false;
  lstMonth.items.assign(MonthListNames.begin(), MonthListNames.end());
  lstMonth.ListIndex = -1;

  for (int r = 0; r < kGridRows; ++r) grid_.SetRowHeight(r, kRowHeightTwips);
  for (int c = 0; c < kGridColumns; ++c) grid_.SetColWidth(c, ColumnWidths[static_cast<std::size_t>(c)]);
  grid_.SetRow(0);
  for (int c = 0; c < kGridColumns - 1; ++c) {
    grid_.SetCol(c);
    grid_.SetText(ColumnHeadings[static_cast<std::size_t>(c)]);
  }
  SetGridVisible(true);

  lstLocation.items = LoadPlaceList(placeFile_);
  // A stored position that names no entry (a stale number, or any number when the
  // list is empty) selects the first entry when there is one; -1, stored while no
  // entry was selected, selects nothing.
  int position = StoredDefaultPosition(placeFile_);
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

void frmKalnika::ParseLocation() {
  ParsedLocation parsed = ParseLocationText(lstLocation.Tag);
  lblTimeZone.Caption = parsed.zoneCaption;
  lblTimeZone.Tag = parsed.zoneTag;
  lblLat.Caption = parsed.latCaption;
  lblLong.Caption = parsed.longCaption;
}

void frmKalnika::cmdCalculate_Click() {
  lblKaliYuga.Caption.clear();
  SetGridVisible(false);
  for (int r = 1; r < kGridRows; ++r) {
    grid_.SetRow(r);
    for (int c = 0; c <= 15; ++c) {
      grid_.SetCol(c);
      grid_.SetText("");
    }
  }

  lstLocation.Tag = lstLocation.Text();
  if (lstLocation.Tag.size() > 2) ParseLocation();
  lstMonth.Tag = lstMonth.Text();
  txtYear.Tag = txtYear.Text;
  lstLocation.Tag = lstLocation.Text();

  if (lstMonth.Tag.empty()) {
    messageBox_.Show(kSelectMonthMessage);
    return;
  }
  if (txtYear.Tag.empty()) {
    messageBox_.Show(kTypeYearMessage);
    return;
  }
  const double yearValue = NumericValue(txtYear.Text);
  if (yearValue < kMinYear) {
    messageBox_.Show(kMinYearMessage);
    return;
  }
  // The year number is a 16-bit whole number; a larger year is refused rather than
  // overflowing it.
  const double yearNumber = RoundHalfEven(yearValue);
  if (!(yearNumber <= kMaxYear)) {
    messageBox_.Show(kMaxYearMessage);
    return;
  }

  // The place as the labels show it: degrees from the first four characters, minutes
  // from the last three, the hemisphere letter at its fixed position.
  PlaceLatitude = NumericValue(FirstChars(lblLat.Caption, 4)) + NumericValue(LastChars(lblLat.Caption, 3)) / 60.0;
  if (CharAt(lblLat.Caption, 4) == 'S') PlaceLatitude = -PlaceLatitude;
  PlaceLongitude = NumericValue(FirstChars(lblLong.Caption, 4)) + NumericValue(LastChars(lblLong.Caption, 3)) / 60.0;
  if (CharAt(lblLong.Caption, 5) == 'W') PlaceLongitude = -PlaceLongitude;
  const double TimeZone = NumericValue(lblTimeZone.Tag);

  lstMonth.Tag = lstMonth.Text();
  txtYear.Tag = txtYear.Text;
  lstMonth.Tag = std::to_string(lstMonth.ListIndex);

  for (int r = 1; r < kGridRows; ++r) {
    grid_.SetRow(r);
    grid_.SetCol(16);
    grid_.SetText("");
  }

  // Every date of the table, and the year column, use the year number: a year text
  // with a fraction or trailing letters ("2026.4", "2026 AD") computes and shows the
  // whole year it rounds to, so the rows always agree with the dates they show.
  MonthRequest request;
  request.monthIndex = lstMonth.ListIndex;
  request.year = static_cast<int>(yearNumber);
  request.latitude = PlaceLatitude;
  request.longitude = PlaceLongitude;
  request.timeZone = TimeZone;
  request.daylightSaving = chkDST.Value;

  AuspiciousLookup auspicious = [this](int maas, int tithi) {
    return AuspiciousDayNote(placeFile_, maas, tithi, ProfileBuffer);
  };
  MonthLabels labels = WriteMonthDays(request, grid_, auspicious, DayNote);
  lblKaliYuga.Caption = labels.kaliCaption;
  if (request.monthIndex == 0) lblKaliYuga.Tag = labels.kaliTag;
  lblVikram.Caption = labels.vikramCaption;
  SetGridVisible(true);
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
  std::string description = FirstChars(lstLocation.Text(), 30);
  WriteResult written = StoreDefaultPosition(placeFile_, lstLocation.ListIndex);
  if (!written.ok) {
    messageBox_.Show("The default place could not be stored: " + written.error);
    return;
  }
  messageBox_.Show("Default set to " + description);
}

}  // namespace kalnika
