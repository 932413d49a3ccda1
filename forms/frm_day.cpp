#include "forms/frm_day.h"

#include <cstdio>

namespace kalnika {

namespace {

// The clock the precise method reads the month's place on: the month's own when a
// zone sets it or when it is a precise month; else the record's zone to the minute
// (the classic method reads +05:45 as 5 hours) with the month's daylight saving.
Clock PreciseClock(const MonthSheet& month) {
  if (month.clock.Zoned() || month.values.method == Method::Precise) return month.clock;
  return Clock::Fixed(month.place.zone.Minutes(), month.daylightSaving);
}

}  // namespace

frmDay::frmDay(MessageBox& messageBox, frmKalnika& form, const MonthSheet& month)
    : messageBox_(messageBox), form_(form), month_(month), clock_(PreciseClock(month)) {}

bool frmDay::Show(const CivilDate& date) {
  std::optional<DayValues> values;
  const bool ownRow = month_.values.method == Method::Precise && date.year == month_.values.year &&
                      date.month == month_.values.month && date.day >= 1 &&
                      static_cast<std::size_t>(date.day) <= month_.values.days.size() &&
                      month_.values.days[static_cast<std::size_t>(date.day - 1)].precise->details;
  if (ownRow) {
    values = month_.values.days[static_cast<std::size_t>(date.day - 1)];
  } else {
    DayRequest request;
    request.date = date;
    request.latitude = month_.place.latitude;
    request.longitude = month_.place.longitude;
    request.clock = clock_;
    // The festivals as the place file holds them now, from one reading of it.
    StoredFestivals festivals = form_.Festivals();
    request.auspicious = std::move(festivals.notes);
    request.observance = std::move(festivals.rules);
    values = ComputeDay(request);
  }
  if (!values) {
    messageBox_.Show(kPreciseYearsMessage);
    return false;
  }
  DaySheet sheet;
  sheet.page = FormatDayPage(*values);
  sheet.values = std::move(*values);
  sheet.place = month_.place;
  sheet.clock = clock_;
  sheet.daylightSaving = !clock_.Zoned() && clock_.SummerHour();
  sheet.zoneName = clock_.ZoneName();
  shown_ = std::move(sheet);
  return true;
}

void frmDay::cmdNextDay_Click() {
  if (shown_) Show(AddDays(shown_->values.date, 1));
}

void frmDay::cmdPreviousDay_Click() {
  if (shown_) Show(AddDays(shown_->values.date, -1));
}

std::optional<CivilDate> DateOfRow(const MonthSheet& month, int row) {
  if (row < 1 || static_cast<std::size_t>(row) > month.values.days.size()) return std::nullopt;
  return month.values.days[static_cast<std::size_t>(row - 1)].date;
}

namespace {

// A month of the one day, for the month's wordings of its place and clock.
MonthSheet OneDayMonth(const DaySheet& day) {
  MonthSheet one;
  one.values.year = day.values.date.year;
  one.values.month = day.values.date.month;
  one.values.days = {day.values};
  one.place = day.place;
  one.clock = day.clock;
  one.daylightSaving = day.daylightSaving;
  one.zoneName = day.zoneName;
  return one;
}

}  // namespace

std::string DayPlace(const DaySheet& day) { return SheetPlace(OneDayMonth(day)); }

Message DayPlaceMessage(const DaySheet& day) { return SheetPlaceMessage(OneDayMonth(day)); }

std::string DayZone(const DaySheet& day) { return SheetZone(OneDayMonth(day)); }

std::string DayFileName(const DaySheet& day) {
  char suffix[8];
  std::snprintf(suffix, sizeof suffix, "-%02d", day.values.date.day);
  return SheetFileName(OneDayMonth(day), false) + suffix;
}

}  // namespace kalnika
