#!/usr/bin/env node
// Checks the tables against published facts and against themselves, and prints
// the figures quoted in README.md.
//
//   node checks.mjs [--data DIR]

import { parseArgs } from 'node:util';

import {
  Astronomy, crossings, isoSeconds, meanAyanamsha, reduce180, sunApparent, moonApparent,
  timeOf, trueAyanamsha, utFromDate, LAHIRI_EPOCH_JD_TT, LAHIRI_MEAN_AT_EPOCH,
} from './sky.mjs';
import { PLACES } from './places.mjs';
import { DEFAULT_DIR, lastAtOrBefore, nearestEvent, readEvents, readPlaceDays } from './tables.mjs';

const { values: args } = parseArgs({ options: { data: { type: 'string', default: DEFAULT_DIR } } });

const events = readEvents(args.data);
const lines = [];
let failures = 0;

// 'd°mm′ss.sss″'
function dms(deg) {
  const s = Math.round(deg * 3600 * 1000) / 1000;
  const d = Math.floor(s / 3600);
  const m = Math.floor((s - d * 3600) / 60);
  return `${d}°${String(m).padStart(2, '0')}′${(s - d * 3600 - m * 60).toFixed(3).padStart(6, '0')}″`;
}

const hhmmss = (ms, offsetMinutes) => new Date(ms + offsetMinutes * 60000).toISOString().slice(11, 19);

// One row: a published minute against a computed instant (ms). USNO and the
// almanacs round to the nearest minute, so |difference| <= 30 s is agreement;
// the worked example's minutes come from another ephemeris and ΔT and may be
// cut, not rounded: 60 s.
function minuteRow(what, source, publishedLocal, offsetMinutes, computedMs) {
  const publishedMs = Date.parse(`${publishedLocal}:00Z`) - offsetMinutes * 60000;
  const diff = Math.round((computedMs - publishedMs) / 1000);
  const ok = Math.abs(diff) <= (source === 'example' ? 60 : 30);
  if (!ok) failures += 1;
  lines.push(`| ${what} | ${source} | ${publishedLocal.replace('T', ' ')} | `
    + `${hhmmss(computedMs, offsetMinutes)} | ${diff >= 0 ? '+' : ''}${diff} s${ok ? '' : ' **off**'} |`);
}

const eventNear = (list, publishedUt) => nearestEvent(list, Date.parse(`${publishedUt}:00Z`));

// --- Published facts -----------------------------------------------------

lines.push('| fact | source | published | computed | difference |', '| --- | --- | --- | --- | --- |');

// Mumbai 2026, IST.
const IST = 330;
const mumbai = readPlaceDays('mumbai', args.data);
minuteRow('Mumbai sunrise 19 Mar 2026 (IST)', 'example', '2026-03-19T06:44', IST, mumbai.get('2026-03-19').sunrise);
minuteRow('new moon 19 Mar 2026 (IST)', 'example', '2026-03-19T06:54', IST, eventNear(events.newmoon, '2026-03-19T01:24').ms);
minuteRow('end of śukla pratipadā, 20 Mar 2026 (IST)', 'example', '2026-03-20T04:53', IST,
  events.tithi.find((e) => e.index === 1 && e.ms > Date.parse('2026-03-19T12:00Z')).ms);

// Phases, USNO, UT.
const PHASES = [
  ['newmoon', '2020-06-21T06:41', 'new moon 21 Jun 2020 (annular eclipse)'],
  ['fullmoon', '2021-05-26T11:14', 'full moon 26 May 2021 (total lunar eclipse)'],
  ['fullmoon', '2022-11-08T11:02', 'full moon 8 Nov 2022 (total lunar eclipse)'],
  ['fullmoon', '2024-03-25T07:00', 'full moon 25 Mar 2024 (penumbral lunar eclipse)'],
  ['newmoon', '2024-04-08T18:21', 'new moon 8 Apr 2024 (total solar eclipse)'],
  ['fullmoon', '2025-03-14T06:55', 'full moon 14 Mar 2025 (total lunar eclipse)'],
  ['newmoon', '2026-02-17T12:01', 'new moon 17 Feb 2026 (annular eclipse)'],
  ['newmoon', '2026-08-12T17:37', 'new moon 12 Aug 2026 (total solar eclipse)'],
];
for (const [kind, ut, what] of PHASES) minuteRow(`${what} (UT)`, 'USNO', ut, 0, eventNear(events[kind], ut).ms);

// Equinoxes and solstices, USNO, UT: the apparent tropical Sun at a multiple of 90°.
const SEASONS = [
  ['2020-03-20T03:50', 'March equinox 2020'],
  ['2024-03-20T03:06', 'March equinox 2024'],
  ['2024-06-20T20:51', 'June solstice 2024'],
  ['2024-09-22T12:44', 'September equinox 2024'],
  ['2026-03-20T14:46', 'March equinox 2026'],
];
for (const [ut, what] of SEASONS) {
  const around = utFromDate(new Date(`${ut}:00Z`));
  const [found] = crossings((u) => sunApparent(timeOf(u)), 90, around - 1, around + 1, 0.5);
  minuteRow(`${what} (UT)`, 'USNO', ut, 0, Date.parse(isoSeconds(found.ut)));
}

// Sunrise and sunset, local clock.
const london = readPlaceDays('london', args.data).get('2026-06-21');
minuteRow('London sunrise 21 Jun 2026 (BST)', 'almanacs', '2026-06-21T04:43', 60, london.sunrise);
minuteRow('London sunset 21 Jun 2026 (BST)', 'almanacs', '2026-06-21T21:21', 60, london.sunset);
const newYork = readPlaceDays('newyork', args.data).get('2024-01-01');
minuteRow('New York sunrise 1 Jan 2024 (EST)', 'almanacs', '2024-01-01T07:20', -300, newYork.sunrise);
minuteRow('New York sunset 1 Jan 2024 (EST)', 'almanacs', '2024-01-01T16:39', -300, newYork.sunset);

// Added months at Mumbai: first and last date.
lines.push('', '| added month at Mumbai | published | computed |', '| --- | --- | --- |');
const MONTH_NAMES = ['Chaitra', 'Vaiśākha', 'Jyeṣṭha', 'Āṣāḍha', 'Śrāvaṇa', 'Bhādrapada',
  'Āśvina', 'Kārttika', 'Mārgaśīrṣa', 'Pauṣa', 'Māgha', 'Phālguna'];
const PUBLISHED_ADDED = {
  2020: 'Āśvina, 18 Sep – 16 Oct',
  2023: 'Śrāvaṇa, 18 Jul – 16 Aug',
  2026: 'Jyeṣṭha, 17 May – 15 Jun (example)',
};
const runs = [];
for (const day of mumbai.values()) {
  if (day.monthKind !== 'A') continue;
  const last = runs[runs.length - 1];
  if (last && last.month === day.month && Date.parse(day.date) - Date.parse(last.last) === 86400000) last.last = day.date;
  else runs.push({ month: day.month, first: day.date, last: day.date });
}
const SHORT_MONTHS = ['Jan', 'Feb', 'Mar', 'Apr', 'May', 'Jun', 'Jul', 'Aug', 'Sep', 'Oct', 'Nov', 'Dec'];
const dayMonth = (iso) => `${Number(iso.slice(8, 10))} ${SHORT_MONTHS[Number(iso.slice(5, 7)) - 1]}`;
for (const r of runs) {
  const year = r.first.slice(0, 4);
  lines.push(`| ${year} | ${PUBLISHED_ADDED[year] ?? '—'} | ${MONTH_NAMES[r.month]}, ${dayMonth(r.first)} – ${dayMonth(r.last)} |`);
}
const lost = [...mumbai.values()].filter((d) => d.monthKind === 'K').length;
lines.push('', `Days in a lunation with two sign entries (lost month) at Mumbai: ${lost}.`);

// --- The tables against themselves ----------------------------------------

// The values at sunrise must be the ones the events imply.
lines.push('', '| place | days | values at sunrise differing from the events |', '| --- | --- | --- |');
const afterLast = (list, ms, fallback) => {
  const i = lastAtOrBefore(list, ms);
  return i < 0 ? fallback : list[i];
};
for (const place of PLACES) {
  const days = readPlaceDays(place.slug, args.data);
  const differing = [];
  for (const d of days.values()) {
    const t = afterLast(events.tithi, d.sunrise).index % 30 + 1;
    const n = (afterLast(events.nakshatra, d.sunrise).index + 1) % 27;
    const y = (afterLast(events.yoga, d.sunrise).index + 1) % 27;
    const s = afterLast(events.sign, d.sunrise).index;
    const m = afterLast(events.newmoon, d.sunrise);
    if (t !== d.tithi || n !== d.nakshatra || y !== d.yoga || s !== d.sunSign
        || m.index !== d.month || m.kind !== d.monthKind) differing.push(d.date);
  }
  if (differing.length) failures += 1;
  lines.push(`| ${place.slug} | ${days.size} | ${differing.length ? differing.join(' ') : 'none'} |`);
}

// --- Conventions ----------------------------------------------------------

// The two ways astronomy-engine offers to the apparent longitudes of date.
let sunSpread = 0;
let moonSpread = 0;
for (let ut = 7305; ut < 11323; ut += 7.3) {
  const time = timeOf(ut);
  const viaVector = Astronomy.Ecliptic(Astronomy.GeoVector(Astronomy.Body.Sun, time, true)).elon;
  sunSpread = Math.max(sunSpread, Math.abs(reduce180(sunApparent(time) - viaVector)) * 3600);
  const geometric = Astronomy.Ecliptic(Astronomy.GeoMoon(time)).elon;
  moonSpread = Math.max(moonSpread, Math.abs(reduce180(moonApparent(time) - geometric)) * 3600);
}
lines.push('',
  `SunPosition against Ecliptic(GeoVector(Sun, aberration)): at most ${sunSpread.toFixed(3)}″ apart.`,
  `Moon with its light time against Ecliptic(GeoMoon): at most ${moonSpread.toFixed(3)}″ apart.`);

const at = (iso) => timeOf(utFromDate(new Date(iso)));
lines.push('', '| instant | mean Lahiri ayanamsha | true Lahiri ayanamsha |', '| --- | --- | --- |');
lines.push(`| epoch, JD ${LAHIRI_EPOCH_JD_TT} TT | ${dms(LAHIRI_MEAN_AT_EPOCH)} | ${dms(23 + 15 / 60 + 0.658 / 3600)} |`);
for (const [label, iso] of [['J2000.0 (2000-01-01 12:00 TT)', null], ['2026-01-01 0 h UT', '2026-01-01T00:00:00Z']]) {
  const time = iso ? at(iso) : timeOf(-Astronomy.DeltaT_EspenakMeeus(0) / 86400);
  lines.push(`| ${label} | ${dms(meanAyanamsha(time))} (${meanAyanamsha(time).toFixed(6)}°) | `
    + `${dms(trueAyanamsha(time))} (${trueAyanamsha(time).toFixed(6)}°) |`);
}
lines.push('', 'ΔT applied (Espenak–Meeus): '
  + [2020, 2026, 2030].map((y) => `${y}: ${(at(`${y}-01-01T00:00:00Z`).tt - at(`${y}-01-01T00:00:00Z`).ut) * 86400 | 0} s`).join(', '));

process.stdout.write(`${lines.join('\n')}\n`);
if (failures) {
  process.stderr.write(`${failures} check(s) off\n`);
  process.exitCode = 1;
}
