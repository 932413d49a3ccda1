#include "cli/ics.h"

#include "places/zone_names.h"

namespace kalnika::cli {

std::string ShownCalendar(frmKalnika& form, bool wholeYear, const std::string& zoneName,
                          const ical::ExportOptions& options) {
  if (!form.Shown()) return "";
  std::vector<MonthSheet> sheets = wholeYear ? form.ShownYear() : std::vector<MonthSheet>{*form.Shown()};
  std::vector<MonthValues> months;
  for (MonthSheet& sheet : sheets) months.push_back(std::move(sheet.values));
  const MonthSheet& shown = *form.Shown();
  ical::CalendarPlace place;
  place.description = shown.place.substr(0, 30);  // the record's description columns
  place.timeZone = shown.placeValue.timeZone;
  place.daylightSaving = shown.daylightSaving;
  place.zoneName = zoneName;
  if (place.zoneName.empty()) {
    // The place list holds the records of keys 0, 1, 2, ... in order, so the
    // position is the key of the zone name.
    const auto stored = ReadZoneNames(form.PlaceFile());
    const auto found = stored.find(form.lstLocation.ListIndex);
    if (found != stored.end()) place.zoneName = found->second;
  }
  return ical::ExportCalendar(months, place, options);
}

}  // namespace kalnika::cli
