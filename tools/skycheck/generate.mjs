#!/usr/bin/env node
// Writes the check tables of the precise method: one file of days per place,
// one file of events, one file of ayanamsha values. See README.md.
//
//   node generate.mjs [--out DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                     [--events-from YYYY-MM-DD] [--events-to YYYY-MM-DD]
//                     [--places mumbai,pune,...]

import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { PLACES, placeBySlug, offsetAtLocalNoon, offsetText, zoneOffsetMinutes } from './places.mjs';
import {
  Astronomy, NAKSHATRA_WIDTH, SIGN_WIDTH, TITHI_WIDTH,
  crossings, dateFromUt, isoSeconds, meanAyanamsha, nakshatraOf, nutationLongitude,
  signOf, skyAt, sunEvent, tithiOf, timeOf, trueAyanamsha, utOfCivilDate, yogaOf,
} from './sky.mjs';

const { values: args } = parseArgs({
  options: {
    out: { type: 'string', default: fileURLToPath(new URL('../../tests/data/sky/', import.meta.url)) },
    from: { type: 'string', default: '2020-01-01' },
    to: { type: 'string', default: '2030-12-31' },
    'events-from': { type: 'string', default: '2019-12-01' },
    'events-to': { type: 'string', default: '2031-01-31' },
    places: { type: 'string', default: PLACES.map((p) => p.slug).join(',') },
  },
});

const started = Date.now();
const log = (text) => process.stderr.write(`${text}\n`);

// --- Civil dates ---------------------------------------------------------

function* civilDates(fromIso, toIso) {
  for (let ms = Date.parse(`${fromIso}T00:00:00Z`); ms <= Date.parse(`${toIso}T00:00:00Z`); ms += 86400000) {
    yield new Date(ms).toISOString().slice(0, 10);
  }
}

// Local civil date of an instant in a zone.
function localDate(ut, zone) {
  const date = dateFromUt(ut);
  const shifted = new Date(date.getTime() + zoneOffsetMinutes(zone, date) * 60000);
  return shifted.toISOString().slice(0, 10);
}

// --- Events --------------------------------------------------------------

// Searched over a wider span than written, so that the lunations around the
// first and last dates are complete.
const searchFrom = utOfCivilDate(args['events-from']) - 70;
const searchTo = utOfCivilDate(args['events-to']) + 1 + 70;
const writeFrom = utOfCivilDate(args['events-from']);
const writeTo = utOfCivilDate(args['events-to']) + 1;

// The angle functions evaluate one body at a time where one is enough.
const elongationAt = (ut) => skyAt(ut).elongation;
const moonSidAt = (ut) => skyAt(ut).moonSid;
const yogaSumAt = (ut) => skyAt(ut).yogaSum;
const sunSidAt = (ut) => skyAt(ut).sunSid;

// Steps: the Moon gains at most 15.4° a day on the Sun and on the stars, Sun
// and Moon together at most 16.4°; a quarter day keeps each below one width.
const tithiCrossings = crossings(elongationAt, TITHI_WIDTH, searchFrom, searchTo, 0.25);
log(`tithi ends: ${tithiCrossings.length} (${((Date.now() - started) / 1000).toFixed(0)} s)`);
const nakshatraCrossings = crossings(moonSidAt, NAKSHATRA_WIDTH, searchFrom, searchTo, 0.25);
log(`nakshatra ends: ${nakshatraCrossings.length}`);
const yogaCrossings = crossings(yogaSumAt, NAKSHATRA_WIDTH, searchFrom, searchTo, 0.25);
log(`yoga ends: ${yogaCrossings.length}`);
const signCrossings = crossings(sunSidAt, SIGN_WIDTH, searchFrom, searchTo, 2);
log(`sign entries: ${signCrossings.length} (${((Date.now() - started) / 1000).toFixed(0)} s)`);

// --- Lunations -----------------------------------------------------------

// Kinds of a lunation: R regular, A added (no sign entry), N the regular month
// after an added one, K lost (two sign entries: the month named from the
// second is skipped).
const newMoons = tithiCrossings.filter((c) => c.begun === 0).map((c) => c.ut);
const lunations = [];
for (let i = 0; i + 1 < newMoons.length; ++i) {
  const sign = signOf(skyAt(newMoons[i]).sunSid);
  const nextSign = signOf(skyAt(newMoons[i + 1]).sunSid);
  const entries = (nextSign - sign + 12) % 12;
  const previous = lunations[lunations.length - 1];
  let kind = 'R';
  if (entries === 0) kind = 'A';
  else if (entries >= 2) kind = 'K';
  else if (previous && previous.kind === 'A') kind = 'N';
  lunations.push({ start: newMoons[i], end: newMoons[i + 1], sign, entries, month: (sign + 1) % 12, kind });
}
// The first lunation has no known predecessor: it is only used for its month.

// Lunation containing `ut` (start <= ut < end); null outside the searched span.
function lunationAt(ut) {
  let lo = 0;
  let hi = lunations.length - 1;
  if (ut < lunations[0].start || ut >= lunations[hi].end) return null;
  while (lo < hi) {
    const mid = (lo + hi + 1) >> 1;
    if (lunations[mid].start <= ut) lo = mid;
    else hi = mid - 1;
  }
  return lunations[lo];
}

// --- Files ---------------------------------------------------------------

mkdirSync(args.out, { recursive: true });

function writeCsv(name, header, lines) {
  writeFileSync(join(args.out, name), `${header}\n${lines.join('\n')}\n`);
  log(`${name}: ${lines.length} lines`);
}

// Events, in time order; at one instant the tithi end before the phase line.
const events = [];
const kindOrder = { tithi: 0, newmoon: 1, fullmoon: 2, nakshatra: 3, yoga: 4, sign: 5 };
for (const c of tithiCrossings) {
  events.push({ ut: c.ut, event: 'tithi', index: c.ended + 1, kind: '' });
  if (c.begun === 0 || c.begun === 15) {
    const l = lunationAt(c.ut); // a new moon begins the lunation it finds
    if (l) events.push({ ut: c.ut, event: c.begun === 0 ? 'newmoon' : 'fullmoon', index: l.month, kind: l.kind });
  }
}
for (const c of nakshatraCrossings) events.push({ ut: c.ut, event: 'nakshatra', index: c.ended, kind: '' });
for (const c of yogaCrossings) events.push({ ut: c.ut, event: 'yoga', index: c.ended, kind: '' });
for (const c of signCrossings) events.push({ ut: c.ut, event: 'sign', index: c.begun, kind: '' });
const written = events
  .filter((e) => e.ut >= writeFrom && e.ut < writeTo)
  .sort((a, b) => a.ut - b.ut || kindOrder[a.event] - kindOrder[b.event]);
writeCsv('events.csv', 'instant,event,index,kind',
  written.map((e) => `${isoSeconds(e.ut)},${e.event},${e.index},${e.kind}`));

// Ayanamsha on the first of every month, 0 h UT.
const ayanamshaLines = [];
for (const iso of civilDates(args.from, args.to)) {
  if (!iso.endsWith('-01')) continue;
  const time = timeOf(utOfCivilDate(iso));
  ayanamshaLines.push([
    iso, meanAyanamsha(time).toFixed(7), (nutationLongitude(time) * 3600).toFixed(3), trueAyanamsha(time).toFixed(7),
  ].join(','));
}
writeCsv('ayanamsha.csv', 'date,mean_deg,nutation_arcsec,true_deg', ayanamshaLines);

// Days of each place.
const summary = [];
for (const slug of args.places.split(',')) {
  const place = placeBySlug(slug);
  const observer = new Astronomy.Observer(place.latitude, place.longitude, 0);
  const lines = [];
  let previous = null;
  const stats = { skippedTithi: [], repeatedTithi: [], skippedNakshatra: 0, repeatedNakshatra: 0, months: [] };
  for (const iso of civilDates(args.from, args.to)) {
    const offset = offsetAtLocalNoon(place.zone, iso);
    // Local midnight by the noon offset: a transition at 01:00-03:00 moves it
    // by an hour, still hours before the Sun rises at these latitudes.
    const midnight = utOfCivilDate(iso) - offset / 1440;
    const rise = sunEvent(observer, +1, midnight, 1);
    const set = sunEvent(observer, -1, midnight, 1);
    if (rise === null || set === null || localDate(rise, place.zone) !== iso || localDate(set, place.zone) !== iso) {
      throw new Error(`${slug} ${iso}: no sunrise or sunset on the local date`);
    }
    const sky = skyAt(rise);
    const lunation = lunationAt(rise);
    if (!lunation) throw new Error(`${slug} ${iso}: sunrise outside the searched lunations`);
    const day = {
      iso,
      tithi: tithiOf(sky.elongation),
      nakshatra: nakshatraOf(sky.moonSid),
      yoga: yogaOf(sky.yogaSum),
      moonSign: signOf(sky.moonSid),
      sunSign: signOf(sky.sunSid),
      month: lunation.month,
      kind: lunation.kind,
    };
    lines.push([
      iso, isoSeconds(rise), isoSeconds(set), day.tithi, day.nakshatra, day.yoga, day.moonSign, day.sunSign,
      day.month, day.kind, sky.moonSid.toFixed(4), sky.sunSid.toFixed(4), offsetText(offset),
    ].join(','));
    if (previous) {
      const dt = (day.tithi - previous.tithi + 30) % 30;
      if (dt === 2) stats.skippedTithi.push(iso);
      if (dt === 0) stats.repeatedTithi.push(iso);
      const dn = (day.nakshatra - previous.nakshatra + 27) % 27;
      if (dn === 2) stats.skippedNakshatra += 1;
      if (dn === 0) stats.repeatedNakshatra += 1;
    }
    const last = stats.months[stats.months.length - 1];
    if (!last || last.month !== day.month || last.kind !== day.kind) {
      stats.months.push({ month: day.month, kind: day.kind, first: iso, last: iso });
    } else {
      last.last = iso;
    }
    previous = day;
  }
  writeCsv(`${slug}.csv`,
    'date,sunrise,sunset,tithi,nakshatra,yoga,moon_sign,sun_sign,month,month_kind,moon_sid,sun_sid,zone',
    lines);
  summary.push({ slug, stats });
  log(`${slug} done (${((Date.now() - started) / 1000).toFixed(0)} s)`);
}

// --- Summary -------------------------------------------------------------

const out = [];
out.push('Lunations with no sign entry (added) or two (lost), new moon to new moon:');
for (const l of lunations) {
  if (l.kind !== 'A' && l.kind !== 'K') continue;
  if (l.end < writeFrom || l.start >= writeTo) continue;
  out.push(`  ${l.kind} month ${l.month}  ${isoSeconds(l.start)} .. ${isoSeconds(l.end)}`);
}
for (const { slug, stats } of summary) {
  out.push(`${slug}: ${stats.skippedTithi.length} sunrise-to-sunrise spans with two tithi ends, `
    + `${stats.repeatedTithi.length} with none; nakshatra: ${stats.skippedNakshatra} with two ends, `
    + `${stats.repeatedNakshatra} with none`);
  for (const m of stats.months) {
    if (m.kind !== 'R') out.push(`  month ${m.month} ${m.kind}: ${m.first} .. ${m.last}`);
  }
}
out.push(`time: ${((Date.now() - started) / 1000).toFixed(0)} s`);
process.stdout.write(`${out.join('\n')}\n`);
