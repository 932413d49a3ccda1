#pragma once
// Instants of new moon and full moon (Meeus, Astronomical Algorithms, chapter 49,
// with the coefficients used exactly as listed in moon_phase.cpp). K is the
// lunation number (0 = the new moon of 6 January 2000), T = K / 1236.85.
namespace kalnika {

double MeanPhaseJDE(double K, double T);  // Julian Day, not reduced
double PlanetaryJDE(double K, double T);  // mean phase plus the 14 planetary terms
double MsJDE(double K, double T);         // Sun's mean anomaly M, degrees, reduced
double MmJDE(double K, double T);         // Moon's mean anomaly M', degrees, reduced
double FJDE(double K, double T);          // Moon's argument of latitude F, degrees, reduced
double OmegaJDE(double K, double T);      // longitude of the ascending node, degrees, reduced

// JDE plus the periodic terms of the new moon, respectively of the full moon.
double NewMoonCorrection(double JDE, double E, double M, double Mp, double F, double Omega);
double FullMoonCorrection(double JDE, double E, double M, double Mp, double F, double Omega);

// The Julian Day of the phase (0 = new moon of lunation K, 2 = the full moon that
// follows, at K + 0.5), without any correction between dynamical and universal time.
double MoonPhaseJDE(int phase, double K);

}  // namespace kalnika
