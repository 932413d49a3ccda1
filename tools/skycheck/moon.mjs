#!/usr/bin/env node
// Writes the moonrise and moonset tables: one file per place, one line per civil
// date of the place, the first rising and the first setting of the Moon on that
// local date, or an empty field where there is none. See README.md.
//
//   node moon.mjs [--out DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--places mumbai,pune,...]

import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

import { PLACES, placeBySlug, offsetAtLocalNoon } from './places.mjs';
import { Astronomy, isoSeconds, timeOf, utOfCivilDate } from './sky.mjs';

const { values: args } = parseArgs({
  options: {
    out: { type: 'string', default: fileURLToPath(new URL('../../tests/data/sky/', import.meta.url)) },
    from: { type: 'string', default: '2020-01-01' },
    to: { type: 'string', default: '2030-12-31' },
    places: { type: 'string', default: PLACES.map((p) => p.slug).join(',') },
  },
});

function nextIso(iso) {
  return new Date(Date.parse(`${iso}T00:00:00Z`) + 86400000).toISOString().slice(0, 10);
}

// Local midnight of a civil date, as days of UT from J2000, by the offset at the
// date's local noon (a change of clock happens at night, hours from the Moon's
// events that matter here only when one falls between midnight and the change).
function localMidnight(place, iso) {
  return utOfCivilDate(iso) - offsetAtLocalNoon(place.zone, iso) / 1440;
}

// The first rising (+1) or setting (-1) of the Moon's upper limb at the sea
// horizon with 34' of refraction, topocentric, within [from, until); null if none.
// astronomy-engine's rise and set search is this definition (SearchRiseSet).
function moonEvent(observer, direction, from, until) {
  const found = Astronomy.SearchRiseSet(Astronomy.Body.Moon, observer, direction, timeOf(from), until - from);
  return found && found.ut >= from && found.ut < until ? found.ut : null;
}

mkdirSync(args.out, { recursive: true });
for (const slug of args.places.split(',')) {
  const place = placeBySlug(slug);
  const observer = new Astronomy.Observer(place.latitude, place.longitude, 0);
  const lines = [];
  let without = { rise: 0, set: 0 };
  for (let iso = args.from; iso <= args.to; iso = nextIso(iso)) {
    const from = localMidnight(place, iso);
    const until = localMidnight(place, nextIso(iso));
    const rise = moonEvent(observer, +1, from, until);
    const set = moonEvent(observer, -1, from, until);
    if (rise === null) without.rise += 1;
    if (set === null) without.set += 1;
    lines.push([iso, rise === null ? '' : isoSeconds(rise), set === null ? '' : isoSeconds(set)].join(','));
  }
  const name = `moon-${slug}.csv`;
  writeFileSync(join(args.out, name), `date,moonrise,moonset\n${lines.join('\n')}\n`);
  process.stderr.write(`${name}: ${lines.length} dates, ${without.rise} without a moonrise, ${without.set} without a moonset\n`);
}
