#!/usr/bin/env python3
"""Reads the output of a soak run of chronel-driver (a "dump main" after every batch) and checks
that in every dump both date panels show the date of the Julian Day shown in field 1007, and
that the Modified Julian Day (1008) is that of the midnight beginning that day. The dates are computed here, not by the
program: the Gregorian date by Fliegel and Van Flandern's algorithm (Communications of the ACM
11, 1968, p. 657), the Julian date by Meeus, Astronomical Algorithms, 2nd ed., chapter 7.

    check_soak.py DRIVER-OUTPUT    prints "N dumps checked" or the first faults, exit 1 on a fault
"""

import math
import sys

MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]

GREGORIAN_CYCLE = 146097  # days in 400 Gregorian years
JULIAN_CYCLE = 1461       # days in 4 Julian years


def gregorian_from_jdn(jdn):
    """Astronomical (day, month, year) of the Gregorian calendar for a day number."""
    shift = 0
    while jdn + shift * GREGORIAN_CYCLE < 0:  # the algorithm wants a positive day number
        shift += 1
    j = jdn + shift * GREGORIAN_CYCLE
    l = j + 68569
    n = 4 * l // 146097
    l = l - (146097 * n + 3) // 4
    i = 4000 * (l + 1) // 1461001
    l = l - 1461 * i // 4 + 31
    k = 80 * l // 2447
    day = l - 2447 * k // 80
    l = k // 11
    month = k + 2 - 12 * l
    year = 100 * (n - 49) + i + l
    return day, month, year - 400 * shift


def julian_from_jdn(jdn):
    """Astronomical (day, month, year) of the Julian calendar for a day number (Meeus 7.3 with
    A = Z)."""
    shift = 0
    while jdn + shift * JULIAN_CYCLE < 0:
        shift += 1
    z = jdn + shift * JULIAN_CYCLE
    b = z + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    day = b - d - math.floor(30.6001 * e)
    month = e - 1 if e < 14 else e - 13
    year = c - 4716 if month > 2 else c - 4715
    return day, month, year - 4 * shift


def shown_gregorian(day, month, year):
    """The panel counts astronomically: year 0 shows as "0 AD", -1 as "1 BC"."""
    return (str(day), MONTHS[month - 1], str(abs(year)), "BC" if year < 0 else "AD")


def shown_julian(day, month, year):
    """The panel counts historically: astronomical 0 is 1 BC."""
    return (str(day), MONTHS[month - 1], str(year if year > 0 else 1 - year),
            "AD" if year > 0 else "BC")


def expected_panels(jd):
    """(Gregorian, Julian, MJD) as the panels show them for the day of a JD. The day runs from
    JD n - 0.5 to n + 0.5; its MJD is that of its first midnight, n - 2400001. The soak types
    no Julian Day of more than two decimals, so the shown "%.2f" text is the JD itself."""
    jdn = math.floor(jd + 0.5)
    return (shown_gregorian(*gregorian_from_jdn(jdn)), shown_julian(*julian_from_jdn(jdn)),
            "%.2f" % (jdn - 2400001))


def dumps(lines):
    """Each dump of the main window as {id: text}; a dump ends with its "moon" line."""
    current = {}
    for line in lines:
        parts = line.rstrip("\n").split("\t", 2)
        if len(parts) < 3 or parts[0] != "main":
            continue
        if parts[1] == "moon":
            yield current
            current = {}
        else:
            current[parts[1]] = parts[2]


def check(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.readlines()
    checked = 0
    faults = []
    for number, panel in enumerate(dumps(lines), start=1):
        if "1007" not in panel:
            continue  # a "get main 1092" and such
        checked += 1
        try:
            jd = float(panel["1007"])
        except (KeyError, ValueError):
            faults.append("dump %d: no Julian Day: %r" % (number, panel.get("1007")))
            continue
        greg = tuple(panel.get(k) for k in ("1000", "1001", "1002", "1021"))
        jul = tuple(panel.get(k) for k in ("1003", "1004", "1005", "1022"))
        shown = (greg, jul, panel.get("1008"))
        expected = expected_panels(jd)
        if shown != expected:
            faults.append("dump %d: JD %s shows Gregorian %s, Julian %s, MJD %s; expected %s, %s, %s"
                          % (number, panel["1007"], " ".join(map(str, greg)), " ".join(map(str, jul)),
                             panel.get("1008"), " ".join(expected[0]), " ".join(expected[1]), expected[2]))
        if len(faults) >= 10:
            break
    return checked, faults


def self_test():
    """Reference values: Meeus, Astronomical Algorithms, examples 7.a-7.c and the table of
    chapter 7; JD 0 is 1 January 4713 BC (Julian) = 24 November 4714 BC (Gregorian)."""
    cases = [
        (2451545, (1, 1, 2000), (19, 12, 1999)),
        (2299161, (15, 10, 1582), (5, 10, 1582)),   # the first Gregorian day
        (2299160, (14, 10, 1582), (4, 10, 1582)),
        (2436116, (4, 10, 1957), (21, 9, 1957)),    # example 7.a: 1957 October 4.81
        (1842713, (28, 1, 333), (27, 1, 333)),      # example 7.c: 333 January 27.5 (Julian)
        (0, (24, 11, -4713), (1, 1, -4712)),
        (-32044, (1, 3, -4800), None),              # the first day the program keeps
    ]
    for jdn, greg, jul in cases:
        assert gregorian_from_jdn(jdn) == greg, (jdn, gregorian_from_jdn(jdn), greg)
        assert jul is None or julian_from_jdn(jdn) == jul, (jdn, julian_from_jdn(jdn), jul)
    # Across the shifts for negative day numbers, consecutive day numbers give consecutive days.
    for convert in (gregorian_from_jdn, julian_from_jdn):
        for jdn in range(-40000, 2000):
            d0, m0, y0 = convert(jdn)
            after = convert(jdn + 1)
            next_day = [(d0 + 1, m0, y0), (1, m0 + 1, y0) if m0 < 12 else (1, 1, y0 + 1)]
            assert after in next_day, (convert.__name__, jdn, (d0, m0, y0), after)


def main():
    self_test()
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    checked, faults = check(sys.argv[1])
    for fault in faults:
        print(fault)
    print("%d dumps checked, %d faults" % (checked, len(faults)))
    sys.exit(1 if faults or checked == 0 else 0)


if __name__ == "__main__":
    main()
