#!/usr/bin/python3
"""tarvel-calc's sunrise and sunset against PyEphem, below 60 degrees of latitude.

sun_oracle.py TARVEL_CALC: random positions and dates, one batch run of `--json sun` a date;
each time must lie within a minute of PyEphem's (the Sun's upper limb 34' below the horizon, no
atmosphere model of its own: the centre 0.833 degrees below), and an event PyEphem finds on
another UTC day must be null.
"""
import datetime
import json
import random
import subprocess
import sys

import ephem

DATES = 24
POSITIONS = 60
TOLERANCE = datetime.timedelta(minutes=1)


def ephem_event(observer, day, rising):
    start = ephem.Date(day)
    sun = ephem.Sun()
    event = (observer.next_rising if rising else observer.next_setting)(sun, start=start)
    moment = ephem.Date(event).datetime()
    return moment if moment.date() == day else None


def clock_on(day, text):
    hours, minutes = map(int, text.split(":"))
    return datetime.datetime.combine(day, datetime.time(hours, minutes))


def main():
    program = sys.argv[1]
    rng = random.Random(17)
    failures = checked = 0
    for _ in range(DATES):
        day = datetime.date(2026, 1, 1) + datetime.timedelta(days=rng.randrange(365 * 4))
        places = [(rng.uniform(-59.9, 59.9), rng.uniform(-180, 180)) for _ in range(POSITIONS)]
        lines = "".join(f"{lat:.4f},{lon:.4f}\n" for lat, lon in places)
        run = subprocess.run([program, "--json", "sun", "--date", day.isoformat()],
                             input=lines, capture_output=True, text=True, check=True)
        for (lat, lon), line in zip(places, run.stdout.splitlines(), strict=True):
            result = json.loads(line)
            observer = ephem.Observer()
            observer.lat, observer.lon = f"{lat:.4f}", f"{lon:.4f}"
            observer.pressure, observer.horizon = 0, "-0:34"
            for key, rising in (("sunrise", True), ("sunset", False)):
                expected = ephem_event(observer, day, rising)
                got = result[key]
                checked += 1
                if expected is None and got is None:
                    continue
                if expected is not None and got is not None and \
                        abs(clock_on(day, got) - expected) <= TOLERANCE:
                    continue
                failures += 1
                print(f"FAIL {day} {lat:.4f},{lon:.4f} {key}: {got}, PyEphem {expected}")
    print(f"{checked} events checked, {failures} off by more than a minute")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
