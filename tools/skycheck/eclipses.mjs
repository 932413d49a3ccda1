#!/usr/bin/env node
// Writes tests/data/sky/eclipses.csv: every solar and lunar eclipse of the span
// (default 2020-2030) at Mumbai, London and New York, from astronomy-engine's
// eclipse searches, with whether it is visible from the place, its kind, its
// magnitude and its contacts. See README.md, "eclipses.csv".
//
//   node eclipses.mjs [--out FILE] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                     [--places mumbai,london,newyork]
//
// Visible: the centre of the Sun (Moon) above the horizon with the engine's normal
// refraction, at some instant from the first contact to the last.

import { writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { placeBySlug } from './places.mjs';
import { Astronomy, isoSeconds, utOfCivilDate } from './sky.mjs';

const { values: args } = parseArgs({
  options: {
    out: { type: 'string', default: fileURLToPath(new URL('../../tests/data/sky/eclipses.csv', import.meta.url)) },
    from: { type: 'string', default: '2020-01-01' },
    to: { type: 'string', default: '2030-12-31' },
    places: { type: 'string', default: 'mumbai,london,newyork' },
  },
});

const fromUt = utOfCivilDate(args.from);
const toUt = utOfCivilDate(args.to) + 1;
const MINUTE = 1 / 1440;

// Radii the engine's eclipse searches use (astronomy.js: SUN_RADIUS_KM,
// MOON_MEAN_RADIUS_KM, and EARTH_ECLIPSE_RADIUS_KM, the Earth's mean radius plus
// 88 km of atmosphere, for the Earth's shadow).
const SUN_RADIUS_KM = 695700.0;
const MOON_RADIUS_KM = 1737.4;
const EARTH_SHADOW_RADIUS_KM = 6371.0 + 88.0;

// --- Altitudes, risings and settings -------------------------------------------

// Refracted altitude of the body's centre, degrees: the topocentric position of
// date (aberration corrected) and the engine's normal refraction.
function altitude(body, ut, observer) {
  const time = new Astronomy.AstroTime(ut);
  const equ = Astronomy.Equator(body, time, observer, true, true);
  return Astronomy.Horizon(time, observer, equ.ra, equ.dec, 'normal').altitude;
}

// The instants in (from, until) at which the altitude changes sign, found on a
// grid of one minute and refined by bisection to 0.01 s; a body that rises and
// sets within one minute would be missed, which no eclipse here comes near.
function horizonCrossings(body, from, until, observer) {
  const rises = [];
  const sets = [];
  let t0 = from;
  let a0 = altitude(body, t0, observer);
  while (t0 < until) {
    const t1 = Math.min(t0 + MINUTE, until);
    const a1 = altitude(body, t1, observer);
    if ((a0 > 0) !== (a1 > 0)) {
      let lo = t0;
      let hi = t1;
      while (hi - lo > 1e-7) {
        const mid = 0.5 * (lo + hi);
        if ((altitude(body, mid, observer) > 0) === (a0 > 0)) lo = mid; else hi = mid;
      }
      (a1 > 0 ? rises : sets).push(0.5 * (lo + hi));
    }
    t0 = t1;
    a0 = a1;
  }
  return { rises, sets };
}

// --- Rows ----------------------------------------------------------------------

const HEADER = [
  'place', 'body', 'greatest', 'global_kind', 'visible', 'kind', 'magnitude',
  'begin', 'partial_begin', 'central_begin', 'maximum', 'central_end', 'partial_end', 'end',
  'rise', 'set',
];

const instant = (ut) => (ut === undefined ? '' : isoSeconds(ut));

function row(fields) {
  return HEADER.map((name) => fields[name] ?? '').join(',');
}

// A row for an eclipse at a place: visibility from the altitude at the contacts and
// the maximum, and from the body's risings and settings between first and last
// contact.
function withVisibility(body, fields, contacts, observer) {
  const begin = contacts[0];
  const end = contacts[contacts.length - 1];
  const { rises, sets } = horizonCrossings(body, begin, end, observer);
  const up = contacts.some((ut) => altitude(body, ut, observer) > 0) || rises.length > 0 || sets.length > 0;
  return {
    ...fields,
    visible: up ? 1 : 0,
    rise: rises.length ? isoSeconds(rises[0]) : '',
    set: sets.length ? isoSeconds(sets[0]) : '',
  };
}

// --- Lunar eclipses --------------------------------------------------------------

// Umbral and penumbral magnitudes at an instant: the fraction of the Moon's diameter
// inside the Earth's umbra (penumbra), from the same shadow cone as the engine's
// lunar eclipse search (geocentric Moon, light-time corrected Sun).
function lunarMagnitudes(ut) {
  const time = new Astronomy.AstroTime(ut);
  const s = Astronomy.GeoVector(Astronomy.Body.Sun, time, true);
  const m = Astronomy.GeoMoon(time);
  const dir = [-s.x, -s.y, -s.z];
  const target = [m.x, m.y, m.z];
  const u = (dir[0] * target[0] + dir[1] * target[1] + dir[2] * target[2])
    / (dir[0] * dir[0] + dir[1] * dir[1] + dir[2] * dir[2]);
  const r = Astronomy.KM_PER_AU * Math.hypot(u * dir[0] - target[0], u * dir[1] - target[1], u * dir[2] - target[2]);
  const umbra = SUN_RADIUS_KM - (1 + u) * (SUN_RADIUS_KM - EARTH_SHADOW_RADIUS_KM);
  const penumbra = -SUN_RADIUS_KM + (1 + u) * (SUN_RADIUS_KM + EARTH_SHADOW_RADIUS_KM);
  return {
    umbral: (umbra + MOON_RADIUS_KM - r) / (2 * MOON_RADIUS_KM),
    penumbral: (penumbra + MOON_RADIUS_KM - r) / (2 * MOON_RADIUS_KM),
  };
}

function lunarRows(places) {
  const rows = [];
  let info = Astronomy.SearchLunarEclipse(new Astronomy.AstroTime(fromUt - 1));
  while (info.peak.ut < toUt) {
    const peak = info.peak.ut;
    const half = (minutes) => minutes / 1440;
    const p1 = peak - half(info.sd_penum);
    const p4 = peak + half(info.sd_penum);
    const u1 = info.sd_partial > 0 ? peak - half(info.sd_partial) : undefined;
    const u4 = info.sd_partial > 0 ? peak + half(info.sd_partial) : undefined;
    const u2 = info.sd_total > 0 ? peak - half(info.sd_total) : undefined;
    const u3 = info.sd_total > 0 ? peak + half(info.sd_total) : undefined;
    const magnitudes = lunarMagnitudes(peak);
    const magnitude = info.kind === Astronomy.EclipseKind.Penumbral ? magnitudes.penumbral : magnitudes.umbral;
    const contacts = [p1, u1, u2, peak, u3, u4, p4].filter((t) => t !== undefined);
    if (p4 >= fromUt) {
      for (const place of places) {
        rows.push(withVisibility(Astronomy.Body.Moon, {
          place: place.slug, body: 'lunar', greatest: instant(peak), global_kind: info.kind, kind: info.kind,
          magnitude: magnitude.toFixed(4),
          begin: instant(p1), partial_begin: instant(u1), central_begin: instant(u2),
          maximum: instant(peak), central_end: instant(u3), partial_end: instant(u4), end: instant(p4),
        }, contacts, place.observer));
      }
    }
    info = Astronomy.NextLunarEclipse(info.peak);
  }
  return rows;
}

// --- Solar eclipses ----------------------------------------------------------------

// NASA's magnitude at the place: the fraction of the Sun's diameter covered, or the
// ratio of the apparent diameters where the eclipse is total or annular.
function solarMagnitude(ut, observer, central) {
  const time = new Astronomy.AstroTime(ut);
  const sun = Astronomy.Equator(Astronomy.Body.Sun, time, observer, true, true);
  const moon = Astronomy.Equator(Astronomy.Body.Moon, time, observer, true, true);
  const separation = Astronomy.AngleBetween(sun.vec, moon.vec);
  const sunRadius = Math.asin(SUN_RADIUS_KM / (sun.dist * Astronomy.KM_PER_AU)) * Astronomy.RAD2DEG;
  const moonRadius = Math.asin(MOON_RADIUS_KM / (moon.dist * Astronomy.KM_PER_AU)) * Astronomy.RAD2DEG;
  return central ? moonRadius / sunRadius : (sunRadius + moonRadius - separation) / (2 * sunRadius);
}

function solarRows(places) {
  const rows = [];
  let global = Astronomy.SearchGlobalSolarEclipse(new Astronomy.AstroTime(fromUt - 1));
  while (global.peak.ut < toUt) {
    for (const place of places) {
      // The engine's local search returns the next eclipse seen from the place
      // (the Sun's centre up at its first or last contact); another one than this
      // means the place does not see this one.
      const local = Astronomy.SearchLocalSolarEclipse(global.peak.AddDays(-1), place.observer);
      const fields = { place: place.slug, body: 'solar', greatest: instant(global.peak.ut), global_kind: global.kind };
      if (Math.abs(local.peak.time.ut - global.peak.ut) > 0.5) {
        rows.push({ ...fields, visible: 0 });
        continue;
      }
      const central = local.total_begin !== undefined;
      const contacts = [local.partial_begin.time.ut, local.peak.time.ut, local.partial_end.time.ut];
      if (central) contacts.splice(1, 0, local.total_begin.time.ut);
      if (central) contacts.splice(3, 0, local.total_end.time.ut);
      rows.push(withVisibility(Astronomy.Body.Sun, {
        ...fields, kind: local.kind,
        magnitude: solarMagnitude(local.peak.time.ut, place.observer, central).toFixed(4),
        begin: instant(local.partial_begin.time.ut),
        central_begin: central ? instant(local.total_begin.time.ut) : '',
        maximum: instant(local.peak.time.ut),
        central_end: central ? instant(local.total_end.time.ut) : '',
        end: instant(local.partial_end.time.ut),
      }, contacts, place.observer));
    }
    global = Astronomy.NextGlobalSolarEclipse(global.peak);
  }
  return rows;
}

// --- Output ------------------------------------------------------------------------

const places = args.places.split(',').map((slug) => {
  const p = placeBySlug(slug);
  return { ...p, observer: new Astronomy.Observer(p.latitude, p.longitude, 0) };
});
// The solar eclipses in time order, then the lunar ones; the places of one eclipse
// together.
const lines = [...solarRows(places), ...lunarRows(places)].map(row);
writeFileSync(args.out, `${HEADER.join(',')}\n${lines.join('\n')}\n`);
process.stderr.write(`${lines.length} rows written to ${args.out}\n`);
