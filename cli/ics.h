#pragma once
// kalnika-cli --format ics: the computed month, or its whole year, as an
// iCalendar file.
#include <string>

#include "forms/frm_kalnika.h"
#include "ical/calendar_export.h"

namespace kalnika::cli {

// The calendar of the month the form shows, or of the twelve months of its year.
// `zoneName`: the IANA zone for the timed events; empty: the zone name the place
// file stores for the chosen place, and UTC when it stores none.
std::string ShownCalendar(frmKalnika& form, bool wholeYear, const std::string& zoneName,
                          const ical::ExportOptions& options);

}  // namespace kalnika::cli
