#include "almanac/month_table.h"

#include <cmath>
#include <string_view>

#include "almanac/name_tables.h"
#include "astronomy/mean_elements.h"
#include "astronomy/moon_phase.h"
#include "astronomy/solar.h"
#include "astronomy/sunrise.h"
#include "calendar/calendar.h"
#include "elements/eras.h"
#include "elements/sun_sign.h"
#include "elements/tithi.h"

namespace kalnika {

namespace {

constexpr int kFullMoonTithi = 15;

std::string LastChars(const std::string& s, std::size_t n) {
  return s.size() <= n ? s : s.substr(s.size() - n);
}

template <std::size_t N>
const std::string& Name(const std::array<std::string, N>& table, int index) {
  static const std::string empty;
  return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)]
                                                           : empty;
}

}  // namespace

MonthPhases MonthPhaseTexts(int monthIndex, int year, double timeZone, bool daylightSaving) {
  // The lunation of the middle of the month: half the month's days (with fraction).
  double half = DaysOfMonth(monthIndex, year) / 2.0;
  double doy = DayOfYear(monthIndex + 1, half, year);
  double y = year + doy / 365.25;
  double k = std::floor((y - 2000.0) * 12.3685);
  return {MoonPhaseTime(0, k, timeZone, daylightSaving),
          MoonPhaseTime(2, k, timeZone, daylightSaving)};
}

std::string KaliYearOf(const std::string& shiftedDateText) {
  std::string_view s = shiftedDateText;
  for (int field = 0; field < 2; ++field) {
    std::size_t slash = s.find('/');
    if (slash == std::string_view::npos) return "";
    s.remove_prefix(slash + 1);
  }
  return std::string(s.substr(0, s.find(' ')));
}

DayRow ComputeDayRow(const MonthRequest& request, int day, const MonthPhases& phases,
                     const AuspiciousLookup& auspicious) {
  const int M = request.monthIndex + 1;
  DayRow row;
  auto& cells = row.cells;
  cells[0] = Name(GregorianMonthNames, request.monthIndex);
  cells[1] = std::to_string(day);
  cells[2] = std::to_string(request.year);
  cells[3] = Name(WeekdayNames, WeekdayNumber(M, day, request.year));

  const double JD = JulianDay(request.year, M, day, 0, 0, 0);
  const TithiAt at = TithiOfJulianDay(JD);
  const double Lm = at.Lm, Ls = at.Ls, Lsc = at.Lsc, Lmc = at.Lmc;
  const int Tithi = at.tithi;

  // Fortnight label and tithi name. 31 (the elongation just past 360 degrees) is
  // tithi 1 as an angle and is shown as the first tithi of the bright fortnight.
  std::string fortnight = Tithi > 15 && Tithi != 31 ? kDarkFortnight : kBrightFortnight;
  if (Tithi == kFullMoonTithi || Tithi == 0 || Tithi == 30) fortnight.clear();
  int tithiName = Tithi == 30 ? 0 : Tithi == 31 ? 1 : Tithi > 15 ? Tithi - 15 : Tithi;

  std::string ending = TithiEndingTime(request.year, M, day, request.timeZone);

  RaasResult sun = RaasNumber(JD, request.timeZone, request.daylightSaving, RaashiNames);
  if (sun.ingress) row.ingressNote = sun.note;

  std::string prefix;
  int Maas = MaasNumber(JD, Tithi);
  if (Maas > 22) {
    Maas = Maas - 22;
    prefix = kRegularAfterAddedPrefix;
  }
  if (Maas > 11) {
    Maas = Maas - 11;
    prefix = kAddedMonthPrefix;
  }

  int shake = Shalivahan_shake(JD, Maas);
  row.vikram = Vikram_samvat(JD, Maas);
  row.kaliYear = KaliYearOf(CalendarDate(JD + kShiftedAxisDays, request.timeZone, request.daylightSaving));

  const double Ayan = Ayanamsh(JD);
  int nakshatra = NaxatraNumber(Lm + Lmc - Ayan);
  double y = Lm + Lmc + Ls + Lsc - Ayan;
  int yoga = YogaIndex(Reducer(y));
  int moonSign = ChandraRaashiNumber(Lm + Lmc - Ayan);

  std::string sunrise = LastChars(SunriseSunsetTime(M, request.year, day, request.latitude,
                                                    request.longitude, true, request.timeZone,
                                                    request.daylightSaving), 10);
  std::string sunset = LastChars(SunriseSunsetTime(M, request.year, day, request.latitude,
                                                   request.longitude, false, request.timeZone,
                                                   request.daylightSaving), 10);

  cells[4] = std::to_string(shake);
  cells[5] = Name(SamvatsaraNames, SamvatsaraNumber(shake));
  cells[6] = prefix + Name(MaasNames, Maas);
  cells[7] = fortnight;
  cells[8] = Name(TithiNames, tithiName);
  cells[9] = ending;
  if (Tithi == 0 || Tithi == 30) cells[9] = phases.newMoon;
  if (Tithi == kFullMoonTithi) cells[9] = phases.fullMoon;
  cells[10] = Name(NaxatraNames, nakshatra);
  cells[11] = Name(YogaNames, yoga);
  cells[12] = Name(RaashiNames, moonSign);
  cells[13] = Name(RaashiNames, sun.sign);
  cells[14] = sunrise;
  cells[15] = sunset;
  cells[16] = auspicious ? auspicious(Maas, Tithi) : std::string();
  return row;
}

MonthLabels WriteMonthDays(const MonthRequest& request, Grid& grid,
                           const AuspiciousLookup& auspicious, std::string& DayNote) {
  MonthLabels labels;
  const MonthPhases phases =
      MonthPhaseTexts(request.monthIndex, request.year, request.timeZone, request.daylightSaving);
  const int n = DaysOfMonth(request.monthIndex, request.year);
  int firstVikram = 0, lastVikram = 0;  // 0: not yet known (an era year is never 0)

  for (int D = 1; D <= n; ++D) {
    DayRow row = ComputeDayRow(request, D, phases, auspicious);
    if (!row.ingressNote.empty()) DayNote = row.ingressNote;
    row.cells[16] = DayNote + row.cells[16];
    DayNote.clear();

    grid.SetRow(D);
    for (int c = 0; c < kGridColumns; ++c) {
      grid.SetCol(c);
      grid.SetText(row.cells[static_cast<std::size_t>(c)]);
    }

    labels.kaliCaption = std::string(kKaliPrefix) + row.kaliYear;
    if (request.monthIndex == 0 && D == 23)
      labels.kaliTag = std::string(kKaliPrefix) + row.kaliYear + kKaliNewYearSuffix;

    if (D == 1) firstVikram = row.vikram;
    if (D == n) lastVikram = row.vikram;
    if (firstVikram == lastVikram) lastVikram = 0;
  }

  if (request.monthIndex == 0) {
    grid.SetRow(23);
    grid.SetCol(16);
    grid.SetText(labels.kaliTag);
  }
  labels.vikramCaption = std::string(kVikramPrefix) + std::to_string(firstVikram) + "     " +
                         (lastVikram != 0 ? std::to_string(lastVikram) : std::string());
  return labels;
}

}  // namespace kalnika
