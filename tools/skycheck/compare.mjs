#!/usr/bin/env node
// Compares months of `kalnika-cli --format json --method precise` with the
// check tables and prints agreement figures.
//
//   node compare.mjs --place mumbai [--data DIR] [--tolerance 60] [--margin 2] MONTH.json ...
//   kalnika-cli ... --format json --method precise | node compare.mjs --place mumbai -
//   node compare.mjs --example mumbai 2026-03 > month.json   (a month in the shape read below)
//
// Exit status: 0 all agree (values that differ only within --margin minutes of
// a boundary count as agreeing), 1 something differs, 2 bad arguments.

import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { DEFAULT_DIR, distanceToNearest, instantMs, nearestEvent, readEvents, readPlaceDays } from './tables.mjs';

// --- Reading the CLI's month: the one place to adapt ------------------------

const MONTH_KINDS = {
  R: 'R', regular: 'R',
  A: 'A', added: 'A', adhika: 'A', adhik: 'A',
  N: 'N', 'regular-after-added': 'N', regular_after_added: 'N', nija: 'N',
  K: 'K', lost: 'K', kshaya: 'K',
};

// Instant as ISO text (any offset) or as a Julian Day of UT, to ms since 1970.
function cliInstant(value) {
  if (value === undefined || value === null || value === '') return undefined;
  if (typeof value === 'number') return Math.round((value - 2440587.5) * 86400000);
  return instantMs(value);
}

const pick = (object, ...names) => names.map((n) => object[n]).find((v) => v !== undefined);

// One month of the CLI's JSON output to
//   [{date: 'YYYY-MM-DD', sunrise, sunset (ms), tithi (1..30), nakshatra, yoga
//     (0..26), moonSign, sunSign (0..11), month (0 Chaitra..11), monthKind
//     ('R','A','N','K'), tithiEnds, nakshatraEnds, yogaEnds, signEntries ([ms])}]
// with undefined for what the output does not carry. Expected: beside "rows",
//   "days": [{"date": "2026-03-19", "sunrise": "2026-03-19T01:13:52Z",
//     "sunset": ..., "tithi": 30, "nakshatra": 25, "yoga": 23, "moon_sign": 11,
//     "sun_sign": 11, "month": {"index": 11, "kind": "regular"},
//     "tithi_ends": ["2026-03-19T01:23:29Z"], "nakshatra_ends": [...],
//     "yoga_ends": [...], "sign_entries": [...]}, ...]
// Other spellings of the names below are taken too; change this function when
// the output's shape settles.
export function readCliMonth(json) {
  const days = json.days ?? json.Days;
  if (!Array.isArray(days)) throw new Error('the month has no "days" array');
  return days.map((d) => {
    const month = pick(d, 'month', 'lunar_month', 'lunarMonth', 'maas');
    const monthIndex = typeof month === 'object' && month !== null ? pick(month, 'index', 'number') : month;
    const kindText = (typeof month === 'object' && month !== null ? pick(month, 'kind') : undefined)
      ?? pick(d, 'month_kind', 'monthKind', 'kind');
    const instants = (...names) => {
      const list = pick(d, ...names);
      return list === undefined ? undefined : [].concat(list).map(cliInstant);
    };
    return {
      date: pick(d, 'date', 'civil_date'),
      sunrise: cliInstant(pick(d, 'sunrise')),
      sunset: cliInstant(pick(d, 'sunset')),
      tithi: pick(d, 'tithi'),
      nakshatra: pick(d, 'nakshatra', 'naxatra'),
      yoga: pick(d, 'yoga'),
      moonSign: pick(d, 'moon_sign', 'moonSign', 'moon_raashi'),
      sunSign: pick(d, 'sun_sign', 'sunSign', 'sun_raashi'),
      month: monthIndex,
      monthKind: kindText === undefined ? undefined : MONTH_KINDS[kindText] ?? `?${kindText}`,
      tithiEnds: instants('tithi_ends', 'tithiEnds', 'tithi_end', 'tithiEnd'),
      nakshatraEnds: instants('nakshatra_ends', 'nakshatraEnds', 'nakshatra_end'),
      yogaEnds: instants('yoga_ends', 'yogaEnds', 'yoga_end'),
      signEntries: instants('sign_entries', 'signEntries', 'sign_entry', 'ingress'),
    };
  });
}

// --- The tables' month in that shape (for --example) ------------------------

function exampleMonth(slug, yearMonth, dir) {
  const places = readPlaceDays(slug, dir);
  const events = readEvents(dir);
  const iso = (ms) => new Date(ms).toISOString().replace('.000Z', 'Z');
  const kinds = { R: 'regular', A: 'added', N: 'regular-after-added', K: 'lost' };
  const days = [];
  for (const d of places.values()) {
    if (!d.date.startsWith(yearMonth)) continue;
    const next = places.get(new Date(Date.parse(d.date) + 86400000).toISOString().slice(0, 10));
    const until = next ? next.sunrise : d.sunrise + 86400000;
    const within = (list) => list.filter((e) => e.ms >= d.sunrise && e.ms < until).map((e) => iso(e.ms));
    days.push({
      date: d.date,
      sunrise: iso(d.sunrise),
      sunset: iso(d.sunset),
      tithi: d.tithi,
      nakshatra: d.nakshatra,
      yoga: d.yoga,
      moon_sign: d.moonSign,
      sun_sign: d.sunSign,
      month: { index: d.month, kind: kinds[d.monthKind] },
      tithi_ends: within(events.tithi),
      nakshatra_ends: within(events.nakshatra),
      yoga_ends: within(events.yoga),
      sign_entries: within(events.sign),
    });
  }
  return { rows: [], days };
}

// --- Comparison -------------------------------------------------------------

// Mean motions, degrees a day, to turn an angular margin into minutes.
const RATE = { elongation: 12.19, moon: 13.18, sum: 14.17, sun: 0.9856 };

// Minutes between sunrise and the nearest change of each value, from the
// tables' longitudes at sunrise (mean motions: good enough to tell a value
// that sits on a boundary).
function minutesToBoundary(ours, field, events) {
  const margin = (angle, width, rate) => {
    const inside = ((angle % width) + width) % width;
    return (Math.min(inside, width - inside) / rate) * 1440;
  };
  const elongation = ours.moonSid - ours.sunSid;
  switch (field) {
    case 'tithi': return margin(elongation, 12, RATE.elongation);
    case 'nakshatra': return margin(ours.moonSid, 40 / 3, RATE.moon);
    case 'yoga': return margin(ours.moonSid + ours.sunSid, 40 / 3, RATE.sum);
    case 'moonSign': return margin(ours.moonSid, 30, RATE.moon);
    case 'sunSign': return margin(ours.sunSid, 30, RATE.sun);
    case 'month':
    case 'monthKind': return distanceToNearest(events.newmoon, ours.sunrise) / 60000;
    default: return Infinity;
  }
}

const VALUE_FIELDS = ['tithi', 'nakshatra', 'yoga', 'moonSign', 'sunSign', 'month', 'monthKind'];
const TIME_FIELDS = ['sunrise', 'sunset'];
const EVENT_FIELDS = { tithiEnds: 'tithi', nakshatraEnds: 'nakshatra', yogaEnds: 'yoga', signEntries: 'sign' };

function compare(cliDays, places, events, options) {
  const values = Object.fromEntries(VALUE_FIELDS.map((f) => [f, { same: 0, boundary: [], differ: [] }]));
  const times = Object.fromEntries([...TIME_FIELDS, ...Object.keys(EVENT_FIELDS)]
    .map((f) => [f, { n: 0, sum: 0, max: 0, over: [] }]));
  const missing = [];
  const addTime = (field, date, theirs, oursMs) => {
    const seconds = (theirs - oursMs) / 1000;
    const t = times[field];
    t.n += 1;
    t.sum += seconds;
    t.max = Math.max(t.max, Math.abs(seconds));
    if (Math.abs(seconds) > options.tolerance) t.over.push(`${date} ${seconds >= 0 ? '+' : ''}${seconds.toFixed(0)} s`);
  };
  for (const theirs of cliDays) {
    const ours = places.get(theirs.date);
    if (!ours) {
      missing.push(theirs.date);
      continue;
    }
    for (const f of VALUE_FIELDS) {
      if (theirs[f] === undefined) continue;
      const v = values[f];
      if (theirs[f] === ours[f]) {
        v.same += 1;
      } else {
        const minutes = minutesToBoundary(ours, f, events);
        const note = `${theirs.date} ours ${ours[f]} theirs ${theirs[f]} (${minutes.toFixed(1)} min from a change)`;
        (minutes <= options.margin ? v.boundary : v.differ).push(note);
      }
    }
    for (const f of TIME_FIELDS) if (theirs[f] !== undefined) addTime(f, theirs.date, theirs[f], ours[f]);
    for (const [f, kind] of Object.entries(EVENT_FIELDS)) {
      for (const ms of theirs[f] ?? []) addTime(f, theirs.date, ms, nearestEvent(events[kind], ms).ms);
    }
  }
  return { values, times, missing };
}

function report(name, result, options) {
  const out = [`${name}`];
  let bad = result.missing.length > 0;
  if (result.missing.length) out.push(`  dates not in the tables: ${result.missing.join(' ')}`);
  for (const [f, v] of Object.entries(result.values)) {
    const n = v.same + v.boundary.length + v.differ.length;
    if (!n) continue;
    out.push(`  ${f.padEnd(14)} ${v.same}/${n} agree` + (v.boundary.length ? `, ${v.boundary.length} differ at a boundary` : '')
      + (v.differ.length ? `, ${v.differ.length} DIFFER` : ''));
    for (const note of [...v.differ, ...(options.verbose ? v.boundary : [])]) out.push(`      ${note}`);
    if (v.differ.length) bad = true;
  }
  for (const [f, t] of Object.entries(result.times)) {
    if (!t.n) continue;
    out.push(`  ${f.padEnd(14)} ${t.n} instants, mean ${t.sum / t.n >= 0 ? '+' : ''}${(t.sum / t.n).toFixed(1)} s, `
      + `largest ${t.max.toFixed(1)} s` + (t.over.length ? `, ${t.over.length} beyond ${options.tolerance} s` : ''));
    for (const note of t.over) out.push(`      ${note}`);
    if (t.over.length) bad = true;
  }
  return { text: out.join('\n'), bad };
}

// --- Command line -----------------------------------------------------------

function main() {
  const { values: args, positionals } = parseArgs({
    allowPositionals: true,
    options: {
      place: { type: 'string' },
      data: { type: 'string', default: DEFAULT_DIR },
      tolerance: { type: 'string', default: '60' },
      margin: { type: 'string', default: '2' },
      verbose: { type: 'boolean', default: false },
      example: { type: 'boolean', default: false },
    },
  });
  if (args.example) {
    const [slug, yearMonth] = positionals;
    if (!slug || !/^\d{4}-\d{2}$/.test(yearMonth ?? '')) {
      process.stderr.write('usage: node compare.mjs --example PLACE YYYY-MM\n');
      return 2;
    }
    process.stdout.write(`${JSON.stringify(exampleMonth(slug, yearMonth, args.data), null, 1)}\n`);
    return 0;
  }
  if (!args.place || positionals.length === 0) {
    process.stderr.write('usage: node compare.mjs --place PLACE [--data DIR] [--tolerance S] [--margin MIN] [--verbose] FILE.json|- ...\n');
    return 2;
  }
  const options = { tolerance: Number(args.tolerance), margin: Number(args.margin), verbose: args.verbose };
  const places = readPlaceDays(args.place, args.data);
  const events = readEvents(args.data);
  let bad = false;
  for (const file of positionals) {
    const json = JSON.parse(readFileSync(file === '-' ? 0 : file, 'utf8'));
    const r = report(file === '-' ? 'standard input' : file, compare(readCliMonth(json), places, events, options), options);
    process.stdout.write(`${r.text}\n`);
    bad ||= r.bad;
  }
  return bad ? 1 : 0;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) process.exitCode = main();
