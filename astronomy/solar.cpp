#include "astronomy/solar.h"

#include <cmath>

#include "astronomy/mean_elements.h"

namespace kalnika {

double SolarLongitudeCorrectionOf(double T, double M) {
  double c1 = 1.914602 - 0.004817 * T - 0.000014 * (T * T);
  double c2 = 0.019993 - 0.000101 * T;
  return c1 * std::sin(M * kDegreesToRadians) + c2 * std::sin((M + M) * kDegreesToRadians) +
         0.000289 * std::sin(M * 3.0 * kDegreesToRadians);
}

double SolarLongitudeCorrection(double JD) {
  return SolarLongitudeCorrectionOf(DynamicTime(JD), MeanSolarAnomaly(JD));
}

double Ayanamsh(double JD) { return (JD - 1825154.5) * 23.79055556 / 624564.0; }

}  // namespace kalnika
