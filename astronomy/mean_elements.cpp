#include "astronomy/mean_elements.h"

#include <cmath>

namespace kalnika {

namespace {
// Each polynomial is summed left to right: constant plus the T term, then the T²,
// T³ and T⁴ terms, each a coefficient times a power of T or a power of T divided
// by a whole-number divisor.
double LunarLongitudeOfT(double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 218.3164477 + 481267.88123421 * T - 0.0015786 * T2 + T3 / 538841.0 - T4 / 65194000.0;
  return Reducer(v);
}
double LunarElongationOfT(double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 297.8501921 + 445267.1114034 * T - 0.00118819 * T2 + T3 / 545868.0 - T4 / 14712000.0;
  return Reducer(v);
}
double LunarAnomalyOfT(double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 134.9633964 + 477198.8675055 * T + 0.0087414 * T2 + T3 / 69699.0 - T4 / 14712000.0;
  return Reducer(v);
}
double LatitudeArgumentOfT(double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 93.272095 + 483202.0175233 * T - 0.0036539 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
  return Reducer(v);
}
double SolarAnomalyOfT(double T) {
  double T2 = T * T, T3 = T2 * T;
  double v = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
  return Reducer(v);
}
double SolarLongitudeOfT(double T) {
  double T2 = T * T;
  double v = 280.46646 + 36000.76983 * T + 0.0003032 * T2;
  return Reducer(v);
}
}  // namespace

double DynamicTime(double JD) { return (JD - 2451545.0) / 36525.0; }

double Tropical_Year(double JD) {
  double T = DynamicTime(JD);
  double T2 = T * T, T3 = T2 * T;
  return 365.2421896698 - 0.00000615359 * T - 0.000000000729 * T2 + 0.000000000264 * T3;
}

double Lunar_Synodic_Month(double JD) {
  double T = DynamicTime(JD);
  return 29.5305888531 + 0.00000021621 * T - 0.000000000364 * (T * T);
}

double MeanLunarLongitude(double JD) { return LunarLongitudeOfT(DynamicTime(JD)); }
double MeanLunarElongation(double JD) { return LunarElongationOfT(DynamicTime(JD)); }
double MeanLunarAnomaly(double JD) { return LunarAnomalyOfT(DynamicTime(JD)); }
double LunarLatitudeArgument(double JD) { return LatitudeArgumentOfT(DynamicTime(JD)); }
double MeanSolarAnomaly(double JD) { return SolarAnomalyOfT(DynamicTime(JD)); }
double MeanSolarLongitude(double JD) { return SolarLongitudeOfT(DynamicTime(JD)); }

double EJDE(double /*K*/, double T) { return 1.0 - 0.002516 * T - 0.0000074 * (T * T); }

double EccentricityFactor(double JD) { return EJDE(0.0, DynamicTime(JD)); }

double Reducer(double& Degrees) {
  // floor, not truncation, so that negative angles come out positive.
  Degrees = Degrees - std::floor(Degrees / 360.0) * 360.0;
  return Degrees;
}

MeanElements MeanElementsAt(double JD) {
  MeanElements e;
  e.T = DynamicTime(JD);
  e.Lp = LunarLongitudeOfT(e.T);
  e.D = LunarElongationOfT(e.T);
  e.Mp = LunarAnomalyOfT(e.T);
  e.F = LatitudeArgumentOfT(e.T);
  e.M = SolarAnomalyOfT(e.T);
  e.L0 = SolarLongitudeOfT(e.T);
  e.E = EJDE(0.0, e.T);
  return e;
}

}  // namespace kalnika
