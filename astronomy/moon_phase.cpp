#include "astronomy/moon_phase.h"

#include <cmath>
#include <iterator>

#include "astronomy/mean_elements.h"

namespace kalnika {

namespace {

// Planetary arguments A1..A14: constant and rate per lunation in degrees,
// coefficient of the sine in days (Meeus, chapter 49). A1 alone has a T² term.
struct PlanetaryTerm {
  double constant, rate, coefficient;
};
constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {299.77, 0.107408, 0.000325},  // A1, also - 0.009173 T²
    {251.88, 0.016321, 0.000165},  // A2
    {251.83, 26.651886, 0.000164},  // A3
    {349.42, 36.412478, 0.000126},  // A4
    {84.66, 18.206239, 0.00011},    // A5
    {141.74, 53.303771, 0.000062},  // A6
    {207.14, 2.453732, 0.00006},    // A7
    {154.84, 7.30686, 0.000056},    // A8
    {34.52, 27.261239, 0.000047},   // A9
    {207.19, 0.121824, 0.000042},   // A10
    {291.34, 1.844379, 0.00004},    // A11
    {161.72, 24.198154, 0.000037},  // A12
    {239.56, 25.513099, 0.000035},  // A13
    {331.55, 3.592518, 0.000023},   // A14
};
static_assert(std::size(kPlanetaryTerms) == 14, "fourteen planetary arguments");

// Periodic terms of the phases: multipliers of M', M, F and Omega (summed in that
// order, which is the written order of every argument), the power of E, and the
// coefficients in days for the new moon and the full moon (Meeus, chapter 49).
struct PhaseTerm {
  int Mp, M, F, Omega;
  int Epower;
  double newMoon, fullMoon;
};
constexpr PhaseTerm kPhaseTerms[] = {
    {1, 0, 0, 0, 0, -0.4072, -0.40614},    // M'
    {0, 1, 0, 0, 1, 0.17241, 0.17302},     // M
    {2, 0, 0, 0, 0, 0.01608, 0.01614},     // 2M'
    {0, 0, 2, 0, 0, 0.01039, 0.01043},     // 2F
    {1, -1, 0, 0, 1, 0.00739, 0.00734},    // M' - M
    {1, 1, 0, 0, 1, -0.00514, -0.00515},   // M' + M
    {0, 2, 0, 0, 2, 0.00208, 0.00209},     // 2M
    {1, 0, -2, 0, 0, -0.00111, -0.00111},  // M' - 2F
    {1, 0, 2, 0, 0, -0.00057, -0.00057},   // M' + 2F
    {2, 1, 0, 0, 1, 0.00056, 0.00056},     // 2M' + M
    {3, 0, 0, 0, 0, -0.00042, -0.00042},   // 3M'
    {0, 1, 2, 0, 1, 0.00042, 0.00042},     // M + 2F
    {0, 1, -2, 0, 1, 0.00038, 0.00038},    // M - 2F
    {2, -1, 0, 0, 1, -0.00024, -0.00024},  // 2M' - M
    {0, 0, 0, 1, 0, -0.00017, -0.00017},   // Omega
    {1, 2, 0, 0, 0, -0.00007, -0.00007},   // M' + 2M
    {2, 0, -2, 0, 0, 0.00004, 0.00004},    // 2M' - 2F
    {0, 3, 0, 0, 0, 0.00004, 0.00004},     // 3M
    {1, 1, -2, 0, 0, 0.00003, 0.00003},    // M' + M - 2F
    {2, 0, 2, 0, 0, 0.00003, 0.00003},     // 2M' + 2F
    {1, 1, 2, 0, 0, -0.00003, -0.00003},   // M' + M + 2F
    {1, -1, 2, 0, 0, 0.00003, 0.00003},    // M' - M + 2F
    {1, -1, -2, 0, 0, -0.00002, -0.00002}, // M' - M - 2F
    {3, 1, 0, 0, 0, -0.00002, -0.00002},   // 3M' + M
    {4, 0, 0, 0, 0, 0.00002, 0.00002},     // 4M'
};
static_assert(std::size(kPhaseTerms) == 25, "25 periodic terms per phase");

// A multiplier of 0 adds an exact zero, so the sum keeps the written order of the
// argument's terms.
double PhaseArgument(const PhaseTerm& t, double M, double Mp, double F, double Omega) {
  return t.Mp * Mp + t.M * M + t.F * F + t.Omega * Omega;
}

double ApplyPhaseTerms(double JDE, double E, double M, double Mp, double F, double Omega,
                       bool fullMoon) {
  for (const PhaseTerm& t : kPhaseTerms) {
    double c = fullMoon ? t.fullMoon : t.newMoon;
    double factor = t.Epower == 0 ? 1.0 : t.Epower == 1 ? E : E * E;
    JDE += c * factor * std::sin(PhaseArgument(t, M, Mp, F, Omega) * kDegreesToRadians);
  }
  return JDE;
}

}  // namespace

double MeanPhaseJDE(double K, double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  return 2451550.09766 + 29.530588861 * K + 0.00015437 * T2 - 0.00000015 * T3 +
         0.00000000073 * T4;
}

double MsJDE(double K, double T) {
  double T2 = T * T, T3 = T2 * T;
  double v = 2.5534 + 29.1053567 * K - 0.0000014 * T2 - 0.00000011 * T3;
  return Reducer(v);
}

double MmJDE(double K, double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 201.5643 + 385.81693528 * K + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
  return Reducer(v);
}

double FJDE(double K, double T) {
  double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  double v = 160.7108 + 390.67050284 * K - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
  return Reducer(v);
}

double OmegaJDE(double K, double T) {
  double T2 = T * T, T3 = T2 * T;
  double v = 124.7746 - 1.56375588 * K + 0.0020672 * T2 + 0.00000215 * T3;
  return Reducer(v);
}

double PlanetaryJDE(double K, double T) {
  double JDE = MeanPhaseJDE(K, T);
  for (std::size_t i = 0; i < std::size(kPlanetaryTerms); ++i) {
    const PlanetaryTerm& p = kPlanetaryTerms[i];
    double A = p.constant + p.rate * K;
    if (i == 0) A = A - 0.009173 * (T * T);
    JDE += p.coefficient * std::sin(A * kDegreesToRadians);
  }
  return JDE;
}

double NewMoonCorrection(double JDE, double E, double M, double Mp, double F, double Omega) {
  return ApplyPhaseTerms(JDE, E, M, Mp, F, Omega, false);
}

double FullMoonCorrection(double JDE, double E, double M, double Mp, double F, double Omega) {
  return ApplyPhaseTerms(JDE, E, M, Mp, F, Omega, true);
}

double MoonPhaseJDE(int phase, double K) {
  double Kp = K + phase * 0.25;
  double T = Kp / 1236.85;
  double M = MsJDE(Kp, T);
  double Mp = MmJDE(Kp, T);
  double E = EJDE(Kp, T);
  double F = FJDE(Kp, T);
  double Omega = OmegaJDE(Kp, T);
  double JDE = PlanetaryJDE(Kp, T);
  if (phase == 0) JDE = NewMoonCorrection(JDE, E, M, Mp, F, Omega);
  if (phase == 2) JDE = FullMoonCorrection(JDE, E, M, Mp, F, Omega);
  return JDE;
}

}  // namespace kalnika
