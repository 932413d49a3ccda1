#include "forms/calendar_file.h"

namespace kalnika {

ical::CalendarFile ShownCalendar(frmKalnika& form, bool wholeYear, const std::string& zoneName,
                                 const ical::ExportOptions& options) {
  if (!form.Shown()) return {};
  std::vector<MonthSheet> sheets = wholeYear ? form.ShownYear() : std::vector<MonthSheet>{*form.Shown()};
  std::vector<MonthValues> months;
  for (MonthSheet& sheet : sheets) months.push_back(std::move(sheet.values));
  const MonthSheet& shown = *form.Shown();
  ical::CalendarPlace place;
  place.description = shown.place.name;
  place.zoneName = zoneName.empty() ? shown.place.zoneName : zoneName;
  return ical::ExportCalendar(months, place, options);
}

ical::EventTexts CalendarTexts(Script script, xdvng::Digits digits) {
  ical::EventTexts texts;
  if (script == Script::Latin || script == Script::Iso15919) {
    texts.script = ical::EventScript::Latin;
    texts.latin = script == Script::Latin ? xdvng::LatinStyle::Readable : xdvng::LatinStyle::Iso15919;
  }
  texts.digits = digits;
  return texts;
}

}  // namespace kalnika
