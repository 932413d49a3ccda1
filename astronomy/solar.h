#pragma once
// The Sun's equation of the centre and the ayanamsha.

namespace kalnika {

// Equation of the centre, degrees, not reduced (under 2 degrees either way).
// The Sun's true tropical longitude is MeanSolarLongitude(JD) + this.
double SolarLongitudeCorrection(double JD);

// Ayanamsha in degrees, not reduced: zero at JD 1825154.5 (1 January 285, Julian
// calendar), 23.79055556 (23°47'26") at JD 2449718.5, growing linearly; negative
// before its zero. Sidereal longitude = tropical longitude - this.
double Ayanamsh(double JD);

// The equation of the centre for T and the reduced mean anomaly M already
// computed; bit-identical to SolarLongitudeCorrection of that instant.
double SolarLongitudeCorrectionOf(double T, double M);

}  // namespace kalnika
