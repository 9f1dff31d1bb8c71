#!/usr/bin/env python3
"""Writes zone_offsets.txt beside this script: UTC offsets of a dozen IANA zones at chosen
instants, as Python's zoneinfo reads them from the system's time-zone database (Debian
tzdata). The C++ tests compare the program's conversion with these values.

Zones: both hemispheres, half-hour (Asia/Kolkata, Australia/Adelaide, America/St_Johns) and
45-minute (Asia/Kathmandu) offsets, zones that changed their standard offset (Asia/Kathmandu
1986, Europe/Moscow 2011 and 2014) or gave up daylight saving (America/Sao_Paulo 2019,
Asia/Tehran 2022), zones without daylight saving (Africa/Johannesburg, Asia/Kolkata).
Instants: one minute before and after each change of offset in the years below, and noon UTC
on 15 January and 15 July of each year; 2040 lies beyond the last transition stored in the
zone files, where the rule string at the end of each file applies; 1750 and 1900 come before
standard time in most zones (local mean time).

Usage: python3 tests/locations/zone_offsets_fixture.py
Each line: zone, Unix seconds (UTC), offset in seconds east of Greenwich, the instant in ISO
form as a comment. Run it again when a tzdata update changes one of these zones.
"""

import datetime
import os
import zoneinfo

ZONES = [
    "Europe/London", "America/New_York", "Australia/Sydney", "America/Sao_Paulo",
    "Asia/Kolkata", "Asia/Kathmandu", "Australia/Adelaide", "Asia/Tehran", "Europe/Moscow",
    "America/Santiago", "Africa/Johannesburg", "Pacific/Auckland", "America/St_Johns",
]
CHANGE_YEARS = [1985, 1986, 2011, 2014, 2025, 2040]
NOON_YEARS = [1750, 1900] + CHANGE_YEARS
UTC = datetime.timezone.utc


def offset_at(zone, instant):
    return int(instant.astimezone(zone).utcoffset().total_seconds())


def changes(zone, year):
    """UTC instants (to the minute) at which the zone's offset changes during the year."""
    step = datetime.timedelta(hours=1)
    t = datetime.datetime(year, 1, 1, tzinfo=UTC)
    end = datetime.datetime(year + 1, 1, 1, tzinfo=UTC)
    found = []
    before = offset_at(zone, t)
    while t < end:
        after = offset_at(zone, t + step)
        if after != before:
            lo, hi = t, t + step  # offset(lo) = before, offset(hi) = after
            while hi - lo > datetime.timedelta(minutes=1):
                mid = lo + (hi - lo) / 2
                mid = mid.replace(second=0, microsecond=0)
                if mid <= lo:
                    break
                if offset_at(zone, mid) == before:
                    lo = mid
                else:
                    hi = mid
            found.append(hi)
        before = after
        t += step
    return found


def main():
    minute = datetime.timedelta(minutes=1)
    lines = []
    for name in ZONES:
        zone = zoneinfo.ZoneInfo(name)
        instants = set()
        for year in NOON_YEARS:
            for month in (1, 7):
                instants.add(datetime.datetime(year, month, 15, 12, tzinfo=UTC))
        for year in CHANGE_YEARS:
            for change in changes(zone, year):
                instants.update((change - minute, change + minute))
        for t in sorted(instants):
            seconds = int(t.timestamp())
            lines.append(f"{name} {seconds} {offset_at(zone, t)}  # {t:%Y-%m-%dT%H:%MZ}\n")
    with open("/usr/share/zoneinfo/tzdata.zi", encoding="ascii") as f:
        version = f.readline().split()[-1]
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "zone_offsets.txt"), "w", encoding="ascii") as f:
        f.write("# zone, UTC instant (Unix seconds), offset (seconds east); made by "
                f"zone_offsets_fixture.py from tzdata {version} with Python's zoneinfo\n")
        f.writelines(lines)


if __name__ == "__main__":
    main()
