// Moonrise and moonset against tests/data/sky/moon-<place>.csv: the first rising
// and setting of the Moon's upper limb on every civil date 2020-2030 at five
// places, computed with another ephemeris (astronomy-engine 2.1.19: the Improved
// Lunar Ephemeris, its own Delta T and its 34' of refraction; written by
// tools/skycheck/moon.mjs), with an empty field on a date without one. A date
// agrees when both have the event within a minute of each other, or neither has
// it. The Moon's horizon crossing is slow and shallow at some latitudes and
// seasons, where a few arc seconds of position or refraction move it by more than
// a minute, so a date in a hundred may differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "astronomy/ephemeris.h"
#include "support/instant_text.h"
#include "support/sky_tables.h"

namespace kalnika {
namespace {

using testing_sky::ReadSkyCsv;
using testing_sky::ZoneHours;
using testing_time::JulianDayOfLocal;


// Local midnight of a date "YYYY-MM-DD" in a zone, Julian Day UT.
double Midnight(const std::string& date, double zone) {
  int y, m, d;
  std::sscanf(date.c_str(), "%d-%d-%d", &y, &m, &d);
  return JulianDayOfLocal(y, m, d, 0, 0, zone);
}

struct PlaceCase {
  const char* name;
  GeoPoint place;  // as in the tables' README
};

class MoonTables : public testing::TestWithParam<PlaceCase> {};

TEST_P(MoonTables, AgreeWithinAMinuteOnNinetyNinePercentOfDates) {
  const PlaceCase& c = GetParam();
  const auto moon = ReadSkyCsv(std::string("moon-") + c.name + ".csv");
  const auto days = ReadSkyCsv(std::string(c.name) + ".csv");  // the zone of each date
  ASSERT_EQ(moon.size(), 4018u);
  ASSERT_EQ(days.size(), moon.size());
  // The local midnight that ends the table's last date (a winter date everywhere).
  const double afterLast = Midnight("2031-01-01", ZoneHours(days.back()[12]));

  for (const auto& [event, column] : {std::pair{MoonEvent::Moonrise, 1}, std::pair{MoonEvent::Moonset, 2}}) {
    int agree = 0, without = 0, oursWithout = 0;
    double largest = 0.0;  // seconds, over the dates where both have the event
    std::vector<std::string> differences;
    for (std::size_t i = 0; i < moon.size(); ++i) {
      ASSERT_EQ(moon[i][0], days[i][0]);
      const double from = Midnight(moon[i][0], ZoneHours(days[i][12]));
      const double until = i + 1 < moon.size() ? Midnight(moon[i + 1][0], ZoneHours(days[i + 1][12])) : afterLast;
      const std::optional<double> theirs = testing_sky::OptionalInstant(moon[i][column]);
      const std::optional<double> ours = MoonEventBetween(event, from, until, c.place);
      if (!theirs) ++without;
      if (!ours) ++oursWithout;
      if (ours && theirs) largest = std::max(largest, std::fabs(*ours - *theirs) * 86400.0);
      const bool same = ours.has_value() == theirs.has_value() &&
                        (!ours || std::fabs(*ours - *theirs) * 86400.0 <= 60.0);
      if (same) {
        ++agree;
      } else {
        differences.push_back(moon[i][0] + " " + (ours ? std::to_string(*ours) : "none") + " here, " +
                              (moon[i][column].empty() ? "none" : moon[i][column]) + " in the table");
      }
    }
    const double share = 100.0 * agree / static_cast<double>(moon.size());
    const char* what = event == MoonEvent::Moonrise ? "moonrise" : "moonset";
    std::cout << c.name << " " << what << ": " << agree << " of " << moon.size()
              << " dates within a minute (" << share << " %), largest difference " << largest
              << " s; without one: " << oursWithout
              << " dates here, " << without << " in the table\n";
    RecordProperty(std::string(what) + "_agreement_percent", std::to_string(share));
    EXPECT_GE(share, 99.0) << what << "; first differences: "
                           << (differences.empty() ? "" : differences.front());
    // Once a lunation (29.5 days) a civil date has none: 136 or so in eleven years,
    // each said as none.
    EXPECT_GT(oursWithout, 130) << what;
  }
}

INSTANTIATE_TEST_SUITE_P(Places, MoonTables,
                         testing::Values(PlaceCase{"mumbai", {18 + 58 / 60.0, 72 + 50 / 60.0}},
                                         PlaceCase{"pune", {18 + 31 / 60.0, 73 + 51 / 60.0}},
                                         PlaceCase{"london", {51 + 30 / 60.0, -(8 / 60.0)}},
                                         PlaceCase{"newyork", {40 + 43 / 60.0, -74.0}},
                                         PlaceCase{"sanjose", {37 + 20 / 60.0, -(121 + 53 / 60.0)}}),
                         [](const testing::TestParamInfo<PlaceCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace kalnika
