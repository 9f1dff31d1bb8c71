"""Reads an almanac iCalendar file with python3-icalendar and checks what a calendar program
would import: 49-51 lunar phases and the four seasons of the year, each a UTC instant in that
year, with a unique UID. Usage: check_ics.py FILE YEAR; exits non-zero with a message."""
import datetime
import sys

import icalendar

PHASES = {"New Moon", "First Quarter", "Full Moon", "Last Quarter"}
SEASONS = {"March equinox", "June solstice", "September equinox", "December solstice"}


def main(path, year):
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    events = list(calendar.walk("VEVENT"))
    summaries = [str(e["SUMMARY"]) for e in events]
    phases = sum(1 for s in summaries if s in PHASES)
    seasons = sorted(s for s in summaries if s in SEASONS)
    problems = []
    if not 49 <= phases <= 51:
        problems.append(f"{phases} phases")
    if seasons != sorted(SEASONS):
        problems.append(f"seasons {seasons}")
    if len({str(e["UID"]) for e in events}) != len(events):
        problems.append("repeated UID")
    for e in events:
        start = e["DTSTART"].dt
        if not isinstance(start, datetime.datetime) or start.utcoffset() != datetime.timedelta(0):
            problems.append(f"DTSTART not UTC: {start!r}")
        elif start.year != year:
            problems.append(f"outside {year}: {start}")
    if problems:
        print("; ".join(problems))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2])))
