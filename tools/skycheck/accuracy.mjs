#!/usr/bin/env node
// How far the tables' ephemeris (astronomy-engine: truncated VSOP87, Improved
// Lunar Ephemeris) is from the full series: VSOP87D for the Earth and
// ELP/MPP02 fitted to DE405 for the Moon, both from the astronomia package.
// Same ΔT, nutation and ayanamsha on both sides, so only the series differ.
//
//   node accuracy.mjs [--data DIR]     (about a minute)

import { parseArgs } from 'node:util';

import elpData from 'astronomia/data/elpMppDeFull';
import vsopEarth from 'astronomia/data/vsop87Dearth';
import elp from 'astronomia/elp';
import planetposition from 'astronomia/planetposition';

import {
  Astronomy, NAKSHATRA_WIDTH, SIGN_WIDTH, TITHI_WIDTH, meanAyanamsha, moonApparent,
  nutationLongitude, reduce180, reduce360, sunApparent, timeOf,
} from './sky.mjs';
import { DEFAULT_DIR, readEvents } from './tables.mjs';

const { values: args } = parseArgs({ options: { data: { type: 'string', default: DEFAULT_DIR } } });

const moonSeries = new elp.Moon(elpData);
const earthSeries = new planetposition.Planet(vsopEarth);
const RAD = 180 / Math.PI;
const KM_PER_LIGHT_DAY = 299792.458 * 86400;

// Longitudes from the mean equinox of date, degrees, apparent (light time and
// aberration as in sky.mjs), from the full series.
function fullSun(time) {
  const jde = time.tt + 2451545.0;
  const r = earthSeries.position(jde).range;
  // The Earth one light time earlier seen from the Sun: the aberrated Sun.
  return reduce360(earthSeries.position(jde - r / Astronomy.C_AUDAY).lon * RAD + 180);
}

function fullMoon(time) {
  const jde = time.tt + 2451545.0;
  const km = moonSeries.position(jde).range;
  return reduce360(moonSeries.position(jde - km / KM_PER_LIGHT_DAY).lon * RAD);
}

// The same from astronomy-engine.
const engineSun = (time) => reduce360(sunApparent(time) - nutationLongitude(time));
const engineMoon = (time) => reduce360(moonApparent(time) - nutationLongitude(time));

const lines = [];

// Longitudes over 2020-2030.
function spread(a, b, stepDays) {
  let max = 0;
  let sum = 0;
  let n = 0;
  for (let ut = 7305; ut < 11323; ut += stepDays) {
    const time = timeOf(ut);
    const d = reduce180(a(time) - b(time)) * 3600;
    max = Math.max(max, Math.abs(d));
    sum += d;
    n += 1;
  }
  return `mean ${(sum / n).toFixed(2)}″, largest ${max.toFixed(2)}″ (${n} instants)`;
}
lines.push(`Sun, astronomy-engine − VSOP87D: ${spread(engineSun, fullSun, 3.7)}`);
lines.push(`Moon, astronomy-engine − ELP/MPP02: ${spread(engineMoon, fullMoon, 3.7)}`);

// Event instants of events.csv against the same events from the full series.
const J2000_MS = Date.UTC(2000, 0, 1, 12);
const angles = {
  tithi: [(t) => fullMoon(t) - fullSun(t), TITHI_WIDTH, (i) => (i % 30) * TITHI_WIDTH],
  newmoon: [(t) => fullMoon(t) - fullSun(t), 360, () => 0],
  fullmoon: [(t) => fullMoon(t) - fullSun(t), 360, () => 180],
  nakshatra: [(t) => fullMoon(t) - meanAyanamsha(t), NAKSHATRA_WIDTH, (i) => ((i + 1) % 27) * NAKSHATRA_WIDTH],
  yoga: [(t) => fullMoon(t) + fullSun(t) - 2 * meanAyanamsha(t), NAKSHATRA_WIDTH, (i) => ((i + 1) % 27) * NAKSHATRA_WIDTH],
  sign: [(t) => fullSun(t) - meanAyanamsha(t), SIGN_WIDTH, (i) => i * SIGN_WIDTH],
};

// Secant iteration from the tabulated instant.
function solve(angleAt, target, ut0) {
  const f = (ut) => reduce180(angleAt(timeOf(ut)) - target);
  let a = ut0;
  let b = ut0 + 1e-4;
  let fa = f(a);
  let fb = f(b);
  for (let i = 0; i < 20 && Math.abs(b - a) > 1e-8; ++i) {
    const c = b - (fb * (b - a)) / (fb - fa);
    a = b;
    fa = fb;
    b = c;
    fb = f(b);
  }
  return b;
}

const events = readEvents(args.data);
for (const [kind, every] of [['newmoon', 1], ['fullmoon', 1], ['sign', 1], ['tithi', 10], ['nakshatra', 10], ['yoga', 10]]) {
  const [angleAt, , targetOf] = angles[kind];
  let max = 0;
  let sum = 0;
  let n = 0;
  events[kind].forEach((e, i) => {
    if (i % every) return;
    const ut0 = (e.ms - J2000_MS) / 86400000;
    const d = (ut0 - solve(angleAt, targetOf(e.index), ut0)) * 86400;
    max = Math.max(max, Math.abs(d));
    sum += d;
    n += 1;
  });
  lines.push(`${kind} instants, tables − full series: mean ${sum / n >= 0 ? '+' : ''}${(sum / n).toFixed(1)} s, `
    + `largest ${max.toFixed(1)} s (${n} events${every > 1 ? `, every ${every}th` : ''})`);
}

process.stdout.write(`${lines.join('\n')}\n`);
