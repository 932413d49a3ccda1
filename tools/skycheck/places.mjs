// The places of the tables: latitude north, longitude east (degrees; west
// negative) and the IANA time zone whose offset the tables record.

const dm = (degrees, minutes) => degrees + minutes / 60;

export const PLACES = [
  { slug: 'mumbai', name: 'Mumbai', latitude: dm(18, 58), longitude: dm(72, 50), zone: 'Asia/Kolkata' },
  { slug: 'pune', name: 'Pune', latitude: dm(18, 31), longitude: dm(73, 51), zone: 'Asia/Kolkata' },
  { slug: 'london', name: 'London', latitude: dm(51, 30), longitude: -dm(0, 8), zone: 'Europe/London' },
  { slug: 'newyork', name: 'New York', latitude: dm(40, 43), longitude: -dm(74, 0), zone: 'America/New_York' },
  { slug: 'sanjose', name: 'San Jose, California', latitude: dm(37, 20), longitude: -dm(121, 53), zone: 'America/Los_Angeles' },
];

export function placeBySlug(slug) {
  const place = PLACES.find((p) => p.slug === slug);
  if (!place) throw new Error(`unknown place ${slug}; known: ${PLACES.map((p) => p.slug).join(', ')}`);
  return place;
}

// Offset of `zone` from UT at the instant `date`, in minutes east.
export function zoneOffsetMinutes(zone, date) {
  const text = new Intl.DateTimeFormat('en-US', { timeZone: zone, timeZoneName: 'longOffset' })
    .formatToParts(date)
    .find((part) => part.type === 'timeZoneName').value; // 'GMT+05:30', or 'GMT' for zero
  const m = /^GMT(?:([+-])(\d{2}):(\d{2}))?$/.exec(text);
  if (!m) throw new Error(`unexpected zone name ${text} for ${zone}`);
  if (!m[1]) return 0;
  const minutes = Number(m[2]) * 60 + Number(m[3]);
  return m[1] === '-' ? -minutes : minutes;
}

// '+05:30', '-07:00', '+00:00'.
export function offsetText(minutes) {
  const sign = minutes < 0 ? '-' : '+';
  const a = Math.abs(minutes);
  return `${sign}${String(Math.floor(a / 60)).padStart(2, '0')}:${String(a % 60).padStart(2, '0')}`;
}

// Offset (minutes east) in force at local noon of the civil date 'YYYY-MM-DD'.
// Noon is found from the offset at 12:00 UT and checked once more, which is
// exact wherever no transition lies within a day of noon (transitions happen
// at night).
export function offsetAtLocalNoon(zone, iso) {
  const [y, m, d] = iso.split('-').map(Number);
  const noonUt = Date.UTC(y, m - 1, d, 12);
  const guess = zoneOffsetMinutes(zone, new Date(noonUt));
  return zoneOffsetMinutes(zone, new Date(noonUt - guess * 60000));
}
