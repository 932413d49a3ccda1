#!/usr/bin/env node
// Writes ../../tests/data/sky/high-latitude.csv: sunrise and sunset of every date
// of four high-latitude months, where the Sun sets after local midnight or not at
// all: Reykjavik June 2000 and June 2026, Tromsø May 2026, McMurdo October 2000.
// See README.md ("High latitudes").
//
//   node high-latitude.mjs [--out FILE]

import { writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { zoneOffsetMinutes } from './places.mjs';
import { Astronomy, dateFromUt, isoSeconds, sunEvent, utOfCivilDate } from './sky.mjs';

const { values: args } = parseArgs({
  options: {
    out: { type: 'string', default: fileURLToPath(new URL('../../tests/data/sky/high-latitude.csv', import.meta.url)) },
  },
});

const dm = (degrees, minutes) => degrees + minutes / 60;

// The places as a place file stores them (whole minutes of arc).
const MONTHS = [
  { slug: 'reykjavik', latitude: dm(64, 8), longitude: -dm(21, 54), zone: 'Atlantic/Reykjavik', year: 2000, month: 6 },
  { slug: 'reykjavik', latitude: dm(64, 8), longitude: -dm(21, 54), zone: 'Atlantic/Reykjavik', year: 2026, month: 6 },
  { slug: 'tromso', latitude: dm(69, 39), longitude: dm(18, 57), zone: 'Europe/Oslo', year: 2026, month: 5 },
  { slug: 'mcmurdo', latitude: -dm(77, 51), longitude: dm(166, 40), zone: 'Antarctica/McMurdo', year: 2000, month: 10 },
];

// The instant (ut) of the local midnight that begins a civil date: 0 h less the
// offset in force at that midnight (found from the offset at noon and checked once
// more, so that a change of the clock at 02:00 does not move it).
function midnightOf(zone, date) {
  const zero = utOfCivilDate(date);
  const noonOffset = zoneOffsetMinutes(zone, dateFromUt(zero + 0.5));
  const offset = zoneOffsetMinutes(zone, dateFromUt(zero - noonOffset / 1440));
  return zero - offset / 1440;
}

// The first event of a direction in [from, until), or null.
function eventBetween(observer, direction, from, until) {
  const found = sunEvent(observer, direction, from, until - from);
  return found !== null && found >= from && found < until ? found : null;
}

// "hh:mm:ss" of an instant counted from a local midnight (24 and more: the next
// date), on the clock in force at the instant.
function clockSince(zone, ut, midnight) {
  const offset = zoneOffsetMinutes(zone, dateFromUt(ut));
  const midnightOffset = zoneOffsetMinutes(zone, dateFromUt(midnight));
  const seconds = Math.round((ut - midnight) * 86400 + (offset - midnightOffset) * 60);
  const two = (n) => String(n).padStart(2, '0');
  return `${two(Math.floor(seconds / 3600))}:${two(Math.floor(seconds / 60) % 60)}:${two(seconds % 60)}`;
}

const lines = [];
for (const m of MONTHS) {
  const observer = new Astronomy.Observer(m.latitude, m.longitude, 0);
  const days = new Date(Date.UTC(m.year, m.month, 0)).getUTCDate();
  // Local midnights and sunrises of the month's dates and of the two dates after it.
  const dates = Array.from({ length: days + 2 }, (_, i) =>
    new Date(Date.UTC(m.year, m.month - 1, 1 + i)).toISOString().slice(0, 10));
  const midnights = dates.map((d) => midnightOf(m.zone, d)).concat([midnightOf(m.zone, dates.at(-1)) + 1]);
  const rises = dates.map((_, i) => eventBetween(observer, +1, midnights[i], midnights[i + 1]));
  let previousSet = null;
  for (let i = 0; i < days; ++i) {
    // The sunset of a date with a sunrise: the first after it, before the next
    // sunrise (or the end of the next date when that has none). Without a sunrise:
    // the sunset that falls on the date, unless it is the previous date's.
    let set;
    if (rises[i] !== null) {
      set = eventBetween(observer, -1, rises[i], rises[i + 1] ?? midnights[i + 2]);
    } else {
      set = eventBetween(observer, -1, midnights[i], midnights[i + 1]);
      if (set !== null && previousSet !== null && set <= previousSet) set = null;
    }
    previousSet = set;
    lines.push([
      m.slug, dates[i],
      rises[i] === null ? '' : isoSeconds(rises[i]),
      set === null ? '' : isoSeconds(set),
      rises[i] === null ? '' : clockSince(m.zone, rises[i], midnights[i]),
      set === null ? '' : clockSince(m.zone, set, midnights[i]),
    ].join(','));
  }
}
writeFileSync(args.out, ['place,date,sunrise,sunset,sunrise_clock,sunset_clock', ...lines].join('\n') + '\n');
console.log(`${args.out}: ${lines.length} dates`);
