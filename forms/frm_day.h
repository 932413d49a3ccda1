#pragma once
// The day view without any toolkit: one date of the precise method at the place
// and on the clock of a computed month, its page (almanac/day_text.h), and the
// steps to the previous and next dates. The window's day view binds to it and
// draws its page; the command-line tool prints the same page and values.
//
// The day view always shows the precise method: the five limbs with their times,
// the periods and the eclipses are the precise method's (the classic almanac has
// no karana, no moonrise and no periods). Opened from a month of the classic
// method, it computes the date with the place's own clock (a zone's, or the record's
// offset to the minute with the daylight-saving box), as the precise month of the
// same place would; opened from a precise month computed with the day pages'
// values, it shows that month's row.
#include <optional>
#include <string>

#include "almanac/day_text.h"
#include "almanac/month_values.h"
#include "forms/frm_kalnika.h"
#include "forms/message_box.h"

namespace kalnika {

// A computed day and what it was computed for.
struct DaySheet {
  DayValues values;  // the precise row of the date
  DayPage page;
  Place place;
  Clock clock;
  bool daylightSaving = false;  // the box, when the clock was set by hand
  std::string zoneName;         // the zone whose offsets set the clock; empty: set by hand
};

class frmDay {
 public:
  // The place and clock of `month` (a computed month of `form`), for every date the
  // view steps to; the festivals of a date outside the month are the form's place
  // file's as it holds them then.
  frmDay(MessageBox& messageBox, frmKalnika& form, const MonthSheet& month);

  // Shows a date: the month's own row when it is a precise month of that date,
  // else a computation of the date. A date outside the precise method's years is
  // refused with a message, and the shown day stays. Returns whether it is shown.
  bool Show(const CivilDate& date);
  void cmdNextDay_Click();
  void cmdPreviousDay_Click();

  // The day shown; nothing before the first Show or after a refused first one.
  const std::optional<DaySheet>& Shown() const { return shown_; }

 private:
  MessageBox& messageBox_;
  frmKalnika& form_;
  MonthSheet month_;  // the month's values are kept for its own rows
  Clock clock_;       // the precise method's clock of the month's place
  std::optional<DaySheet> shown_;
};

// The date of a day row (1..31) of a computed month; nothing for a row it lacks.
std::optional<CivilDate> DateOfRow(const MonthSheet& month, int row);

// The place of a day as its page names it: its name, latitude, longitude and the
// offset of the clock on the date, with the zone name or daylight saving
// ("Mumbai, Maharashtra, India (18 N 58, 072 E 50, UTC +05:30)").
std::string DayPlace(const DaySheet& day);
// The same as a message, for the window (SheetPlaceMessage).
Message DayPlaceMessage(const DaySheet& day);

// The offset of the day's clock and what set it: "UTC +05:30 (Asia/Kolkata)",
// "UTC -04:00 (daylight saving)".
std::string DayZone(const DaySheet& day);

// A file name for the day's page, without a suffix: "Mumbai-2026-09-14".
std::string DayFileName(const DaySheet& day);

}  // namespace kalnika
