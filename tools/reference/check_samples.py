#!/usr/bin/env python3
"""Compare the reference month table with a folder of sample tables.

Each NAME.json of the folder holds the `kalnika-cli` arguments (`args`), the
expected `rows`, `kali`, `vikram` and `message`, and under `yours` the cells
whose content is an implementation choice.  Those cells are skipped, except
INGRESS: there the ingress note must match apart from its clock, which may
differ by one minute either way.  Every other cell must match byte for byte.

    python3 tools/reference/check_samples.py tests/data/golden [--verbose]

Prints one line per table (and one per differing cell) and exits with 1 when
any table differs.
"""

import argparse
import glob
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import kalnika_reference as ref  # noqa: E402

# the ingress note: head and sign name, the clock, then a blank and any
# auspicious-day note that follows it in the same cell
_INGRESS = re.compile("^(" + re.escape(ref.INGRESS_HEAD) + ".*?" + re.escape(ref.INGRESS_MID)
                      + r")(\d+)H(\d+)( .*)$", re.S)


def parse_args(args):
    """The month-table arguments of a `kalnika-cli` argument list."""
    ap = argparse.ArgumentParser(add_help=False)
    ap.add_argument("--places")
    ap.add_argument("--place", type=int, default=None)
    ap.add_argument("--month", type=int)
    ap.add_argument("--year")
    ap.add_argument("--dst", action="store_true")
    ap.add_argument("--format")
    known, _ = ap.parse_known_args(args)
    return known


def run_reference(sample, folder):
    """The reference month table for the arguments of a sample."""
    a = parse_args(sample["args"])
    places_path = os.path.join(folder, a.places)
    places, auspicious = ref.read_place_file(places_path)
    idx = a.place if a.place is not None else ref.default_position(places_path)
    return ref.month_table(places[idx], a.month, a.year, a.dst, auspicious)


def ingress_close(expected, actual):
    """Same cell text with ingress clocks at most one minute apart.  On the
    almanac clock the hours 24..30 follow 23 and 7 follows 30, so the minutes
    are compared modulo one day (30H59 and 7H0 are one minute apart)."""
    me, ma = _INGRESS.match(expected), _INGRESS.match(actual)
    if not me or not ma:
        return expected == actual
    if me.group(1) != ma.group(1) or me.group(4) != ma.group(4):
        return False
    te = int(me.group(2)) * 60 + int(me.group(3))
    ta = int(ma.group(2)) * 60 + int(ma.group(3))
    return (te - ta) % 1440 in (0, 1, 1439)


def compare(sample, result):
    """List of (place, expected, actual) differences of one table."""
    yours = sample.get("yours", {})
    diffs = []
    for r, (erow, arow) in enumerate(zip(sample["rows"], result["rows"])):
        for c, (e, v) in enumerate(zip(erow, arow)):
            key = f"{r},{c}"
            labels = yours.get(key, [])
            if e == v:
                continue
            if labels == ["INGRESS"]:
                if ingress_close(e, v):
                    continue
            elif labels:
                continue
            diffs.append((key, e, v))
    for label in ("kali", "vikram", "message"):
        if label in yours:
            continue
        if sample.get(label) != result.get(label):
            diffs.append((label, sample.get(label), result.get(label)))
    return diffs


def main(argv=None):
    ap = argparse.ArgumentParser(description="Compare the reference with sample month tables.")
    ap.add_argument("folder", help="folder of NAME.json sample tables and their Location.ini")
    ap.add_argument("--verbose", action="store_true", help="show every differing cell")
    a = ap.parse_args(argv)
    files = sorted(glob.glob(os.path.join(a.folder, "*.json")))
    failed = 0
    for path in files:
        with open(path, encoding="utf-8") as fh:
            sample = json.load(fh)
        diffs = compare(sample, run_reference(sample, a.folder))
        name = os.path.basename(path)
        if diffs:
            failed += 1
            print(f"DIFF  {name}: {len(diffs)} cells")
            for key, e, v in (diffs if a.verbose else diffs[:5]):
                print(f"      {key}: expected {e!r}, reference {v!r}")
        else:
            print(f"ok    {name}")
    print(f"{len(files) - failed} of {len(files)} tables match")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
