#!/usr/bin/env python3
"""Random births over the whole input domain, and their charts and readings.

Writes two gzip files of text lines:

  chart_sweep.txt.gz    per birth: the input line (JSON), then the line that
                        `tirovane-cli chart` wrote for it (all births in one
                        run, in order)
  reading_sweep.txt.gz  per pair of births 2k, 2k+1: the line that
                        `tirovane-cli reading` wrote for them

The births are drawn from a fixed seed, so the same inputs come back on
every run. Every zone row meets every combination of daylight saving and
the four hemispheres; dates run from 1901 to 2050 with every valid day,
29 to 31 included; places reach the limits the input checks allow.

Usage: make_golden_sweep.py TIROVANE_CLI OUTPUT_DIR [COUNT]
"""

import gzip
import json
import random
import subprocess
import sys

ZONE_ROWS = 71
SEED = 20261208


def days_in_month(year, month):
    if month == 2:
        # The entry form's rule, exact from 1901 to 2050.
        return 29 if year % 4 == 0 else 28
    return 30 if month in (4, 6, 9, 11) else 31


def birth(i, rng):
    combo = i % (ZONE_ROWS * 8)
    zone = combo % ZONE_ROWS
    flags = combo // ZONE_ROWS
    year = rng.randint(1901, 2050)
    month = rng.randint(1, 12)
    last = days_in_month(year, month)
    # One birth in five on the last days of a month.
    day = rng.randint(max(1, last - 3), last) if rng.random() < 0.2 else rng.randint(1, last)
    edge = rng.random()
    if edge < 0.05:
        hour, minute = 0, 0
    elif edge < 0.10:
        hour, minute = 23, 59
    else:
        hour, minute = rng.randint(0, 23), rng.randint(0, 59)
    lat = rng.choice([(0, 0), (90, 0), (89, 59)]) if rng.random() < 0.05 else (
        rng.randint(0, 89), rng.randint(0, 59))
    lon = rng.choice([(0, 0), (180, 0), (179, 59)]) if rng.random() < 0.05 else (
        rng.randint(0, 179), rng.randint(0, 59))
    pad = " " if i % 7 == 0 else ""
    return {
        "Name": f"Person {i}",
        "Day": day,
        "Month": month,
        "Year": year,
        "Hour": hour,
        "Minute": minute,
        "ZoneRow": zone,
        "LatitudeDegrees": lat[0],
        "LatitudeMinutes": lat[1],
        "South": bool(flags & 1),
        "LongitudeDegrees": lon[0],
        "LongitudeMinutes": lon[1],
        "East": bool(flags & 2),
        "DaylightSaving": bool(flags & 4),
        "City": f"{pad}City {i % 97}{pad}",
        "State": f"State {i % 13}",
        "Country": f"Country {i % 5}",
    }


def main():
    cli, out_dir = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 10000
    rng = random.Random(SEED)
    lines = [json.dumps(birth(i, rng), separators=(",", ":")) for i in range(count)]

    charts = subprocess.run([cli, "chart"], input="\n".join(lines) + "\n", capture_output=True,
                            text=True, check=True).stdout.splitlines()
    assert len(charts) == count
    with gzip.open(f"{out_dir}/chart_sweep.txt.gz", "wt", encoding="utf-8", newline="\n",
                   compresslevel=9) as f:
        for line, chart in zip(lines, charts):
            f.write(line + "\n" + chart + "\n")

    with gzip.open(f"{out_dir}/reading_sweep.txt.gz", "wt", encoding="utf-8", newline="\n",
                   compresslevel=9) as f:
        for k in range(0, count - 1, 2):
            run = subprocess.run([cli, "reading"], input=lines[k] + "\n" + lines[k + 1] + "\n",
                                 capture_output=True, text=True)
            out = run.stdout.splitlines()
            assert len(out) == 1, (k, run.stdout, run.stderr)
            f.write(out[0] + "\n")


if __name__ == "__main__":
    main()
