#pragma once
// Periodic terms of the Moon's longitude and distance (Meeus, Astronomical
// Algorithms, table 47.A, every coefficient used exactly as listed in the table
// of lunar_series.cpp).
#include "astronomy/mean_elements.h"

namespace kalnika {

// Sum of the Moon's longitude terms, degrees, not reduced (a few degrees either
// way). The true longitude of date is MeanLunarLongitude(JD) + this.
double LunarLongitudeCorrection(double JD);

// Sum of the Earth-Moon distance terms, kilometres (no mean distance added).
double LunarDistanceCorrection(double JD);

// The longitude sum for mean elements already computed for the instant; the same
// value, bit for bit, as LunarLongitudeCorrection of that instant.
double LunarLongitudeCorrectionOf(const MeanElements& e);

}  // namespace kalnika
