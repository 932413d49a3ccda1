#pragma once
// The calendar export of the window and the command-line tool: the month the
// window model shows, or its whole year, as an iCalendar file (ical/).
#include <string>

#include "display/display_text.h"
#include "forms/frm_kalnika.h"
#include "ical/calendar_export.h"

namespace kalnika {

// The calendar of the month the form shows, or of the twelve months of its year,
// for its place and clock; no text when no month is shown. `zoneName`: the IANA
// zone of the timed events; empty: the zone name the place file stores for the
// shown place, and UTC when it stores none. A zone name that cannot be used
// (mistyped, not a place's clock) and a year after 9999 are refused, with the
// reason (ical::CalendarProblem).
ical::CalendarFile ShownCalendar(frmKalnika& form, bool wholeYear, const std::string& zoneName,
                                 const ical::ExportOptions& options);

// The events' texts in the script of a display: Latin for the two Latin scripts
// (readable or ISO 15919), Devanagari with the digits given otherwise (an
// iCalendar file holds no Xdvng bytes).
ical::EventTexts CalendarTexts(Script script, xdvng::Digits digits);

}  // namespace kalnika
