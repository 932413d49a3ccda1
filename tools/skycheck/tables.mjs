// Readers of the check tables (tests/data/sky/). Shared by checks.mjs and
// compare.mjs.

import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';

export const DEFAULT_DIR = fileURLToPath(new URL('../../tests/data/sky/', import.meta.url));

function readCsv(path) {
  const [header, ...lines] = readFileSync(path, 'utf8').trimEnd().split('\n');
  const names = header.split(',');
  return lines.map((line) => {
    const cells = line.split(',');
    return Object.fromEntries(names.map((name, i) => [name, cells[i]]));
  });
}

// Instant text 'YYYY-MM-DDThh:mm:ssZ' to milliseconds since 1970.
export function instantMs(text) {
  const ms = Date.parse(text);
  if (Number.isNaN(ms)) throw new Error(`bad instant ${text}`);
  return ms;
}

// Days of a place: Map 'YYYY-MM-DD' -> {sunrise, sunset (ms), tithi, nakshatra,
// yoga, moonSign, sunSign, month (numbers), monthKind ('R','A','N','K'),
// moonSid, sunSid (degrees), zone ('+05:30')}.
export function readPlaceDays(slug, dir = DEFAULT_DIR) {
  const days = new Map();
  for (const r of readCsv(join(dir, `${slug}.csv`))) {
    days.set(r.date, {
      date: r.date,
      sunrise: instantMs(r.sunrise),
      sunset: instantMs(r.sunset),
      tithi: Number(r.tithi),
      nakshatra: Number(r.nakshatra),
      yoga: Number(r.yoga),
      moonSign: Number(r.moon_sign),
      sunSign: Number(r.sun_sign),
      month: Number(r.month),
      monthKind: r.month_kind,
      moonSid: Number(r.moon_sid),
      sunSid: Number(r.sun_sid),
      zone: r.zone,
    });
  }
  return days;
}

// Events: {tithi, nakshatra, yoga, sign, newmoon, fullmoon} -> array of
// {ms, index, kind} in time order.
export function readEvents(dir = DEFAULT_DIR) {
  const events = { tithi: [], nakshatra: [], yoga: [], sign: [], newmoon: [], fullmoon: [] };
  for (const r of readCsv(join(dir, 'events.csv'))) {
    events[r.event].push({ ms: instantMs(r.instant), index: Number(r.index), kind: r.kind });
  }
  return events;
}

// Index of the last event at or before `ms` in a time-ordered array; -1 if none.
export function lastAtOrBefore(list, ms) {
  let lo = 0;
  let hi = list.length - 1;
  let found = -1;
  while (lo <= hi) {
    const mid = (lo + hi) >> 1;
    if (list[mid].ms <= ms) {
      found = mid;
      lo = mid + 1;
    } else {
      hi = mid - 1;
    }
  }
  return found;
}

// The event of a time-ordered list nearest to `ms`; undefined for an empty list.
export function nearestEvent(list, ms) {
  const i = lastAtOrBefore(list, ms);
  const before = list[i];
  const after = list[i + 1];
  if (!before || !after) return before ?? after;
  return ms - before.ms <= after.ms - ms ? before : after;
}

// Milliseconds from `ms` to the nearest event of the list.
export function distanceToNearest(list, ms) {
  const e = nearestEvent(list, ms);
  return e ? Math.abs(e.ms - ms) : Infinity;
}
