#!/usr/bin/env python3
"""Where does the lunar month text change?  The literal rule against mend M5.

The literal rule estimates the start of the lunar month from the row's tithi
number (X - S * tithi / 30 on the shifted axis) and reads the Sun there and
one synodic month before and after; the month number carries 11 for an added
month and 22 for the regular month after one, and the month table decodes it
(above 22: subtract 22, prefix "en:j:"; then above 11: subtract 11, prefix
"AeD:k").  Because the estimate moves with the tithi from row to row, the
month text can change in the middle of a lunation.  Mend M5 takes the month
of the whole lunation from the true new moons instead (kalnika_reference.
lunar_month), so the text can change only on the first row after a new moon.

For every date of the range this script computes column 6 (the month text,
prefix included) at 0 h UT of the date under both rules and counts

  (a) the dates on which the text differs from the previous date's although
      no new moon fell in between (the row is not the first after a new moon,
      i.e. no new-moon instant t with JD - 1 < t <= JD);
  (b) the added months: lunations with at least one row of the range showing
      the added-month prefix, and for the literal rule also the runs of
      consecutive such rows;
  (c) the calendar years with at least one change of (a).

Of the changes of (a), those on the row of the new-moon tithi (tithi number
0 or 30, the last row before the new moon, where the literal rule reads the
Sun at the row itself) are also given apart.

Every whole-day quantity is read at 0 h UT, so the counts do not depend on
the place; its time zone only gives the local clock of the new moons in the
--list output.

    python3 tools/reference/lunar_month_changes.py [--from 1990] [--to 2040] \
        [--zone 5.5] [--list] [--check-table]

--check-table also builds every month table of the range with the reference
(Mumbai's place record) and checks that its column 6 is the M5 text computed
here.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kalnika_reference as ref  # noqa: E402

FLOOR = ref.FLOOR
MUMBAI = "Mumbai, Maharashtra, India     18 N 58  072 E 50  +05:30"


# ---------------------------------------------------------------------------
# The literal rule, kept here for comparison only
# ---------------------------------------------------------------------------

def literal_maas_number(jd, raw_tithi):
    """Lunar month number of the literal rule: 0..11, plus 11 for an added
    month and 22 for the regular month after an added month (the sums
    overlap).  A number below 0, possible when the Sun's unreduced longitude
    is a hair below 0 at the estimated month start, gets 12 added (mend M2),
    so that it indexes a name; `below_zero` counts how often that happens."""
    x = jd + ref.SHIFT
    s = ref.lunar_synodic_month(x)
    n = x - (s * raw_tithi) / 30
    sn = FLOOR(ref.sun_shifted(n) / 30)
    m = sn if raw_tithi == 0 else sn + 1
    if m > 11:
        m = m - 12
    if m < 0:
        m = m + 12
        literal_maas_number.below_zero += 1
    sp = FLOOR(ref.sun_shifted(n - s) / 30)
    sf = FLOOR(ref.sun_shifted(n + s) / 30)
    if sf == sn:
        m = m + 11
    if sp == sn:
        m = m + 22
    return m


literal_maas_number.below_zero = 0


def tithi_at(jd):
    """Tithi number 0..31 of the row (the raw number the literal rule takes)."""
    return ref.tithi_number(ref.mean_lunar_longitude(jd), ref.mean_solar_longitude(jd),
                            ref.lunar_longitude_correction(jd), ref.solar_longitude_correction(jd))


def literal_month_text(jd):
    """Column 6 under the literal rule, decoded as the month table does."""
    maas = literal_maas_number(jd, tithi_at(jd))
    prefix = ""
    if maas > 22:
        maas = maas - 22
        prefix = ref.REGULAR_PREFIX
    if maas > 11:
        maas = maas - 11
        prefix = ref.ADDED_PREFIX
    return prefix + ref.MaasNames[maas]


def m5_month_text(jd):
    """Column 6 with mend M5, as the reference month table writes it."""
    index, kind = ref.lunar_month(jd)
    prefix = {ref.ADDED: ref.ADDED_PREFIX, ref.AFTER_ADDED: ref.REGULAR_PREFIX}.get(kind, "")
    return prefix + ref.MaasNames[index]


# ---------------------------------------------------------------------------
# Counting
# ---------------------------------------------------------------------------

def dates(first_year, last_year):
    """(year, month, day, JD at 0 h UT) of every date of the years, in order."""
    for y in range(first_year, last_year + 1):
        for m in range(1, 13):
            for d in range(1, ref.days_of_month(m - 1, y) + 1):
                yield y, m, d, ref.julian_day(y, m, d, 0, 0, 0)


def count(first_year, last_year, zone, listing):
    rules = {"literal": literal_month_text, "M5": m5_month_text}
    stats = {name: {"changes": [], "added_lunations": set(), "added_runs": 0}
             for name in rules}
    previous = None                       # (jd, lunation, texts) of the day before
    for y, m, d, jd in dates(first_year, last_year):
        k = ref.lunation_of(jd)
        texts = {name: f(jd) for name, f in rules.items()}
        for name, text in texts.items():
            st = stats[name]
            added = text.startswith(ref.ADDED_PREFIX)
            if added:
                st["added_lunations"].add(k)
            if previous is None:
                if added:
                    st["added_runs"] += 1
                continue
            pjd, pk, ptexts = previous
            if added and not ptexts[name].startswith(ref.ADDED_PREFIX):
                st["added_runs"] += 1
            # first row after a new moon: a new-moon instant t with pjd < t <= jd,
            # i.e. the lunation holding the row differs from the day before's
            first_after_new_moon = k != pk
            if text != ptexts[name] and not first_after_new_moon:
                st["changes"].append((y, m, d, ptexts[name], text, k, tithi_at(jd)))
        previous = (jd, k, texts)

    if listing:
        for name in rules:
            print(f"# mid-lunation changes, {name} rule (date: day before -> day, tithi number of the day; "
                  f"opening new moon of the lunation, local clock)")
            for y, m, d, before, after, k, t in stats[name]["changes"]:
                nm = ref.calendar_date(ref.new_moon_instant(k), zone, False)
                print(f"{y:04d}-{m:02d}-{d:02d}  {before!r} -> {after!r}  tithi {t}  (new moon {nm})")
        print("# added months, M5 (opening new moon, local clock)")
        for k in sorted(stats["M5"]["added_lunations"]):
            index, _kind = ref.lunar_month(ref.new_moon_instant(k))
            nm = ref.calendar_date(ref.new_moon_instant(k), zone, False)
            print(f"{nm}  {ref.ADDED_PREFIX + ref.MaasNames[index]!r}")
    return stats


def check_table(first_year, last_year):
    """Column 6 of every reference month table of the range equals m5_month_text."""
    bad = 0
    for y in range(first_year, last_year + 1):
        for m in range(1, 13):
            rows = ref.month_table(MUMBAI, m, str(y))["rows"]
            for d in range(1, ref.days_of_month(m - 1, y) + 1):
                if rows[d][6] != m5_month_text(ref.julian_day(y, m, d, 0, 0, 0)):
                    bad += 1
    return bad


def main(argv=None):
    ap = argparse.ArgumentParser(description="Count mid-lunation month changes and added months, literal rule against M5.")
    ap.add_argument("--from", dest="first", type=int, default=1990, help="first year (default 1990)")
    ap.add_argument("--to", dest="last", type=int, default=2040, help="last year (default 2040)")
    ap.add_argument("--zone", type=float, default=5.5, help="time zone of the listing's clocks (default 5.5, Mumbai)")
    ap.add_argument("--list", action="store_true", help="list every mid-lunation change")
    ap.add_argument("--check-table", action="store_true", help="also check column 6 of the reference month tables")
    a = ap.parse_args(argv)

    stats = count(a.first, a.last, a.zone, a.list)
    n_years = a.last - a.first + 1
    print(f"years {a.first}-{a.last} ({n_years} years)")
    for name in ("literal", "M5"):
        st = stats[name]
        years = sorted({c[0] for c in st["changes"]})
        # the row of the new-moon tithi (0, or 30 where the elongation is
        # just below a full turn) is the last row before the new moon
        on_new_moon_tithi = [c for c in st["changes"] if c[6] in (0, 30)]
        rest_years = sorted({c[0] for c in st["changes"] if c[6] not in (0, 30)})
        print(f"{name:8s} mid-lunation changes: {len(st['changes'])} in {len(years)} of {n_years} years "
              f"({len(on_new_moon_tithi)} of them on the new-moon tithi row, the last row before the new moon; "
              f"the others in {len(rest_years)} years); "
              f"added months: {len(st['added_lunations'])} lunations with an added-month row, "
              f"{st['added_runs']} runs of added-month rows")
    print(f"literal rule month numbers below 0 (mend M2 applied): {literal_maas_number.below_zero}")
    if a.check_table:
        bad = check_table(a.first, a.last)
        print(f"month tables: {bad} rows whose column 6 differs from the M5 text")
        return 1 if bad else 0
    return 0


if __name__ == "__main__":
    sys.exit(main())
