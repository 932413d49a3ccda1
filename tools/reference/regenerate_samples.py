#!/usr/bin/env python3
"""Recompute the sample tables of a folder with the reference month table.

Each NAME.json keeps its `args`, `why` and `yours`; `rows`, `kali`, `vikram`
and `message` are written anew from the reference computation, in the
folder's JSON layout (one value per line, the stored bytes as characters of
the same code points).  The folder's Location.ini is read, not written.

    python3 tools/reference/regenerate_samples.py tests/data/reference [NAME.json ...]

Not part of the test run: the point of the sample tables is that they change
only when someone means them to.  Review the diff after running it, and check
that each `why` still describes what its table shows.
"""

import argparse
import glob
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_samples  # noqa: E402
import kalnika_reference as ref  # noqa: E402


def regenerate(path, folder):
    """Rewrite one sample table; returns a list of warnings about its `yours`."""
    with open(path, encoding="utf-8") as fh:
        sample = json.load(fh)
    result = check_samples.run_reference(sample, folder)
    out = {
        "args": sample["args"],
        "why": sample["why"],
        "rows": result["rows"],
        "kali": result["kali"],
        "vikram": result["vikram"],
        "message": result["message"],
        "yours": sample.get("yours", {}),
    }
    warnings = []
    for key, labels in out["yours"].items():
        if "," not in key or labels != ["INGRESS"]:
            continue
        r, c = (int(x) for x in key.split(","))
        if not out["rows"][r][c].startswith(ref.INGRESS_HEAD):
            warnings.append(f"{key} is listed as INGRESS but holds no ingress note")
    for r, row in enumerate(out["rows"]):
        if row[16].startswith(ref.INGRESS_HEAD) and f"{r},16" not in out["yours"]:
            warnings.append(f"{r},16 holds an ingress note but is not listed as INGRESS")
    with open(path, "w", encoding="utf-8", newline="\n") as fh:
        fh.write(json.dumps(out, indent=0, ensure_ascii=False))
        fh.write("\n")
    return warnings


def main(argv=None):
    ap = argparse.ArgumentParser(description="Recompute sample tables with the reference.")
    ap.add_argument("folder")
    ap.add_argument("names", nargs="*", help="table file names (default: every NAME.json)")
    a = ap.parse_args(argv)
    if a.names:
        files = [os.path.join(a.folder, n) for n in a.names]
    else:
        files = sorted(glob.glob(os.path.join(a.folder, "*.json")))
    for path in files:
        warnings = regenerate(path, a.folder)
        print(f"wrote {os.path.basename(path)}")
        for w in warnings:
            print(f"      warning: {w}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
