#pragma once
// Time argument, mean year and month, and the mean elements of the Moon and the
// Sun (Meeus, Astronomical Algorithms, chapters 25 and 47, with the coefficients
// used exactly as listed below). No correction between universal and dynamical
// time is applied: JD is used as it comes.

namespace kalnika {

// Degrees to radians: the double nearest 3.14159265358979 / 180, a few units in the
// last place below pi/180. Every sine and cosine of the model uses this factor.
inline constexpr double kDegreesToRadians = 0.017453292519943278;

// T, Julian centuries of 36525 days from JD 2451545 (J2000.0).
double DynamicTime(double JD);

// Mean tropical year in days (part of the model; no almanac cell uses it).
double Tropical_Year(double JD);

// Mean synodic month in days.
double Lunar_Synodic_Month(double JD);

// Mean elements in degrees, each reduced to [0, 360) by Reducer.
double MeanLunarLongitude(double JD);   // L'
double MeanLunarElongation(double JD);  // D
double MeanLunarAnomaly(double JD);     // M'
double LunarLatitudeArgument(double JD);  // F
double MeanSolarAnomaly(double JD);     // M
double MeanSolarLongitude(double JD);   // L0

// Eccentricity factor E of the Earth's orbit at T; K is accepted and ignored.
double EJDE(double K, double T);
// E at a Julian Day: EJDE(0, DynamicTime(JD)).
double EccentricityFactor(double JD);

// Reduces an angle in degrees to [0, 360) with a floor (so -10 gives 350), writes
// the reduced value back into the caller's variable and returns it. A negative
// angle smaller in magnitude than half an ulp of 360 (say -1e-14) comes back as
// exactly 360, because -1e-14 + 360 rounds to 360.
double Reducer(double& Degrees);

// The mean-element polynomials of one instant, computed once. Every value is
// bit-identical to the function of the same name above.
struct MeanElements {
  double T;
  double Lp;  // L', degrees, reduced
  double D;   // degrees, reduced
  double Mp;  // M', degrees, reduced
  double F;   // degrees, reduced
  double M;   // degrees, reduced
  double L0;  // degrees, reduced
  double E;   // dimensionless
};
MeanElements MeanElementsAt(double JD);

}  // namespace kalnika
