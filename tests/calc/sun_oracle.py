#!/usr/bin/python3
"""tarvel-calc's sunrise and sunset against PyEphem.

sun_oracle.py TARVEL_CALC: random positions and dates, one batch run of `--json sun` a date.
Below 60 degrees of latitude each time must lie within a minute of PyEphem's (the Sun's upper
limb 34' below the horizon, no atmosphere model of its own: the centre 0.833 degrees below), and
an event PyEphem finds on another UTC day must be null. Above 60 degrees, where a day can have
no sunrise or sunset, a day PyEphem finds polar at its start and at its end must be the same polar
day or night here, and a day PyEphem finds normal at both ends must not be polar. (PyEphem judges
from the Sun's place at the moment asked, so a day whose two ends differ is not judged, nor one
where the Sun only grazes the horizon.)
"""
import datetime
import json
import random
import subprocess
import sys

import ephem

DATES = 24
POSITIONS = 60
GRAZING = ephem.hour
POLAR_STATES = {ephem.AlwaysUpError: "polar_day", ephem.NeverUpError: "polar_night"}
TOLERANCE = datetime.timedelta(minutes=1)


def ephem_event(observer, day, rising):
    start = ephem.Date(day)
    sun = ephem.Sun()
    event = (observer.next_rising if rising else observer.next_setting)(sun, start=start)
    moment = ephem.Date(event).datetime()
    return moment if moment.date() == day else None


def polar_state(observer, day):
    """PyEphem's state at the day's start; None when the Sun only grazes the horizon, under or
    over it for less than GRAZING, where 0.01 degree of the Sun's place decides."""
    try:
        rising = observer.next_rising(ephem.Sun(), start=ephem.Date(day))
        setting = observer.next_setting(ephem.Sun(), start=ephem.Date(day))
    except ephem.CircumpolarError as error:
        return POLAR_STATES[type(error)]
    return None if abs(rising - setting) < GRAZING else "normal"


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
        places += [(rng.choice((-1, 1)) * rng.uniform(60, 89.9), rng.uniform(-180, 180))
                   for _ in range(POSITIONS // 2)]
        lines = "".join(f"{lat:.4f},{lon:.4f}\n" for lat, lon in places)
        run = subprocess.run([program, "--json", "sun", "--date", day.isoformat()],
                             input=lines, capture_output=True, text=True, check=True)
        for (lat, lon), line in zip(places, run.stdout.splitlines(), strict=True):
            result = json.loads(line)
            observer = ephem.Observer()
            observer.lat, observer.lon = f"{lat:.4f}", f"{lon:.4f}"
            observer.pressure, observer.horizon = 0, "-0:34"
            if abs(lat) >= 60:
                expected = polar_state(observer, day)
                if expected is None or \
                        polar_state(observer, day + datetime.timedelta(days=1)) != expected:
                    continue
                checked += 1
                if result["state"] != expected:
                    failures += 1
                    print(f"FAIL {day} {lat:.4f},{lon:.4f}: {result['state']}, PyEphem {expected}")
                continue
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
    print(f"{checked} events and polar days checked, {failures} failed")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
