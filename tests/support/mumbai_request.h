#pragma once
// A month's request at the bundled place file's Mumbai (18°58′ N, 72°50′ E) on
// India's clock (+05:30), the place most tests compare with published almanacs.
#include "almanac/month_values.h"
#include "clock/clock.h"

namespace kalnika::testing_place {

inline MonthRequest MumbaiMonth(int year, int month, Method method) {
  MonthRequest request;
  request.year = year;
  request.month = month;
  request.latitude = 18 + 58 / 60.0;
  request.longitude = 72 + 50 / 60.0;
  request.clock = Clock::Fixed(330);
  request.method = method;
  return request;
}

}  // namespace kalnika::testing_place
