// Sun and Moon quantities of the precise method, computed with astronomy-engine
// (VSOP87 for the Earth, the Improved Lunar Ephemeris for the Moon, IAU 2000B
// nutation) and a Lahiri ayanamsha written here from its definition.
//
// Times are numbers: days of universal time from 2000-01-01 12:00 UT (the `ut`
// of astronomy-engine's AstroTime). Angles are degrees.

import * as Astronomy from 'astronomy-engine';

export { Astronomy };

export const NAKSHATRA_WIDTH = 40 / 3; // 13°20′
export const TITHI_WIDTH = 12;
export const SIGN_WIDTH = 30;

const J2000_MS = Date.UTC(2000, 0, 1, 12, 0, 0);
const MS_PER_DAY = 86400000;
const LIGHT_DAYS_PER_AU = 1 / Astronomy.C_AUDAY; // light time for 1 AU, in days

// Reduces an angle in degrees to [0, 360); -1e-15 % 360 + 360 is 360 in doubles,
// hence the second test.
export function reduce360(deg) {
  let r = deg % 360;
  if (r < 0) r += 360;
  return r >= 360 ? 0 : r;
}

// Reduces an angle in degrees to [-180, 180).
export function reduce180(deg) {
  return reduce360(deg + 180) - 180;
}

export function timeOf(ut) {
  return new Astronomy.AstroTime(ut);
}

export function utFromDate(date) {
  return (date.getTime() - J2000_MS) / MS_PER_DAY;
}

export function dateFromUt(ut) {
  return new Date(J2000_MS + ut * MS_PER_DAY);
}

// Universal time of 0 h UT of a civil date 'YYYY-MM-DD'.
export function utOfCivilDate(iso) {
  const [y, m, d] = iso.split('-').map(Number);
  return (Date.UTC(y, m - 1, d) - J2000_MS) / MS_PER_DAY;
}

// 'YYYY-MM-DDThh:mm:ssZ', rounded to the nearest second.
export function isoSeconds(ut) {
  const ms = Math.round((J2000_MS + ut * MS_PER_DAY) / 1000) * 1000;
  return new Date(ms).toISOString().replace('.000Z', 'Z');
}

// Julian Day (UT) with 6 decimals.
export function julianDay(ut) {
  return (ut + 2451545.0).toFixed(6);
}

// --- Ayanamsha -----------------------------------------------------------

// General precession in longitude, arcseconds, T in Julian centuries of TT from
// J2000; IAU 2006 (Capitaine, Wallace & Chapront 2003, A&A 412, 567, eq. 39).
export function generalPrecession(T) {
  return ((((-0.0000000383 * T - 0.000023857) * T + 0.00007964) * T + 1.1054348) * T + 5028.796195) * T;
}

// Lahiri (Chitrapaksha) epoch: 1956 March 21, 0 h TT, and the ayanamsha of the
// Indian Astronomical Ephemeris there, 23°15′00.658″. That value is a true one
// (counted from the true equinox of date); the mean ayanamsha of the epoch is it
// less the nutation in longitude of the epoch (IAU 2000B: +16.81″).
export const LAHIRI_EPOCH_JD_TT = 2435553.5;
export const LAHIRI_TRUE_AT_EPOCH = 23 + 15 / 60 + 0.658 / 3600;

const LAHIRI_EPOCH_T = (LAHIRI_EPOCH_JD_TT - 2451545.0) / 36525;

// Nutation in longitude, arcseconds, at a TT given as days from J2000.
function nutationLongitudeAtTt(ttDays) {
  // AstroTime takes UT; step the UT until its TT is the wanted one (ΔT changes
  // by far less than a second over the ΔT itself, so three rounds are exact).
  let ut = ttDays;
  for (let i = 0; i < 3; ++i) ut = ttDays - Astronomy.DeltaT_EspenakMeeus(ut) / 86400;
  return Astronomy.e_tilt(new Astronomy.AstroTime(ut)).dpsi;
}

export const LAHIRI_MEAN_AT_EPOCH =
  LAHIRI_TRUE_AT_EPOCH - nutationLongitudeAtTt(LAHIRI_EPOCH_JD_TT - 2451545.0) / 3600;

// Mean Lahiri ayanamsha, degrees, at an AstroTime.
export function meanAyanamsha(time) {
  const T = time.tt / 36525;
  return LAHIRI_MEAN_AT_EPOCH + (generalPrecession(T) - generalPrecession(LAHIRI_EPOCH_T)) / 3600;
}

// Nutation in longitude, degrees, at an AstroTime.
export function nutationLongitude(time) {
  return Astronomy.e_tilt(time).dpsi / 3600;
}

// True Lahiri ayanamsha, degrees: the mean one plus the nutation in longitude.
export function trueAyanamsha(time) {
  return meanAyanamsha(time) + nutationLongitude(time);
}

// --- Longitudes ----------------------------------------------------------

// Apparent geocentric longitude of the Sun, true ecliptic and equinox of date,
// [0, 360). SunPosition backdates the Earth by the light time of 1 AU (this is
// the annual aberration), precesses and nutates to the true equator of date and
// rotates by the true obliquity.
export function sunApparent(time) {
  return reduce360(Astronomy.SunPosition(time).elon);
}

// Apparent geocentric longitude of the Moon, true ecliptic and equinox of date,
// [0, 360). EclipticGeoMoon gives the geometric position in the true ecliptic of
// date (nutation included); the Moon is taken where it was one light time
// earlier (about 1.3 s, 0.7″). For the geocentric Moon the annual aberration
// and the Earth's own motion during the light time cancel.
export function moonApparent(time) {
  const distanceAu = Astronomy.EclipticGeoMoon(time).dist;
  const seen = time.AddDays(-distanceAu * LIGHT_DAYS_PER_AU);
  const lon = Astronomy.EclipticGeoMoon(seen).lon;
  // The nutation of `seen` differs from that of `time` by < 1e-6″: ignored.
  return reduce360(lon);
}

// All quantities of one instant.
export function skyAt(ut) {
  const time = timeOf(ut);
  const sun = sunApparent(time);
  const moon = moonApparent(time);
  const ayanamsha = trueAyanamsha(time);
  const sunSid = reduce360(sun - ayanamsha);
  const moonSid = reduce360(moon - ayanamsha);
  return {
    sun,
    moon,
    ayanamsha,
    sunSid,
    moonSid,
    elongation: reduce360(moon - sun),
    yogaSum: reduce360(sunSid + moonSid),
  };
}

// --- Indices -------------------------------------------------------------

// 1..30: 1 śukla pratipadā, 15 pūrṇimā, 30 amāvasyā.
export function tithiOf(elongation) {
  return Math.min(29, Math.floor(elongation / TITHI_WIDTH)) + 1;
}

// 0..26 (0 Aśvinī / 0 Viṣkambha); the min guards an angle a hair below 360
// that the division rounds up to 27.
export function nakshatraOf(siderealMoon) {
  return Math.min(26, Math.floor(siderealMoon / NAKSHATRA_WIDTH));
}

export function yogaOf(yogaSum) {
  return Math.min(26, Math.floor(yogaSum / NAKSHATRA_WIDTH));
}

// 0..11 (0 Meṣa).
export function signOf(sidereal) {
  return Math.min(11, Math.floor(sidereal / SIGN_WIDTH));
}

// --- Root finding --------------------------------------------------------

// The instant in [a, b] where the increasing angle `angleAt(ut)` passes
// `target` (degrees), given that it is before at a and at or past at b.
// Bisection to 1e-7 day (9 ms).
export function crossing(angleAt, target, a, b) {
  while (b - a > 1e-7) {
    const m = 0.5 * (a + b);
    if (reduce180(angleAt(m) - target) < 0) a = m;
    else b = m;
  }
  return 0.5 * (a + b);
}

// Every instant in [from, to) where the increasing angle `angleAt` passes a
// multiple of `width`. `step` (days) must be short enough that the angle moves
// less than `width` in it. Returns [{ut, ended, begun}] with the indices
// floor(angle / width) before and after.
export function crossings(angleAt, width, from, to, step) {
  const count = Math.round(360 / width);
  const indexAt = (ut) => Math.min(count - 1, Math.floor(angleAt(ut) / width));
  const found = [];
  let a = from;
  let ka = indexAt(a);
  while (a < to) {
    const b = Math.min(a + step, to);
    const kb = indexAt(b);
    if (kb !== ka) {
      if (kb !== (ka + 1) % count) throw new Error(`two crossings in one step at ${isoSeconds(a)}`);
      const ut = crossing(angleAt, kb * width, a, b);
      found.push({ ut, ended: ka, begun: kb });
    }
    a = b;
    ka = kb;
  }
  return found;
}

// --- Sunrise and sunset --------------------------------------------------

// First rising (direction +1) or setting (-1) of the Sun's upper limb at the
// sea horizon, 34′ of refraction, after `ut` and within `limitDays`; null if
// none. Observer at height 0.
export function sunEvent(observer, direction, ut, limitDays) {
  const found = Astronomy.SearchRiseSet(Astronomy.Body.Sun, observer, direction, timeOf(ut), limitDays);
  return found ? found.ut : null;
}
